// Help menu and Feedback.
#include "app/main_window.h"

namespace qm {

void TfFrame::Webpage1Click() {}
void TfFrame::About1Click() {}
void TfFrame::Feedback1Click() {}

}  // namespace qm
