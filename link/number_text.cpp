// SPDX-License-Identifier: Apache-2.0
#include "link/number_text.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace lb {

QString NotAnIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString NotAFloatMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

bool PanelTextToInt(const QString& text, int32_t& value) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!pattern.match(text).hasMatch()) return false;
    bool ok = false;
    const qlonglong wide = text.trimmed().toLongLong(&ok);
    if (!ok || wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max())
        return false;
    value = int32_t(wide);
    return true;
}

bool PanelTextToDouble(const QString& text, double& value) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?\\s*$"));
    if (!pattern.match(text).hasMatch()) return false;
    bool ok = false;
    const double parsed = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}   // namespace lb
