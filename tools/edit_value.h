#pragma once
#include <QString>
#include <optional>

namespace qm {

// An edit's text as a whole number, or `fallback` when it is none.
int editInteger(const QString& text, int fallback);

// An edit's text as a decimal number in the user's locale (or with a point),
// nothing when it is not a finite number.
std::optional<double> editDecimal(const QString& text);

// The message an edit's text gets when it should have been a decimal number.
QString notADecimalMessage(const QString& text);

}  // namespace qm
