#include "tools/edit_value.h"

#include <QLocale>
#include <cmath>

namespace qm {

int editInteger(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

std::optional<double> editDecimal(const QString& text) {
    const QString trimmed = text.trimmed();
    for (QLocale locale : {QLocale(), QLocale::c()}) {
        // "3,5" is no 35: thousands separators are not part of a radius.
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(trimmed, &ok);
        if (ok && std::isfinite(value)) return value;
    }
    return std::nullopt;
}

QString notADecimalMessage(const QString& text) {
    return QString("'%1' is not a valid floating point value").arg(text);
}

}  // namespace qm
