#pragma once
#include <QPixmap>

namespace qm {

// The small pictures of the new-image dialog, drawn rather than shipped.
QPixmap widthGlyph();        // 16 x 16, a horizontal double arrow
QPixmap heightGlyph();       // 16 x 16, a vertical double arrow
QPixmap orientationGlyph();  // landscape and portrait sheets
QPixmap screenStandGlyph();  // 100 x 20, the stand under the preview screen

}  // namespace qm
