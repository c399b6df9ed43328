#include "lap_time.h"

#include "translate.h"

#include <cstdlib>

namespace {

constexpr qint64 kMsPerDay = 86400000;

QString Two(qint64 value) {
    return QString::number(value).rightJustified(2, u'0');
}

// The time-of-day form used from one hour up: the hours wrap at 24 and the milliseconds are dropped.
QString HoursText(qint64 ms) {
    const qint64 ofDay = ms % kMsPerDay;
    return Two(ofDay / 3600000) + u':' + Two(ofDay / 60000 % 60) + u':' + Two(ofDay / 1000 % 60);
}

// Minutes and seconds are parsed as unsigned decimal digits; leading zeros and an empty part count 0.
std::optional<qint64> WholePart(const QString& part) {
    qint64 value = 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max()) return std::nullopt;
    }
    return value;
}

} // namespace

QString LapTimeText(qint32 ms) {
    if (ms == 0) return QString();
    const qint64 magnitude = std::llabs(qint64(ms));
    const QString sign = ms < 0 ? QStringLiteral("-") : QString();
    if (magnitude >= 3600000) return sign + HoursText(magnitude);
    const QString fraction = QString::number(magnitude % 1000).rightJustified(3, u'0');
    if (magnitude >= 60000)
        return sign + QString::number(magnitude / 60000) + u':' + Two(magnitude / 1000 % 60) + u'.' +
               fraction;
    return sign + QString::number(magnitude / 1000) + u'.' + fraction;
}

QString ElapsedTimeText(qint32 ms) {
    if (ms == 0) return QString();
    const qint64 magnitude = std::llabs(qint64(ms));
    QString text;
    if (magnitude >= 3600000)
        text = HoursText(magnitude);
    else if (magnitude >= 60000)
        text = QString::number(magnitude / 60000) + u':' + Two(magnitude / 1000 % 60);
    else if (magnitude >= 1000)
        text = QString::number(magnitude / 1000);
    if (text.isEmpty()) return text; // below one second the seconds text would be "0", which is not shown
    return ms < 0 ? u'-' + text : text;
}

Expected<std::optional<qint32>, QString> ParseLapTime(const QString& typed) {
    if (typed.isEmpty()) return std::optional<qint32>();
    QString text = typed;
    text.replace(u':', u'.');
    const qsizetype delimiters = text.count(u'.') + text.count(u',');
    if (delimiters != 1 && delimiters != 2)
        return Unexpected(
            Fill(Translate("Bad format of time!\nYou must have 1 or 2 delimiters. (%s)"), text));

    QString normalized = text;
    normalized.replace(u',', u'.');
    const QStringList parts = normalized.split(u'.');
    const QString badWhole = Fill(Translate("Bad format of time! (%s)"), text);

    qint64 total = 0;
    const qsizetype wholeParts = parts.size() - 1; // minutes and seconds, or seconds
    for (qsizetype i = 0; i < wholeParts; ++i) {
        const auto value = WholePart(parts.at(i));
        if (!value) return Unexpected(badWhole);
        const qint64 unit = (wholeParts == 2 && i == 0) ? 60000 : 1000;
        total += *value * unit;
    }

    const QString& fraction = parts.last();
    qsizetype zeros = 0;
    while (zeros < fraction.size() && fraction.at(zeros) == u'0')
        ++zeros;
    const QString rest = fraction.mid(zeros);
    if (!rest.isEmpty()) {
        const auto value = WholePart(rest);
        if (!value) return Unexpected(Fill(Translate("Bad format of time! (%s)"), fraction));
        const qsizetype places = zeros + rest.size();
        if (places == 1)
            total += *value * 100;
        else if (places == 2)
            total += *value * 10;
        else if (places == 3)
            total += *value;
    }
    if (total > std::numeric_limits<qint32>::max()) return Unexpected(badWhole);
    return std::optional<qint32>(qint32(total));
}
