#include "app/prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace qm {

std::optional<QString> Prompts::openFile(QWidget* parent, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> Prompts::saveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                         codecs::SaveOptions&) {
    const QString path = QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
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

}  // namespace qm
