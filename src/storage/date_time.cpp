#include "date_time.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;

// Whole days and milliseconds of the day, the time rounded to the millisecond. Before the epoch the
// fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00).
struct DayParts {
    qint64 days = 0;
    qint64 ms = 0;
};

DayParts Split(double dayNumber) {
    if (!std::isfinite(dayNumber)) return {};
    double whole = std::trunc(dayNumber);
    qint64 ms = qint64(std::llround(std::fabs(dayNumber - whole) * kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        whole += dayNumber < 0 ? -1 : 1;
    }
    return {qint64(whole), ms};
}

} // namespace

double DayNumberFromDateTime(const QDateTime& dateTime) {
    const qint64 days = kEpoch.daysTo(dateTime.date());
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime DateTimeFromDayNumber(double dayNumber) {
    const DayParts parts = Split(dayNumber);
    return QDateTime(kEpoch.addDays(parts.days), QTime::fromMSecsSinceStartOfDay(int(parts.ms)));
}

QString DateText(double dayNumber) {
    return kEpoch.addDays(Split(dayNumber).days).toString(QStringLiteral("yyyy-MM-dd"));
}

QString TimeText(double dayNumber) {
    return QTime::fromMSecsSinceStartOfDay(int(Split(dayNumber).ms)).toString(QStringLiteral("hh.mm"));
}

QString DateTimeText(double dayNumber) {
    const DayParts parts = Split(dayNumber);
    // The time is left out when hours, minutes and seconds are all zero.
    if (parts.ms < 1000) return DateText(dayNumber);
    return DateText(dayNumber) + u' ' + TimeText(dayNumber);
}

bool IsDateText(const QString& text) {
    return ParseDateText(text).has_value();
}

std::optional<double> ParseDateText(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid()) return std::nullopt;
    return double(kEpoch.daysTo(date));
}
