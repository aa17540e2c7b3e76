// New and New from Clipboard.
#include "app/main_window.h"

namespace qm {

void TfFrame::New1Click() {}
void TfFrame::NewfromClipboard1Click() {}

}  // namespace qm
