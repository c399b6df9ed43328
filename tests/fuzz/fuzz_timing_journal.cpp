// The crash journal's reader on any bytes: lap data or an error, never a crash. Every line between the
// header and an "end" line is either replayed or counted as left out; restored days are finite; and the
// restored lap data, written as the snapshot a new journal opens with and read again, come back the same.
#include "storage/text_codec.h"
#include "timing/timing_journal.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DecodeFileText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto parsed = ParseTimingJournal(text);
    if (!parsed) {
        if (parsed.error().isEmpty()) std::abort();
        return 0;
    }
    const QStringList lines = SplitLines(text);
    int read = 0;
    for (qsizetype i = 1; i < lines.size() && lines.at(i).split(u' ').value(0) != QLatin1String("end"); ++i)
        ++read;
    if (parsed->events < 0 || parsed->skippedLines < 0 || parsed->events + parsed->skippedLines != read)
        std::abort();

    const LapData& restored = parsed->lapData;
    for (const SlotLapData& slot : restored.slots)
        if (!std::isfinite(slot.startTime) || !std::isfinite(slot.stopTime)) std::abort();

    const QString snapshot =
        QString::fromLatin1(kTimingJournalHeader) + u'\n' + JournalSnapshotLines(restored).join(u'\n');
    const auto again = ParseTimingJournal(snapshot);
    if (!again || again->skippedLines != 0) std::abort();
    if (again->lapData.splitsPerLap != restored.splitsPerLap) std::abort();
    for (size_t i = 0; i < restored.slots.size(); ++i) {
        const SlotLapData& before = restored.slots[i];
        const SlotLapData& after = again->lapData.slots[i];
        if (after.splitTimes != before.splitTimes || after.startTime != before.startTime ||
            after.pitStopTime != before.pitStopTime)
            std::abort();
        // A slot with neither laps, start nor pit time is not written: it reads back empty.
        const bool written =
            !(before.splitTimes.isEmpty() && before.startTime == 0 && before.pitStopTime == 0);
        if (written && (after.stopTime != before.stopTime || after.name != before.name)) std::abort();
        if (!written && (after.stopTime != 0 || !after.name.isEmpty())) std::abort();
    }
    return 0;
}
