// Apply: its common start and end, and the frame branch.
#include <QApplication>
#include <QTabWidget>
#include <filesystem>

#include "app/main_window.h"
#include "frame/frame_builder.h"
#include "frame/frame_page.h"
#include "frame/frame_pattern_file.h"
#include "mask/mask_page.h"

namespace qm {

namespace {

bool maskBranchCanRun(const MaskPage& page) {
    const auto file = page.selectedMaskFile();
    std::error_code ec;
    return file && std::filesystem::is_regular_file(*file, ec);
}

// Message boxes break lines at line feeds; the carriage return that follows
// in the message text would show as a stray mark.
QString boxText(const std::string& message) {
    QString text = QString::fromStdString(message);
    text.replace("\n\r", "\n");
    return text;
}

}  // namespace

void TfFrame::btnApplyClick() {
    // The undo step comes first, so even an Apply that stops early leaves one
    // that restores the same picture.
    document_.saveUndoStep();
    bool finished = true;
    if (PageControl1->currentWidget() == FrameSheet) {
        finished = runFrameBranch();
    } else if (PageControl1->currentWidget() == MaskSheet && maskBranchCanRun(*MaskSheet)) {
        finished = runMaskBranch();
    }
    if (!finished) return;
    RefreshStatus();
    UpdateControls();
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool TfFrame::runFrameBranch() {
    const auto choice = FrameSheet->patternChoice();
    if (!choice) return false;  // an empty style folder: nothing to frame with
    PatternLoad load = loadFramePattern(choice->path, choice->origin);
    if (!load.pattern) {
        if (!load.message.empty()) prompts().error(this, boxText(load.message));
        return false;
    }
    document_.setWorking(buildFrame(document_.working(), *load.pattern, FrameSheet->frameOptions()));
    repaintView();
    QCoreApplication::processEvents();
    return true;
}

}  // namespace qm
