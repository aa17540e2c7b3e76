// Undo, Reload Image, zoom and the selection size shown under the mouse.
#include <QToolButton>
#include <cmath>

#include "app/main_window.h"
#include "app/picture_view.h"
#include "app/wait_cursor.h"

namespace qm {

void TfFrame::UndoMenuClick() {
    document_.undo();
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::btnSourceImageClick() {
    document_.reload();
    repaintView();
    RefreshStatus();
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
