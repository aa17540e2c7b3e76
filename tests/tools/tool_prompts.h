#pragma once
#include <QDialog>
#include <QStringList>
#include <functional>

#include "app/prompts.h"

namespace qm::test {

// Plays the user in the tool dialogs: `fill` sets the dialog's controls and
// returns its result; error boxes are recorded instead of shown.
class ToolPrompts : public Prompts {
public:
    std::function<int(QDialog&)> fill = [](QDialog&) { return int(QDialog::Accepted); };
    QStringList errors;

    int exec(QDialog& dialog) override { return fill(dialog); }
    void error(QWidget*, const QString& text) override { errors << text; }
};

}  // namespace qm::test
