#include "model/NumberText.h"

#include "model/Errors.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace NumberText {

namespace {

QString conversionMessage(const QString& text, const char* kind) {
    return QStringLiteral("'%1' is not a valid %2 value").arg(text, QLatin1String(kind));
}

} // namespace

double toFloat(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch()) throw EConvertError(conversionMessage(text, "floating point"));
    QByteArray c = text.trimmed().toLatin1();
    c.replace(',', '.');
    const double value = std::strtod(c.constData(), nullptr);
    if (!std::isfinite(value)) throw EConvertError(conversionMessage(text, "floating point"));
    return value;
}

int toInt(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?\\d+$"));
    bool ok = pattern.match(text).hasMatch();
    const int value = ok ? text.trimmed().toInt(&ok) : 0;
    if (!ok) throw EConvertError(conversionMessage(text, "integer"));
    return value;
}

QString fromFloat(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) return QStringLiteral("0");

    // 15 significant digits: d.dddddddddddddde±x
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const QString formatted = QString::fromLatin1(buffer);
    const qsizetype ePos = formatted.indexOf(QLatin1Char('e'));
    const bool negative = formatted.startsWith(QLatin1Char('-'));
    QString digits = formatted.left(ePos).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    const int exponent = formatted.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString result;
    if (exponent >= 15 || exponent < -5) {
        result = digits.left(1);
        if (digits.size() > 1) result += QLatin1Char(',') + digits.mid(1);
        result += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        result = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        result = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        result = digits.left(exponent + 1) + QLatin1Char(',') + digits.mid(exponent + 1);
    }
    return negative ? QLatin1Char('-') + result : result;
}

QString fromInt(long long value) {
    return QString::number(value);
}

double round2(double value) {
    // nearbyint follows the current rounding mode, which is round-half-even by default.
    return std::nearbyint(value / 0.01) * 0.01;
}

int roundPixel(double value) {
    // A position from a zero or absurd size lands far outside any picture and is clipped there.
    constexpr double far = 1e6;
    if (std::isnan(value)) return static_cast<int>(far);
    return static_cast<int>(std::nearbyint(std::clamp(value, -far, far)));
}

std::optional<int> countIn(const QString& text, int lowest, int highest) {
    try {
        const int value = toInt(text);
        if (value >= lowest && value <= highest) return value;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

int toCount(const QString& text, int lowest, int highest) {
    const std::optional<int> value = countIn(text, lowest, highest);
    if (!value) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

} // namespace NumberText
