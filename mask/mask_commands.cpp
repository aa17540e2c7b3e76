// The mask branch of Apply.
#include <QCoreApplication>

#include "app/main_window.h"
#include "mask/mask_builder.h"
#include "mask/mask_page.h"

namespace qm {

namespace {

// Message boxes break lines at line feeds; the carriage return that follows
// in the message text would show as a stray mark.
QString boxText(const std::string& message) {
    QString text = QString::fromStdString(message);
    text.replace("\n\r", "\n");
    return text;
}

}  // namespace

bool TfFrame::runMaskBranch() {
    const auto maskFile = MaskSheet->selectedMaskFile();
    if (!maskFile) return true;
    MaskResult result = buildMask(document_.working(), *maskFile, MaskSheet->maskOptions());
    for (const std::string& message : result.messages) prompts().error(this, boxText(message));
    if (result.picture) {
        document_.setWorking(std::move(*result.picture));
        repaintView();
        QCoreApplication::processEvents();
    }
    // Even a build that did nothing ends like every Apply, so Undo is offered.
    return true;
}

}  // namespace qm
