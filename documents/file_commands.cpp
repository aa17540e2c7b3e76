// Open, Save and Save as.
#include "app/main_window.h"

namespace qm {

void TfFrame::Open1Click() {}
void TfFrame::Save1Click() {}
void TfFrame::Saveas1Click() {}

}  // namespace qm
