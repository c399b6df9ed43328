#include "number_format.h"

#include "translate.h"

#include <QVarLengthArray>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

std::atomic<char16_t> g_decimalSeparator{u'.'};

// strtod under the "C" locale whatever the process's LC_NUMERIC is: the application takes the locale from
// the environment, under which a German or French one would read "1.5" as 1.
locale_t CNumericLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

// Strict decimal grammar with separator as the decimal point (a text holding the other one of "." and ","
// is refused when the separator is ","): optional sign, digits with at most one point (at least one digit),
// optional exponent. Blanks around the number are allowed. No allocation: lists parse a number per row.
std::optional<double> ParseWithSeparator(QStringView text, QChar separator) {
    text = text.trimmed();
    QVarLengthArray<char, 64> bytes;
    for (const QChar c : text) {
        char16_t unit = c.unicode();
        if (separator != u'.' && unit == u'.') return std::nullopt;
        if (unit == separator.unicode()) unit = u'.';
        if (unit > 0x7f) return std::nullopt;
        bytes.append(char(unit));
    }
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    if (p < end && (*p == '+' || *p == '-')) ++p;
    int digits = 0;
    while (p < end && *p >= '0' && *p <= '9')
        ++p, ++digits;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) ++p;
        int exponentDigits = 0;
        while (p < end && *p >= '0' && *p <= '9')
            ++p, ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (p != end) return std::nullopt;
    bytes.append('\0');
    const double value = strtod_l(bytes.constData(), nullptr, CNumericLocale());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// Digits and decimal exponent of the shortest text that reads back as value: value = 0.d1d2d3... x 10^point.
struct DecimalDigits {
    std::string digits; // no leading zeros; empty for zero
    int point = 0;
};

DecimalDigits ShortestDigits(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    DecimalDigits out;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') out.digits += text[i];
    out.point = std::stoi(text.substr(e + 1)) + 1;
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    if (out.digits.empty()) out.point = 0;
    return out;
}

QString WithSeparator(QString text) {
    const QChar separator = DecimalSeparator();
    if (separator != u'.') text.replace(u'.', separator);
    return text;
}

QString NonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QChar DecimalSeparator() {
    return QChar(g_decimalSeparator.load());
}

void SetDecimalSeparator(QChar separator) {
    g_decimalSeparator.store(separator.unicode());
}

std::optional<double> ParseDecimal(const QString& text) {
    const QChar current = DecimalSeparator();
    if (auto value = ParseWithSeparator(text, current)) return value;
    return ParseWithSeparator(text, current == u'.' ? QChar(u',') : QChar(u'.'));
}

bool IsDecimalText(const QString& text) {
    return !text.isEmpty() && ParseDecimal(text).has_value();
}

std::optional<int> ParseInteger(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (text.at(0) == u'+' || text.at(0) == u'-') {
        negative = text.at(0) == u'-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(1) << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

bool IsIntegerText(const QString& text) {
    return ParseInteger(text).has_value();
}

std::optional<QString> CheckDecimalText(const QString& text) {
    if (text.isEmpty() || IsDecimalText(text)) return std::nullopt;
    return Translate("Bad format, it must be a floating point value!");
}

std::optional<QString> CheckIntegerText(const QString& text) {
    if (text.isEmpty() || IsIntegerText(text)) return std::nullopt;
    return Translate("Bad format, it must be an integer!");
}

qint64 RoundHalfEven(double value) {
    // The default floating point rounding mode rounds to nearest, halves to even.
    return qint64(std::nearbyint(value));
}

QString FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (decimals < 0) decimals = 0;
    // Rounds the shortest decimal text of the value, so a value written 2.675 is a tie on paper and goes up.
    DecimalDigits d = ShortestDigits(value);
    std::string digits = d.digits;
    int point = d.point;
    const int keep = point + decimals; // digits that stay
    if (keep < 0 || digits.empty()) {
        digits.clear();
        point = 0;
    } else if (keep < int(digits.size())) {
        const bool up = digits[size_t(keep)] >= '5';
        digits.resize(size_t(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[size_t(i)] == '9')
                digits[size_t(i--)] = '0';
            if (i >= 0) {
                ++digits[size_t(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    }
    // Integer and fraction parts from the digit string and the point position.
    std::string integerPart;
    std::string fraction;
    for (int i = 0; i < point; ++i)
        integerPart += i < int(digits.size()) ? digits[size_t(i)] : '0';
    if (integerPart.empty()) integerPart.push_back('0');
    for (int i = 0; i < decimals; ++i) {
        const int at = point + i;
        fraction += (at >= 0 && at < int(digits.size())) ? digits[size_t(at)] : '0';
    }
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integerPart;
    if (decimals > 0) text += "." + fraction;
    return WithSeparator(QString::fromLatin1(text));
}

QString FormatPattern(double value, const QString& pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    return FormatFixed(value, point < 0 ? 0 : int(pattern.size() - point - 1));
}

QString FormatGeneral(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const std::string text(buffer);
    const auto e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1);
        }
        out.push_back('E');
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out.append("0.");
        out.append(size_t(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t integerDigits = size_t(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    }
    return WithSeparator(QString::fromLatin1(out));
}
