#include "timing_journal.h"

#include "lap_timer.h"
#include "storage/atomic_file.h"
#include "storage/text_codec.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <cmath>

namespace {

const QString kHeader = QString::fromLatin1(kTimingJournalHeader);
const QString kEnd = QStringLiteral("end");

QString Day(double day) {
    return QString::number(day, 'g', 17);
}

// Names go last on a line and keep no line breaks.
QString OneLine(const QString& text) {
    QString line = text;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line;
}

// Clock of the replay: each event sets the tick it was taken at.
class ReplayClock : public Clock {
  public:
    std::uint32_t tick = 0;
    std::uint32_t TickMs() override { return tick; }
    double NowDayNumber() override { return 0; }
};

} // namespace

Expected<void, QString> TimingJournal::Open(const QString& folder, const LapData& current) {
    if (m_file.isOpen()) m_file.close();
    m_file.setFileName(QDir(folder).filePath(QString::fromLatin1(kTimingJournalFileName)));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_lastError = WriteErrorText(m_file.fileName(), m_file.errorString());
        return Unexpected(m_lastError);
    }
    Append(kHeader);
    for (const QString& line : JournalSnapshotLines(current))
        Append(line);
    if (!m_lastError.isEmpty()) return Unexpected(m_lastError);
    return {};
}

QStringList JournalSnapshotLines(const LapData& current) {
    QStringList lines{QStringLiteral("splits ") + current.splitsPerLap.trimmed()};
    for (int i = 0; i < int(current.slots.size()); ++i) {
        const SlotLapData& slot = current.slots[size_t(i)];
        if (slot.splitTimes.isEmpty() && slot.startTime == 0 && slot.pitStopTime == 0) continue;
        lines << QStringLiteral("slot %1 %2 %3 %4 %5 %6")
                     .arg(i + 1)
                     .arg(Day(slot.startTime), Day(slot.stopTime))
                     .arg(slot.pitStopTime)
                     .arg(slot.splitTimes.isEmpty() ? QStringLiteral("-") : slot.splitTimes,
                          OneLine(slot.name));
    }
    return lines;
}

void TimingJournal::Append(const QString& line) {
    if (!m_file.isOpen()) return;
    const QByteArray bytes = EncodeFileText(line + u'\n');
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        m_lastError = WriteErrorText(m_file.fileName(), m_file.errorString());
}

void TimingJournal::Start(int slot, std::uint32_t tick, double day, const QString& name) {
    Append(QStringLiteral("start %1 %2 %3 %4").arg(slot).arg(tick).arg(Day(day), OneLine(name)));
}

void TimingJournal::Press(int slot, std::uint32_t tick, double day) {
    Append(QStringLiteral("press %1 %2 %3").arg(slot).arg(tick).arg(Day(day)));
}

void TimingJournal::Undo(int slot, double day) {
    Append(QStringLiteral("undo %1 %2").arg(slot).arg(Day(day)));
}

void TimingJournal::PitIn(int slot, std::uint32_t tick, double day) {
    Append(QStringLiteral("pitin %1 %2 %3").arg(slot).arg(tick).arg(Day(day)));
}

void TimingJournal::PitOut(int slot, std::uint32_t tick, double day, qint32 pitTotal) {
    Append(QStringLiteral("pitout %1 %2 %3 %4").arg(slot).arg(tick).arg(Day(day)).arg(pitTotal));
}

void TimingJournal::Stop(int slot, double day) {
    Append(QStringLiteral("stop %1 %2").arg(slot).arg(Day(day)));
}

void TimingJournal::Splits(int splits) {
    Append(QStringLiteral("splits %1").arg(splits));
}

void TimingJournal::Close() {
    if (!m_file.isOpen()) return;
    // The end line first: should the removal fail, the file still reads as a run that ended cleanly.
    Append(kEnd);
    m_file.close();
    m_file.remove();
}

QString JournalFindUnfinished(const QString& folder) {
    const QString path = QDir(folder).filePath(QString::fromLatin1(kTimingJournalFileName));
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return QString();
    const QStringList lines = SplitLines(DecodeFileText(*bytes));
    if (lines.isEmpty() || lines.first() != kHeader) return QString();
    if (lines.last().trimmed() == kEnd) return QString();
    // Only a journal that holds lap data or events is worth offering.
    for (const QString& line : lines.mid(1))
        if (!line.startsWith(QLatin1String("splits "))) return path;
    return QString();
}

bool DiscardJournal(const QString& path) {
    return !QFileInfo::exists(path) || QFile::remove(path);
}

Expected<RestoredLapData, QString> RestoreFromJournal(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    auto restored = ParseTimingJournal(DecodeFileText(*bytes));
    if (!restored)
        return Unexpected(Fill(Translate("%s is no timing journal."), QDir::toNativeSeparators(path)));
    return restored;
}

Expected<RestoredLapData, QString> ParseTimingJournal(const QString& text) {
    const QStringList lines = SplitLines(text);
    if (lines.isEmpty() || lines.first() != kHeader)
        return Unexpected(Translate("The text is no timing journal: its first line is not the journal's."));

    ReplayClock clock;
    std::array<TLapTimer, 4> timers{TLapTimer(&clock), TLapTimer(&clock), TLapTimer(&clock),
                                    TLapTimer(&clock)};
    RestoredLapData result;
    LapData& data = result.lapData;

    for (const QString& line : lines.mid(1)) {
        const QStringList f = line.split(u' ');
        const QString kind = f.value(0);
        if (kind == kEnd) break;
        if (kind == QLatin1String("splits") && f.size() == 2) {
            data.splitsPerLap = f.at(1).trimmed(); // as the journal writes it
            ++result.events;
            continue;
        }
        bool slotOk = false;
        const int slotNumber = f.value(1).toInt(&slotOk);
        if (!slotOk || slotNumber < 1 || slotNumber > 4) {
            ++result.skippedLines;
            continue;
        }
        SlotLapData& target = data.slots[size_t(slotNumber - 1)];
        TLapTimer& timer = timers[size_t(slotNumber - 1)];
        // Every number of the line must read, or the line is left out whole. Day numbers must be finite:
        // the text reader takes "nan" and "inf", which no clock writes.
        bool numbersOk = true;
        auto tickAt = [&](int i) {
            bool ok = false;
            const std::uint32_t tick = f.value(i).toUInt(&ok);
            numbersOk = numbersOk && ok;
            return tick;
        };
        auto dayAt = [&](int i) {
            bool ok = false;
            const double day = f.value(i).toDouble(&ok);
            numbersOk = numbersOk && ok && std::isfinite(day);
            return day;
        };
        auto msAt = [&](int i) {
            bool ok = false;
            const qint32 ms = f.value(i).toInt(&ok);
            numbersOk = numbersOk && ok;
            return ms;
        };

        if (kind == QLatin1String("slot") && f.size() >= 6) {
            const double start = dayAt(2);
            const double stop = dayAt(3);
            const qint32 pit = msAt(4);
            TLapTimer loaded;
            if (!numbersOk || (f.at(5) != QLatin1String("-") && !loaded.LoadFromText(f.at(5)))) {
                ++result.skippedLines;
                continue;
            }
            timer.Clear();
            if (f.at(5) != QLatin1String("-")) (void)timer.LoadFromText(f.at(5));
            target = {f.mid(6).join(u' '), start, stop, pit, QString()};
        } else if (kind == QLatin1String("start") && f.size() >= 4) {
            (void)tickAt(2); // the run's first press: the timer starts with the next one
            const double day = dayAt(3);
            if (!numbersOk) {
                ++result.skippedLines;
                continue;
            }
            timer.Clear();
            target = {f.mid(4).join(u' '), day, day, 0, QString()};
        } else if ((kind == QLatin1String("press") || kind == QLatin1String("pitin")) && f.size() == 4) {
            const std::uint32_t tick = tickAt(2);
            const double day = dayAt(3);
            if (!numbersOk) {
                ++result.skippedLines;
                continue;
            }
            clock.tick = tick;
            if (kind == QLatin1String("press")) timer.Mark();
            target.stopTime = day;
        } else if (kind == QLatin1String("undo") && f.size() == 3) {
            const double day = dayAt(2);
            if (!numbersOk) {
                ++result.skippedLines;
                continue;
            }
            timer.Undo();
            target.stopTime = day;
        } else if (kind == QLatin1String("pitout") && f.size() == 5) {
            const std::uint32_t tick = tickAt(2);
            const double day = dayAt(3);
            const qint32 total = msAt(4);
            if (!numbersOk) {
                ++result.skippedLines;
                continue;
            }
            clock.tick = tick;
            timer.RestartMark();
            target.pitStopTime = total;
            target.stopTime = day;
        } else if (kind == QLatin1String("stop") && f.size() == 3) {
            const double day = dayAt(2);
            if (!numbersOk) {
                ++result.skippedLines;
                continue;
            }
            target.stopTime = day;
        } else {
            ++result.skippedLines;
            continue;
        }
        ++result.events;
    }
    for (int i = 0; i < 4; ++i)
        data.slots[size_t(i)].splitTimes = timers[size_t(i)].SaveToText();
    return result;
}
