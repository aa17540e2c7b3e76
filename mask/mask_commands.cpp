// The mask branch of Apply.
#include "app/main_window.h"

namespace qm {

bool TfFrame::runMaskBranch() { return false; }

}  // namespace qm
