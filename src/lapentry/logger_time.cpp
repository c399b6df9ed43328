#include "logger_time.h"

#include "storage/number_format.h"

#include <limits>

namespace {

std::optional<qint64> IntegerPart(const QString& text) {
    if (!IsIntegerText(text)) return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

} // namespace

std::optional<qint32> ParseLoggerTime(const QString& text) {
    qint64 r = 0;
    bool consumed = false;
    QString rest = text;

    if (const qsizetype colon = rest.indexOf(u':'); colon >= 0) {
        if (const auto minutes = IntegerPart(rest.left(colon))) {
            if (*minutes > std::numeric_limits<qint32>::max() ||
                *minutes < std::numeric_limits<qint32>::min())
                return std::nullopt;
            r = *minutes * 60000;
            rest = rest.mid(colon + 1);
            consumed = true;
        }
    }
    qsizetype point = rest.indexOf(u'.');
    if (point < 0) point = rest.indexOf(u',');
    if (point >= 0) {
        if (const auto seconds = IntegerPart(rest.left(point))) {
            if (*seconds > std::numeric_limits<qint32>::max() ||
                *seconds < std::numeric_limits<qint32>::min())
                return std::nullopt;
            r += *seconds * 1000;
            rest = rest.mid(point + 1);
            consumed = true;
        }
    }
    qsizetype end = rest.indexOf(u'\t');
    if (end < 0) end = rest.indexOf(u'\r');
    if (end >= 0) {
        QString part = rest.left(end);
        if (const auto value = IntegerPart(part)) {
            if (!consumed) {
                if (*value > std::numeric_limits<qint32>::max() ||
                    *value < std::numeric_limits<qint32>::min())
                    return std::nullopt;
                r = *value * 1000;
            } else {
                // Four or more decimals: the first three are the milliseconds (taken literally, the
                // extra digits would multiply the fraction by ten for each of them).
                if (part.size() > 3 && !part.startsWith(u'-') && !part.startsWith(u'+')) part = part.left(3);
                const qint64 v = IntegerPart(part).value_or(0);
                if (part.size() == 3)
                    r += RoundHalfEven(double(v) / 10.0) * 10;
                else if (part.size() == 1)
                    r += v * 100;
                else
                    r += v * 10;
            }
        }
    }
    if (r > std::numeric_limits<qint32>::max() || r < std::numeric_limits<qint32>::min()) return std::nullopt;
    return qint32(r);
}

QString EntryTimeText(qint64 ms) {
    if (ms == 0) return QString();
    const QString sign = ms < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = ms < 0 ? -ms : ms;
    const QString fraction = QString::number(magnitude % 1000).rightJustified(3, u'0');
    if (magnitude >= 60000)
        return sign + QString::number(magnitude / 60000) + u':' +
               QString::number(magnitude / 1000 % 60).rightJustified(2, u'0') + u'.' + fraction;
    return sign + QString::number(magnitude / 1000) + u'.' + fraction;
}
