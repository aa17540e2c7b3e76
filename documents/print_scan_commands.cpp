// Print Setup, Print, Select Source and Acquire.
#include "app/main_window.h"
#include "core/draw.h"
#include "documents/picture_qimage.h"
#include "documents/print_dialog.h"
#include "documents/print_setup.h"

namespace qm {

void TfFrame::SelectSource1Click() {}
void TfFrame::Acquire1Click() {}

void TfFrame::PrintSetup1Click() { showPrintSetup(this, prompts(), currentPrinter()); }

void TfFrame::Print1Click() {
    const Image& working = document().working();
    Image picture = document().selection() ? copyRect(working, document().selection()->rect()) : working;
    picture.dropAlpha();
    PrintPictureDialog dialog(toQImage(picture), currentPrinter(), prompts(), this);
    prompts().exec(dialog);
}

}  // namespace qm
