// Undo, Reload Image, zoom and the selection size shown under the mouse.
#include <QToolButton>
#include <cmath>

#include "app/main_window.h"
#include "app/picture_view.h"
#include "app/wait_cursor.h"

namespace qm {

namespace {

// A selection that no longer lies inside the picture (the picture came back
// smaller) is dropped, so no command crops outside the pixels.
bool dropSelectionOutside(Document& document) {
    const auto& selection = document.selection();
    if (!selection) return false;
    const Image& picture = document.working();
    if (selection->x2 < picture.width() && selection->y2 < picture.height()) return false;
    document.setSelection(std::nullopt);
    return true;
}

}  // namespace

void TfFrame::UndoMenuClick() {
    document_.undo();
    if (dropSelectionOutside(document_)) setSelectionText(QString());
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::btnSourceImageClick() {
    document_.reload();
    const bool dropped = dropSelectionOutside(document_);
    repaintView();
    RefreshStatus();
    if (dropped) {
        setSelectionText(QString());
        UpdateControls();
    }
}

void TfFrame::Zoom(QObject* sender) {
    const WaitCursor hourglass;
    // Halving and doubling truncate to whole percents; a zoom that would
    // reach 0 is refused by the document, so zooming out stops at 1.
    if (sender == btnZoomOut) document_.setZoom(std::trunc(document_.zoom() / 2));
    if (sender == btnZoom100) document_.setZoom(100);
    if (sender == btnZoomIn) document_.setZoom(std::trunc(document_.zoom() * 2));
    repaintView();
    RefreshStatus();
}

void TfFrame::ImageViewMouseMove() {
    if (const auto& selection = document_.selection())
        setSelectionText(QString("Selected: %1x%2").arg(selection->width()).arg(selection->height()));
    else
        setSelectionText(QString());
    UpdateControls();
}

void TfFrame::ImageViewMouseUp() { ImageViewMouseMove(); }

}  // namespace qm
