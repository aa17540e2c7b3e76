#pragma once
#include <QDialog>
#include <QStringList>
#include <deque>
#include <optional>

#include "app/prompts.h"

namespace qm::testing {

// Answers the window's questions from scripts and records what was asked,
// so tests drive dialogs without modal loops. The window owns the object;
// tests keep the raw pointer.
class ScriptedPrompts : public Prompts {
public:
    // Paths to answer with in turn; a null string, or none left, cancels.
    QStringList openAnswers, saveAnswers;
    std::deque<bool> confirmAnswers;
    QStringList proposedNames, confirmTitles, confirmTexts, errors, addresses, openFilters, saveFilters;
    QList<QDialog*> shownDialogs;

    std::optional<QString> openFile(QWidget*, const QString& filter) override {
        openFilters << filter;
        return next(openAnswers);
    }
    std::optional<QString> saveFile(QWidget*, const QString& proposed, const QString& filter,
                                    codecs::SaveOptions&) override {
        proposedNames << proposed;
        saveFilters << filter;
        return next(saveAnswers);
    }
    bool confirm(QWidget*, const QString& title, const QString& text) override {
        confirmTitles << title;
        confirmTexts << text;
        if (confirmAnswers.empty()) return false;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    void error(QWidget*, const QString& text) override { errors << text; }
    void warning(QWidget*, const QString&, const QString& text) override { errors << text; }
    int exec(QDialog& dialog) override {
        shownDialogs << &dialog;
        return QDialog::Rejected;
    }
    void openAddress(QWidget*, const QString& address) override { addresses << address; }

private:
    static std::optional<QString> next(QStringList& answers) {
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isNull()) return std::nullopt;
        return answer;
    }
};

}  // namespace qm::testing
