#pragma once

#include <QString>

#include <optional>

// The one place that turns number texts into numbers and back. Texts use the comma as decimal
// separator; numbers are written in the general format with at most 15 significant digits.
namespace NumberText {

// Reads a decimal text ("79,5", "-1,5E3"); throws EConvertError "'%s' is not a valid floating point value".
double toFloat(const QString& text);

// Reads a whole-number text ("01", "-3"); throws EConvertError "'%s' is not a valid integer value".
int toInt(const QString& text);

// Reads a count that must lie from lowest to highest (a door count 2 to 6, a division 1 to 6);
// throws EConvertError "'%s' is not a valid integer value" for any other text.
int toCount(const QString& text, int lowest, int highest);

// The same reading where any other text means "no count" (a choice that offers only valid counts).
std::optional<int> countIn(const QString& text, int lowest, int highest);

// Writes a number: 79,5; 80; 0,35; 1E20; 1E-5 becomes 0,00001 but 1E-6 stays in exponent form.
QString fromFloat(double value);

QString fromInt(long long value);

// Divides by 0,01, rounds to the nearest whole number with an exact half going to the even
// neighbour, multiplies by 0,01.
double round2(double value);

// Nearest whole number, an exact half going to the even neighbour (pixel positions).
int roundPixel(double value);

// round2 written as text: the form every computed size takes.
inline QString round2Text(double value) {
    return fromFloat(round2(value));
}

} // namespace NumberText
