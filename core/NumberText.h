#pragma once
// Every number the user reads or types goes through here, with the decimal
// separator of the user's locale as a parameter.

#include <QChar>
#include <QString>

#include <optional>

namespace NumberText {

// Blanks, optional sign, digits with at most one separator, optional exponent,
// blanks. Anything else (the empty text included) throws ConversionError.
double parse(const QString& text, QChar separator);
// The same, or nothing for a text that is not a number.
std::optional<double> tryParse(const QString& text, QChar separator);

// Shortest text, at most 15 significant digits, no trailing zeros;
// scientific ("1,5E-5", "1E15") below 0.0001 and from 1e15 on.
QString general(double value, QChar separator);

// Rounded to `significant` digits but no more than `decimals` decimals (an
// exact half away from zero), written with exactly `decimals` decimals; when
// the rounded value has more than `significant` integer digits, the general
// form with that many significant digits in scientific notation instead.
QString fixed(double value, int significant, int decimals, QChar separator);

// The result format of the resistance check and the layer calculation.
inline QString result(double value, QChar separator) {
    return fixed(value, 4, 3, separator);
}

// The nearest whole number, an exact half away from zero.
QString whole(double value, QChar separator);

} // namespace NumberText
