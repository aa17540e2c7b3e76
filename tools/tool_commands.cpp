// Edit and Tools menu commands: rotate, flip, image and canvas size,
// selection and crop, border and shadow.
#include "app/main_window.h"

namespace qm {

void TfFrame::Flip(QObject*) {}
void TfFrame::Rotate(QObject*) {}
void TfFrame::ImageSize() {}
void TfFrame::CanvasSize1Click() {}
void TfFrame::btnCropClick() {}
void TfFrame::CropToSel() {}
void TfFrame::Deselect() {}
void TfFrame::Border1Click() {}
void TfFrame::Shadow1Click() {}

}  // namespace qm
