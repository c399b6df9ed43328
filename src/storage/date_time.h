#pragma once
// Date-times as day numbers: days since 1899-12-30 00:00, the fraction being the local time of day.
// Fixed text forms: date "yyyy-mm-dd", time "hh.mm".
#include <QDateTime>
#include <QString>
#include <optional>

double DayNumberFromDateTime(const QDateTime& dateTime);
QDateTime DateTimeFromDayNumber(double dayNumber);
QString DateText(double dayNumber);                       // "yyyy-mm-dd"
QString TimeText(double dayNumber);                       // "hh.mm"
QString DateTimeText(double dayNumber);                   // "yyyy-mm-dd hh.mm", or the date alone at midnight
bool IsDateText(const QString& text);                     // a valid date written "yyyy-mm-dd"
std::optional<double> ParseDateText(const QString& text); // "yyyy-mm-dd" -> day number of that midnight
