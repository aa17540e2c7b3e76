// The mask branch of Apply.
#include "app/main_window.h"

namespace qm {

void TfFrame::runMaskBranch() {}

}  // namespace qm
