// Edit menu commands that change the picture's size: scaling it and
// changing its canvas.
#include "app/main_window.h"
#include "app/wait_cursor.h"
#include "core/resample.h"
#include "tools/canvas_size_dialog.h"
#include "tools/image_size_dialog.h"

namespace qm {

void TfFrame::ImageSize() {
    refWidth = document().working().width();
    refHeight = document().working().height();
    TfImageSize dialog(refWidth, refHeight, this);
    if (prompts().exec(dialog) != QDialog::Accepted) return;
    WaitCursor wait;
    document().saveUndoStep();
    document().setWorking(resample(document().working(), dialog.newWidth(), dialog.newHeight(), dialog.filter()));
    repaintView();
    RefreshStatus();
    UpdateControls();
}

void TfFrame::CanvasSize1Click() {
    refWidth2 = document().working().width();
    refHeight2 = document().working().height();
    TfCanvasSize dialog(document().working(), this);
    if (prompts().exec(dialog) != QDialog::Accepted) return;
    WaitCursor wait;
    document().saveUndoStep();
    document().setWorking(dialog.result());
    repaintView();
    RefreshStatus();
    UpdateControls();
}

}  // namespace qm
