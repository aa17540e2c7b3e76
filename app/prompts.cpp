#include "app/prompts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/main_window.h"
#include "documents/save_dialog.h"

namespace qm {

std::optional<QString> Prompts::openFile(QWidget* parent, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, "Open", lastFolder_, filter);
    if (path.isEmpty()) return std::nullopt;
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

std::optional<QString> Prompts::saveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                         codecs::SaveOptions& options) {
    // Options changed with the advanced button count only if the user saves.
    const codecs::SaveOptions before = options;
    SaveDialog dialog(parent, proposed, filter.split(";;"), options);
    if (!lastFolder_.isEmpty() && QFileInfo(proposed).isRelative()) dialog.setDirectory(lastFolder_);
    dialog.selectFile(proposed);
    if (auto* window = qobject_cast<TfFrame*>(parent)) dialog.setPreview(window->document().working());
    if (dialog.exec() != QDialog::Accepted) {
        options = before;
        return std::nullopt;
    }
    lastFolder_ = QFileInfo(dialog.chosenPath()).absolutePath();
    return dialog.chosenPath();
}

bool Prompts::confirm(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void Prompts::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, "Quillmount", text);
}

void Prompts::warning(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::warning(parent, title, text);
}

int Prompts::exec(QDialog& dialog) { return dialog.exec(); }

void Prompts::openAddress(QWidget*, const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace qm
