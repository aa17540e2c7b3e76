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
    for (const QLocale& locale : {QLocale(), QLocale::c()}) {
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
