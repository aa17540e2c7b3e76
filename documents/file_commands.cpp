// Open, Save and Save as.
#include <QStringList>

#include "app/main_window.h"
#include "app/wait_cursor.h"
#include "codecs/registry.h"
#include "core/error.h"
#include "documents/file_filters.h"
#include "documents/safe_save.h"
#include "documents/save_name.h"

namespace qm {

namespace {

// "All graphics (*.tif *.tiff ...)": the description, then the patterns in
// the last brackets, where the file dialog looks for them.
QString dialogFilter(const std::vector<FileFilter>& filters) {
    QStringList entries;
    for (const FileFilter& filter : filters) {
        QString patterns = QString::fromUtf8(filter.patterns.data(), filter.patterns.size());
        entries << QString::fromUtf8(filter.description.data(), filter.description.size()) + " (" +
                       patterns.replace(';', ' ') + ")";
    }
    return entries.join(";;");
}

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdString()); }

}  // namespace

void TfFrame::Open1Click() {
    const std::optional<QString> chosen = prompts().openFile(this, dialogFilter(openFilters()));
    if (!chosen) return;
    // Read first: a file that cannot be read leaves the document, its name,
    // its undo step and the caption as they were; the error box says why.
    Image picture;
    try {
        const WaitCursor hourglass;
        picture = codecs::readImage(toPath(*chosen));
    } catch (const std::exception& error) {
        std::string reason = error.what();
        const std::string prefix = chosen->toStdString() + ": ";
        if (reason.starts_with(prefix)) reason.erase(0, prefix.size());
        throw Error("Could not open " + chosen->toStdString() + ": " + reason);
    }
    newPictureSequence(std::move(picture), chosen->toStdString());
}

void TfFrame::Save1Click() {
    const std::string& name = document_.currentFileName();
    std::error_code ignored;
    if (name == Document::kUntitled ||
        !std::filesystem::is_regular_file(toPath(QString::fromStdString(name)), ignored)) {
        Saveas1Click();
        return;
    }
    const WaitCursor hourglass;
    saveImageFile(document_.working(), toPath(QString::fromStdString(name)), saveOptions_, KeepBackup::IfNoneExists);
}

void TfFrame::Saveas1Click() {
    if (document_.currentFileName() != Document::kUntitled)
        document_.setCurrentFileName(reducedSaveName(document_.currentFileName()));
    const std::optional<QString> chosen = prompts().saveFile(
        this, QString::fromStdString(document_.currentFileName()), dialogFilter(saveFilters()), saveOptions_);
    if (!chosen) return;
    const std::filesystem::path path = toPath(*chosen);
    // Refuse a name no writer serves before asking about replacing anything.
    requireWriter(path);
    std::error_code ignored;
    if (std::filesystem::exists(path, ignored) &&
        !prompts().confirm(this, "Confirm", *chosen + " already exists.\nDo you want to replace it?"))
        return;
    {
        const WaitCursor hourglass;
        saveImageFile(document_.working(), path, saveOptions_, KeepBackup::No);
    }
    document_.setCurrentFileName(path.string());
    setDocumentCaption();
}

}  // namespace qm
