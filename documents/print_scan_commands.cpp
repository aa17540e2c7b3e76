// Print Setup, Print, Select Source and Acquire.
#include "app/main_window.h"

namespace qm {

void TfFrame::SelectSource1Click() {}
void TfFrame::Acquire1Click() {}
void TfFrame::PrintSetup1Click() {}
void TfFrame::Print1Click() {}

}  // namespace qm
