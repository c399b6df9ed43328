#pragma once
// Number parsing and formatting. Two rounding rules, one place each: whole figures round halves to even
// (RoundHalfEven); pattern formats ("0.0", "0.000") round halves away from zero (FormatPattern).
#include <QString>
#include <optional>

// The user's decimal separator ("." unless set otherwise, e.g. by the settings or a test).
QChar DecimalSeparator();
void SetDecimalSeparator(QChar separator);

// Parses with the user's separator, then with the other of "." and ","; std::nullopt when both fail.
std::optional<double> ParseDecimal(const QString& text);
bool IsDecimalText(const QString& text); // not empty and ParseDecimal succeeds
bool IsIntegerText(const QString& text); // whole decimal integer with optional sign; empty is false
std::optional<int> ParseInteger(const QString& text);

// Field checks: std::nullopt when the text is acceptable (empty is acceptable), else the message
// ("Bad format, it must be a floating point value!" / "Bad format, it must be an integer!"), translated.
std::optional<QString> CheckDecimalText(const QString& text);
std::optional<QString> CheckIntegerText(const QString& text);

qint64 RoundHalfEven(double value);
// Pattern "0", "0.0", "0.00", "0.000", "0.0000" (digits after the point = decimals), halves away from
// zero, on the exact decimal value written (so 0.125 -> "0.13", 2.675 -> "2.68"), with the user's separator.
QString FormatPattern(double value, const QString& pattern);
QString FormatFixed(double value, int decimals);
// Shortest general form, up to 15 significant digits, with the user's separator ("1.5", "0.1", "100").
QString FormatGeneral(double value);
