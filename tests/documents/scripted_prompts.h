#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

#include "app/prompts.h"

namespace qm {

// Answers the window's dialogs from the test: `onExec` plays the user in a
// dialog and returns its result; messages are recorded instead of shown.
class ScriptedPrompts : public Prompts {
public:
    std::function<int(QDialog&)> onExec = [](QDialog&) { return int(QDialog::Rejected); };
    std::function<std::optional<QString>()> onSaveFile = [] { return std::nullopt; };
    QStringList messages;  // "title: text" of every warning and error

    int exec(QDialog& dialog) override { return onExec(dialog); }
    void warning(QWidget*, const QString& title, const QString& text) override { messages << title + ": " + text; }
    void error(QWidget*, const QString& text) override { messages << "Quillmount: " + text; }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&, codecs::SaveOptions&) override {
        return onSaveFile();
    }
};

}  // namespace qm
