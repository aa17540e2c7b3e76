#pragma once
#include <QString>
#include <optional>

#include "codecs/save_options.h"

class QDialog;
class QWidget;

namespace qm {

// Every question the program asks the user goes through here, so that tests
// can answer them without running real modal loops.
class Prompts {
public:
    virtual ~Prompts() = default;
    // Filters are in the file dialog's form: "Description (*.a *.b);;...".
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& filter);
    // `proposed` is the name shown at first; `options` are the save options
    // the advanced button edits (left as they were when cancelled).
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& proposed, const QString& filter,
                                            codecs::SaveOptions& options);
    // Yes / No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text);
    // Error box with an OK button, titled with the application title.
    virtual void error(QWidget* parent, const QString& text);
    virtual void warning(QWidget* parent, const QString& title, const QString& text);
    // Runs a tool dialog modally; returns QDialog::Accepted or Rejected.
    virtual int exec(QDialog& dialog);
    // Hands a web or mail address to the desktop; its outcome is the desktop's.
    virtual void openAddress(QWidget* parent, const QString& address);

private:
    // The file dialogs start where the user last opened or saved a file.
    QString lastFolder_;
};

}  // namespace qm
