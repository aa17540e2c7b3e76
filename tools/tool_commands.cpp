// Edit menu commands that turn, mirror and crop the picture, and the
// selection mode they share with the view.
#include <QToolButton>

#include "app/main_window.h"
#include "app/wait_cursor.h"
#include "core/draw.h"
#include "core/transform.h"
#include "documents/clipboard_picture.h"

namespace qm {

void TfFrame::Rotate(QObject* sender) {
    WaitCursor wait;
    document().saveUndoStep();
    int degrees = 0;
    if (sender == N90Clockwise1) degrees = -90;
    if (sender == btnRotateRight) degrees = -90;
    if (sender == N90Counterclockwise1) degrees = 90;
    if (sender == btnRotateLeft) degrees = 90;
    if (sender == N1801) degrees = 180;
    if (degrees != 0) document().setWorking(rotate(document().working(), degrees));
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::Flip(QObject* sender) {
    WaitCursor wait;
    document().saveUndoStep();
    Image picture = document().working();
    if (sender == FlipHorizontal || sender == btnFlipHor) flip(picture, FlipDirection::Horizontal);
    if (sender == FlipVertical || sender == btnFlipVert) flip(picture, FlipDirection::Vertical);
    document().setWorking(std::move(picture));
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::btnCropClick() {
    btnCrop->setChecked(!btnCrop->isChecked());
    UpdateControls();
}

void TfFrame::Deselect() {
    document().setSelection(std::nullopt);
    btnCrop->setChecked(false);
    setSelectionText(QString());
    repaintView();
    UpdateControls();
}

void TfFrame::CropToSel() {
    const std::optional<Selection> selection = document().selection();
    if (!selection) return;
    const Image cropped = copyRect(document().working(), selection->rect());
    if (cropped.empty()) return;
    document().saveUndoStep();
    // The crop travels through the clipboard and stays there; when the
    // clipboard does not give it back, the picture is cropped directly.
    putPictureOnClipboard(cropped);
    std::optional<Image> pasted = pictureFromClipboard();
    const bool clipboardWorked =
        pasted && pasted->width() == cropped.width() && pasted->height() == cropped.height();
    document().setWorking(clipboardWorked ? std::move(*pasted) : cropped);
    repaintView();
    RefreshStatus();
    setSelectionText(QString());
    document().setSelection(std::nullopt);
    btnCrop->setChecked(false);
    UpdateControls();
}

}  // namespace qm
