#pragma once
#include <QString>

namespace qm {

// The filter of the dialogs that pick a pattern or background picture:
// every format a reader exists for, together and one by one.
QString readablePictureFilter();

}  // namespace qm
