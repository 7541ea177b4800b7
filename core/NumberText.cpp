#include "core/NumberText.h"

#include "core/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// A decimal value as digits d0 d1 d2 ... meaning d0.d1d2... x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

void trimTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The shortest decimal text that reads back as the same double.
Decimal shortestDecimal(double value) {
    if (!std::isfinite(value))
        throw Overflow();
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0)
        return d;
    char buffer[64];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                             std::chars_format::scientific)
                   .ptr;
    std::string text(buffer, end);
    auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    trimTrailingZeros(d);
    return d;
}

// Rounds to the decimal place 10^place, an exact half away from zero.
void roundAtPlace(Decimal& d, int place) {
    if (d.isZero())
        return;
    const int keep = d.exponent - place + 1;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
            if (keep == 0)
                d.exponent = place;
        }
    }
    trimTrailingZeros(d);
}

QString sign(const Decimal& d) {
    return d.negative && !d.isZero() ? QStringLiteral("-") : QString();
}

QString digitAtPlace(const Decimal& d, int place) {
    const int index = d.exponent - place;
    if (index < 0 || index >= static_cast<int>(d.digits.size()))
        return QStringLiteral("0");
    return QString(QChar(d.digits[index]));
}

// Positional text with the given number of decimals (-1: as many as needed).
QString positional(const Decimal& d, int decimals, QChar separator) {
    QString text = sign(d);
    const int highest = std::max(d.exponent, 0);
    for (int place = highest; place >= 0; --place)
        text += d.isZero() ? QStringLiteral("0") : digitAtPlace(d, place);
    if (decimals < 0)
        decimals = d.isZero() ? 0 : std::max(0, static_cast<int>(d.digits.size()) - d.exponent - 1);
    if (decimals > 0) {
        text += separator;
        for (int place = -1; place >= -decimals; --place)
            text += d.isZero() ? QStringLiteral("0") : digitAtPlace(d, place);
    }
    return text;
}

QString scientific(const Decimal& d, QChar separator) {
    QString text = sign(d) + QChar(d.digits[0]);
    if (d.digits.size() > 1)
        text += separator + QString::fromStdString(d.digits.substr(1));
    return text + QLatin1Char('E') + QString::number(d.exponent);
}

QString generalWithDigits(Decimal d, int significant, QChar separator) {
    if (d.isZero())
        return QStringLiteral("0");
    roundAtPlace(d, d.exponent - significant + 1);
    if (d.exponent < -4 || d.exponent >= 15)
        return scientific(d, separator);
    return positional(d, -1, separator);
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Rough decimal magnitude of a valid number text, to tell overflow from underflow.
int magnitude(const std::string& ascii) {
    int exponent = 0;
    auto e = ascii.find_first_of("eE");
    if (e != std::string::npos) {
        auto digits = ascii.substr(e + 1);
        exponent = digits.size() > 6 ? (digits[0] == '-' ? -1000000 : 1000000) : std::stoi(digits);
    }
    const std::string mantissa = ascii.substr(0, e);
    const auto point = mantissa.find('.');
    const auto firstNonZero = mantissa.find_first_of("123456789");
    if (firstNonZero == std::string::npos)
        return -1000000;
    const auto integerEnd = point == std::string::npos ? mantissa.size() : point;
    if (firstNonZero < integerEnd)
        return exponent + static_cast<int>(integerEnd - firstNonZero);
    return exponent - static_cast<int>(firstNonZero - integerEnd - 1);
}

} // namespace

namespace NumberText {

std::optional<double> tryParse(const QString& text, QChar separator) {
    try {
        return parse(text, separator);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

double parse(const QString& text, QChar separator) {
    const QString trimmed = text.trimmed();
    std::string ascii;
    int i = 0;
    const int n = trimmed.size();
    auto digitsFrom = [&](int& at) {
        int count = 0;
        while (at < n && isDigit(trimmed[at])) {
            ascii += trimmed[at++].toLatin1();
            ++count;
        }
        return count;
    };
    if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-')))
        ascii += trimmed[i++].toLatin1();
    int mantissaDigits = digitsFrom(i);
    if (i < n && trimmed[i] == separator) {
        ascii += '.';
        ++i;
        mantissaDigits += digitsFrom(i);
    }
    if (mantissaDigits == 0)
        throw ConversionError(text);
    if (i < n && (trimmed[i] == QLatin1Char('e') || trimmed[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-')))
            ascii += trimmed[i++].toLatin1();
        if (digitsFrom(i) == 0)
            throw ConversionError(text);
    }
    if (i != n)
        throw ConversionError(text);

    const char* begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double value = 0.0;
    auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude(ascii) > 0)
            throw ConversionError(text);
        return ascii[0] == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        throw ConversionError(text);
    return value;
}

QString general(double value, QChar separator) {
    return generalWithDigits(shortestDecimal(value), 15, separator);
}

QString fixed(double value, int significant, int decimals, QChar separator) {
    Decimal d = shortestDecimal(value);
    if (d.isZero())
        return positional(d, decimals, separator);
    roundAtPlace(d, std::max(d.exponent - significant + 1, -decimals));
    if (!d.isZero() && d.exponent + 1 > significant)
        return scientific(d, separator);
    return positional(d, decimals, separator);
}

QString whole(double value, QChar separator) {
    Decimal d = shortestDecimal(value);
    if (!d.isZero() && d.exponent >= 15)
        return generalWithDigits(d, 15, separator);
    roundAtPlace(d, 0);
    return positional(d, 0, separator);
}

} // namespace NumberText
