#include "logger_readers.h"

#include "logger_time.h"
#include "storage/comma_text.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"

#include <QHash>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

const QString kT200Header = QStringLiteral("LT200RX, M, S,hS");
constexpr int kT200RecordLength = 16;

QString FailedReading(const QString& fileName) {
    return Fill(Translate("Failed reading file %s!"), fileName);
}
QString TooFewSplits() {
    return Translate("Too few split times in file!");
}
QString NotAnInteger(const QString& text) {
    return Fill(Translate("'%s' is not a valid integer value"), text);
}

// The text before the first TAB (the whole line without one).
QString BeforeTab(const QString& line) {
    const qsizetype tab = line.indexOf(u'\t');
    return tab < 0 ? line : line.left(tab);
}

// A time in seconds written with a decimal point, as milliseconds.
std::optional<qint64> SecondsToMs(const QString& text) {
    bool ok = false;
    const double seconds = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 2.0e6) return std::nullopt;
    return qint64(std::llround(seconds * 1000.0));
}

// The laps between cumulative markers (seconds from the start of the log), the first from 0 and, when
// `end` is given, a last one from the last marker to it. Markers that do not increase give an error.
Expected<std::vector<qint64>, QString> MarkerLaps(const QStringList& markers, std::optional<qint64> end) {
    std::vector<qint64> laps;
    qint64 previous = 0;
    for (const QString& marker : markers) {
        const auto at = SecondsToMs(marker);
        if (!at || *at < previous) return Unexpected(Fill(Translate("Bad beacon marker: %s"), marker));
        laps.push_back(*at - previous);
        previous = *at;
    }
    if (end && *end > previous) laps.push_back(*end - previous);
    return laps;
}

QString WrongFormat(const QString& source) {
    return Fill(Translate("This file is not a %s file."), source);
}

QString CellOf(const QStringList& fields, int index) {
    return index < fields.size() ? fields.at(index).trimmed() : QString();
}

std::optional<QDate> ParseLoggerDate(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "dd/MM/yyyy", "d/M/yyyy", "dd.MM.yyyy", "dddd, MMMM d, yyyy",
                               "MMMM d, yyyy", "MM/dd/yyyy"}) {
        const QDate date = QLocale::c().toDate(t, QString::fromLatin1(format));
        if (date.isValid()) return date;
    }
    return std::nullopt;
}

std::optional<QTime> ParseLoggerClock(const QString& text) {
    const QString t = text.trimmed();
    for (const char* format : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm", "h:mm:ss AP", "h:mm AP", "h:mm:ss ap",
                               "h:mm ap", "HH:mm:ss.zzz"}) {
        const QTime time = QLocale::c().toTime(t, QString::fromLatin1(format));
        if (time.isValid()) return time;
    }
    return std::nullopt;
}

void SetStart(LapImport& result, const QString& dateText, const QString& timeText) {
    const auto date = ParseLoggerDate(dateText);
    if (!date) return;
    result.start = QDateTime(*date, ParseLoggerClock(timeText).value_or(QTime(0, 0)));
}

} // namespace

void LapImport::SetCell(int row, int column, const QString& text) {
    if (row < 1 || column < 1) return;
    if (int(rows.size()) < row) rows.resize(size_t(row));
    QStringList& cells = rows[size_t(row - 1)];
    while (cells.size() < column)
        cells.append(QString());
    cells[column - 1] = text;
}

QStringList FileLines(const QByteArray& bytes) {
    return SplitLines(DecodeFileText(bytes));
}

LapImport ReadAimSports(const QStringList& lines) {
    LapImport result;
    result.splits = 0;
    qsizetype i = 0;
    while (i < lines.size() && !(lines.at(i).size() > 1 && lines.at(i).startsWith(u'1')))
        ++i;
    for (; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (!line.contains(u'_')) continue;
        const QString time = FieldOf(line, 1, u'_');
        if (time.isEmpty()) break;
        result.AddLap(time);
    }
    return result;
}

LapImport ReadAimLightAnalyzer(const QStringList& lines) {
    LapImport result;
    result.splits = 0;
    bool pending = false;
    for (QString line : lines) {
        for (QChar& c : line)
            if (c.unicode() < 10) c = u'|';
        line.chop(1);
        if (line.isEmpty()) continue;
        qsizetype from = 0;
        while (true) {
            qsizetype restStart = from;
            if (!pending) {
                restStart = line.indexOf(QStringLiteral(" / "), from);
                if (restStart < 0) break;
            }
            const qsizetype dot = line.indexOf(u'.', restStart);
            if (dot < 0 || dot - restStart < 2) {
                pending = true;
                break;
            }
            const qsizetype timeStart = dot - 2;
            QString time = line.mid(timeStart, 9);
            time.replace(time.indexOf(u'.'), 1, u':');
            result.AddLap(time);
            pending = false;
            // The next " / " lies beyond this one, so the scan always moves on.
            from = timeStart + 1;
        }
    }
    return result;
}

LapImport ReadAlfano(const QStringList& lines) {
    LapImport result;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (CountChar(line, u'\t') < 13) continue;
        const QString field = line.section(u'\t', 13, 13);
        bool ok = false;
        const qint64 hundredths = field.toLongLong(&ok);
        if (!ok || !IsIntegerText(field) || hundredths > std::numeric_limits<qint32>::max() / 10 ||
            hundredths < std::numeric_limits<qint32>::min() / 10) {
            result.error = NotAnInteger(field);
            break;
        }
        result.AddLap(LapTimeText(qint32(hundredths * 10)));
    }
    return result;
}

LapImport ReadPi(const QStringList& lines, int splits, const QString& fileName) {
    LapImport result;
    qsizetype i = 1;
    while (i < lines.size() && !IsIntegerText(BeforeTab(lines.at(i))))
        ++i;
    if (i >= lines.size() || !lines.at(i).contains(u'\t')) {
        result.error = FailedReading(fileName);
        return result;
    }
    int row = 1;
    for (; i < lines.size(); ++i, ++row) {
        const QString& line = lines.at(i);
        if (!line.contains(u'\t') || !IsIntegerText(BeforeTab(line))) break;
        qsizetype at = line.indexOf(u'\t');
        for (int column = 1; column <= splits + 1; ++column) {
            const QString field = line.mid(at + 1);
            const auto ms = ParseLoggerTime(field);
            if (!ms) {
                result.error = Fill(Translate("Bad format of time! (%s)"), BeforeTab(field));
                return result;
            }
            result.SetCell(row, column, LapTimeText(*ms));
            at = line.indexOf(u'\t', at + 1);
            if (at < 0) {
                result.error = TooFewSplits();
                return result;
            }
        }
    }
    return result;
}

LapImport ReadT200File(const QStringList& lines, int splits) {
    if (lines.isEmpty() || lines.first() != kT200Header)
        return ReadT200Records(lines, splits, T200Origin::File);
    QStringList collected = lines.mid(0, 3);
    for (qsizetype i = 3; i < lines.size(); ++i) {
        collected.append(lines.at(i));
        if (lines.at(i).size() != kT200RecordLength) break;
    }
    return ReadT200Records(collected, splits, T200Origin::File);
}

LapImport ReadT200Records(const QStringList& lines, int splits, T200Origin origin) {
    LapImport result;
    const QString first = lines.isEmpty() ? QString() : lines.first();
    if (first != kT200Header) {
        const QString pattern =
            origin == T200Origin::Serial
                ? Translate(
                      "Unrecognized data in first line.\n\nRead:     \t%s\nExpected: \t%s\n\nPlease make "
                      "sure you have selected the correct download mode")
                : Translate(
                      "Unrecognized data in first line.\n\nRead:     \t%s\nExpected: \t%s\n\nPlease make "
                      "sure you have selected the correct file");
        result.error = Fill(pattern, {first, kT200Header});
        return result;
    }
    const int perRow = std::clamp(splits, 0, 3) + 1;
    int index = 0;
    for (qsizetype i = 3; i + 1 < lines.size(); ++i) {
        const QString& record = lines.at(i);
        if (record.size() != kT200RecordLength) break;
        // Characters 9..16: "mm,ss,hh".
        const QString time = record.mid(8, 8);
        const auto digits = [&time](int at) {
            const QChar a = time.at(at), b = time.at(at + 1);
            if (!a.isDigit() || !b.isDigit() || a.unicode() > '9' || b.unicode() > '9') return -1;
            return (a.unicode() - '0') * 10 + (b.unicode() - '0');
        };
        const int minutes = digits(0), seconds = digits(3), hundredths = digits(6);
        if (minutes < 0 || seconds < 0 || hundredths < 0 || time.at(2) != u',' || time.at(5) != u',') {
            result.error = Fill(Translate("Bad format of time! (%s)"), record);
            return result;
        }
        const qint32 ms = minutes * 60000 + seconds * 1000 + hundredths * 10;
        result.SetCell(index / perRow + 1, index % perRow + 1, LapTimeText(ms));
        ++index;
    }
    return result;
}

LapImport ReadMotec(const QStringList& lines) {
    LapImport result;
    qsizetype end = 0;
    while (end < lines.size() && !lines.at(end).trimmed().isEmpty())
        ++end;
    // The line before the first blank line; without one, the line before the last line.
    const qsizetype lapLine = end < lines.size() ? end - 1 : lines.size() - 2;
    if (lapLine < 0) return result;
    const QStringList items = CommaTextSplit(lines.at(lapLine));
    for (qsizetype i = 3; i < items.size(); ++i)
        result.AddLap(items.at(i));
    return result;
}

LapImport Read2D(const QStringList& lines, int splits, const QString& fileName) {
    LapImport result;
    if (splits != 0) {
        result.error = TooFewSplits();
        return result;
    }
    const qsizetype header = lines.indexOf(QStringLiteral("[LAPTIMES]"));
    if (header < 0 || header + 1 >= lines.size()) {
        result.error = FailedReading(fileName);
        return result;
    }
    for (qsizetype i = header + 2; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) break;
        const QString field = line.mid(equals + 1);
        const auto ms = ParseLoggerTime(field + u'\t');
        if (!ms) {
            result.error = Fill(Translate("Bad format of time! (%s)"), field);
            break;
        }
        result.AddLap(LapTimeText(*ms));
    }
    return result;
}

LapImport ReadBullet(const QStringList& lines) {
    LapImport result;
    qsizetype i = 0;
    while (i < lines.size() && !lines.at(i).startsWith(QStringLiteral("LAP 001")))
        ++i;
    // A lap line that is the file's last line is not taken.
    for (; i + 1 < lines.size() && lines.at(i).startsWith(QStringLiteral("LAP")); ++i)
        result.AddLap(lines.at(i).mid(10, 9));
    return result;
}

QStringList SplitCsvRecord(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < line.size() && line.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}

LapImport ReadAimCsv(const QStringList& lines) {
    LapImport result;
    const QString source = QStringLiteral("AiM CSV (Race Studio export)");
    if (lines.isEmpty()) {
        result.error = WrongFormat(source);
        return result;
    }
    const QStringList format = SplitCsvRecord(lines.first());
    if (CellOf(format, 0) != QLatin1String("Format") || CellOf(format, 1) != QLatin1String("AiM CSV File")) {
        result.error = WrongFormat(source);
        return result;
    }
    result.splits = 0;
    QHash<QString, QStringList> header; // the values after each header name
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) break;
        QStringList fields = SplitCsvRecord(line);
        const QString name = fields.takeFirst().trimmed();
        while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
            fields.removeLast();
        if (!header.contains(name)) header.insert(name, fields);
    }
    result.driver = CellOf(header.value(QStringLiteral("Racer")), 0);
    SetStart(result, CellOf(header.value(QStringLiteral("Date")), 0),
             CellOf(header.value(QStringLiteral("Time")), 0));

    const QStringList segments = header.value(QStringLiteral("Segment Times"));
    if (!segments.isEmpty()) {
        for (const QString& segment : segments)
            result.AddLap(segment.trimmed());
        return result;
    }
    const auto laps = MarkerLaps(header.value(QStringLiteral("Beacon Markers")), std::nullopt);
    if (!laps) {
        result.error = laps.error();
        return result;
    }
    for (const qint64 ms : *laps)
        result.AddLap(EntryTimeText(ms));
    return result;
}

LapImport ReadMotecCsv(const QStringList& lines) {
    LapImport result;
    const QString source = QStringLiteral("MoTeC CSV (i2 export)");
    QHash<QString, QString> header;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) break;
        const QStringList fields = SplitCsvRecord(line);
        // A header row holds name and value pairs, with empty fields between the pairs.
        for (qsizetype i = 0; i + 1 < fields.size();) {
            const QString name = fields.at(i).trimmed();
            if (name.isEmpty()) {
                ++i;
                continue;
            }
            if (!header.contains(name)) header.insert(name, fields.at(i + 1).trimmed());
            i += 2;
        }
    }
    if (header.value(QStringLiteral("Format")) != QLatin1String("MoTeC CSV File")) {
        result.error = WrongFormat(source);
        return result;
    }
    result.splits = 0;
    result.driver = header.value(QStringLiteral("Driver"));
    SetStart(result, header.value(QStringLiteral("Log Date")), header.value(QStringLiteral("Log Time")));
    std::optional<qint64> duration;
    if (const QString text = header.value(QStringLiteral("Duration")); !text.isEmpty()) {
        duration = SecondsToMs(text);
        if (!duration) {
            result.error = Fill(Translate("Bad duration: %s"), text);
            return result;
        }
    }
    const QStringList markers =
        header.value(QStringLiteral("Beacon Markers")).split(u' ', Qt::SkipEmptyParts);
    const auto laps = MarkerLaps(markers, duration);
    if (!laps) {
        result.error = laps.error();
        return result;
    }
    for (const qint64 ms : *laps)
        result.AddLap(EntryTimeText(ms));
    return result;
}

std::vector<UltralapSession> UltralapSessions(const QStringList& lines) {
    std::vector<UltralapSession> sessions;
    const auto field = [](const QString& line, int k) { return FieldOf(line, k, u','); };
    qsizetype i = 1;
    while (i < lines.size()) {
        const QString id = field(lines.at(i), 3);
        qsizetype last = i;
        QString best;
        while (last < lines.size() && field(lines.at(last), 3) == id) {
            if (field(lines.at(last), 7) == QLatin1String("*")) best = field(lines.at(last), 5);
            ++last;
        }
        if (IsIntegerText(id)) {
            const QString& first = lines.at(i);
            sessions.push_back(
                {id, field(first, 1), field(first, 0), field(first, 2), field(lines.at(last - 1), 4), best});
        }
        i = last;
    }
    return sessions;
}

LapImport ReadUltralap(const QStringList& lines, const QStringList& ids, int splits) {
    LapImport result;
    if (splits != 0) {
        result.error = Translate("Cannot handle split times yet!");
        return result;
    }
    // One pass over the file: the laps of each session ID, in file order.
    QHash<QString, QStringList> lapsOf;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (FieldOf(line, 6, u',') == QLatin1String("S")) continue;
        lapsOf[FieldOf(line, 3, u',')].append(FieldOf(line, 5, u','));
    }
    for (const QString& id : ids)
        for (const QString& lap : lapsOf.value(id))
            result.AddLap(lap);
    return result;
}
