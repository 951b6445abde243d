#include "model/NumberText.h"

#include "model/Errors.h"

#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace NumberText {

namespace {

QString conversionMessage(const QString& text, const char* kind) {
    return QStringLiteral("'%1' is not a valid %2 value").arg(text, QLatin1String(kind));
}

// Whether a plain decimal text that std::from_chars found out of range is too large (rather than
// too small): the power of ten of its first significant digit is above zero.
bool tooLarge(std::string_view text) {
    const size_t e = text.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        size_t i = e + 1;
        const bool negative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
        if (negative) exponent = -exponent;
    }
    const std::string_view mantissa = text.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const long magnitude = first < point ? long(point - first) - 1 : -long(first - point);
    return exponent + magnitude > 0;
}

// Reads a plain decimal text with '.' as separator, whatever the C library's locale says.
// Returns false for a value beyond the double range; one too small to hold reads as zero.
bool parseDecimal(std::string text, double& value) {
    if (!text.empty() && text.front() == '+') text.erase(0, 1);
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = std::string_view(text).substr(negative ? 1 : 0);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (tooLarge(digits)) return false;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return false;
    }
    if (negative) value = -value;
    return std::isfinite(value);
}

} // namespace

double toFloat(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!pattern.match(text).hasMatch()) throw EConvertError(conversionMessage(text, "floating point"));
    QByteArray c = text.trimmed().toLatin1();
    c.replace(',', '.');
    double value = 0;
    if (!parseDecimal(c.toStdString(), value)) throw EConvertError(conversionMessage(text, "floating point"));
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

    // 15 significant digits: d.dddddddddddddde±x, correctly rounded and free of any locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const QString formatted = QString::fromLatin1(buffer, written.ptr - buffer);
    const qsizetype ePos = formatted.indexOf(QLatin1Char('e'));
    const bool negative = formatted.startsWith(QLatin1Char('-'));
    QString digits = formatted.left(ePos).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    int exponent = formatted.mid(ePos + 1).toInt();
    if (exponent >= 308) {
        // Rounded up at the top of the range the text would read back as infinity: cut toward zero.
        double back = 0;
        const std::string text =
            digits.left(1).toStdString() + '.' + digits.mid(1).toStdString() + 'e' + std::to_string(exponent);
        if (!parseDecimal(text, back)) {
            digits = QString::number(digits.toLongLong() - 1);
            if (digits.size() < 15) {
                digits += QLatin1Char('9');
                --exponent;
            }
        }
    }
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
