// Apply: its common start and end, and the frame branch.
#include "app/main_window.h"

namespace qm {

void TfFrame::btnApplyClick() {}
bool TfFrame::runFrameBranch() { return false; }

}  // namespace qm
