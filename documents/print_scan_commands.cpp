// Print Setup, Print, Select Source and Acquire.
#include <new>

#include "app/main_window.h"
#include "core/draw.h"
#include "core/error.h"
#include "documents/picture_qimage.h"
#include "documents/print_dialog.h"
#include "documents/print_setup.h"
#include "documents/scan_dialog.h"
#include "documents/scanner.h"

namespace qm {

namespace {

// The scanner Select Source chose, for the rest of the run; empty until then.
std::string selectedScanSource;

}  // namespace

void TfFrame::SelectSource1Click() {
    try {
        scanner::Session session;
        SelectSourceDialog dialog(session.devices(), selectedScanSource, this);
        if (prompts().exec(dialog) != QDialog::Accepted) return;
        if (const auto device = dialog.selectedDevice()) selectedScanSource = *device;
    } catch (const Error& error) {
        prompts().error(this, error.what());
    }
}

void TfFrame::Acquire1Click() {
    try {
        scanner::Session session;
        std::string device = selectedScanSource;
        if (device.empty()) {
            const auto devices = session.devices();
            if (!devices.empty()) device = devices.front().name;
        }
        if (!device.empty()) {
            ScanProgressDialog progress(QString::fromStdString(device), this);
            if (auto picture = progress.scan(session, device))
                newPictureSequence(std::move(*picture), Document::kUntitled);
        }
    } catch (const Error& error) {
        prompts().error(this, error.what());
    } catch (const std::bad_alloc&) {
        prompts().error(this, "Not enough memory for the scanned picture");
    }
    UpdateControls();
}

void TfFrame::PrintSetup1Click() { showPrintSetup(this, prompts(), currentPrinter()); }

void TfFrame::Print1Click() {
    const Image& working = document().working();
    Image picture = document().selection() ? copyRect(working, document().selection()->rect()) : working;
    picture.dropAlpha();
    PrintPictureDialog dialog(toQImage(picture), currentPrinter(), prompts(), this);
    prompts().exec(dialog);
}

}  // namespace qm
