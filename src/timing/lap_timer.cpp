#include "lap_timer.h"

#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

qint32 ClampToInt32(qint64 value) {
    return qint32(
        std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

// a / b rounded to the nearest integer, halves to the even neighbour (b > 0).
qint64 DivideHalfEven(qint64 a, qint64 b) {
    qint64 quotient = a / b;
    qint64 remainder = a % b;
    if (remainder < 0) {
        remainder += b;
        --quotient;
    }
    if (2 * remainder > b || (2 * remainder == b && quotient % 2 != 0)) ++quotient;
    return quotient;
}

} // namespace

TLapTimer::TLapTimer(Clock* clock, Beeper* beeper) : m_clock(clock), m_beeper(beeper) {
}

void TLapTimer::Clear() {
    m_count = 0;
    m_lastMark = 0;
}

void TLapTimer::SetSplits(int splits) {
    // A damaged "splits_per_lap" must not reach the lap arithmetic: it divides by Splits + 1.
    m_splits = std::clamp(splits, 0, 3);
}

void TLapTimer::SetPercentForMean(int percent) {
    m_percentForMean = std::clamp(percent, 0, 100);
}

std::uint32_t TLapTimer::Now() const {
    return m_clock ? m_clock->TickMs() : 0;
}

void TLapTimer::Refuse() {
    if (m_beeper) m_beeper->Beep();
}

bool TLapTimer::Mark() {
    const std::uint32_t now = Now();
    if (m_count <= 0) {
        m_lastMark = now;
        m_count = 1;
        return true;
    }
    const std::uint32_t elapsed = now - m_lastMark; // wraps with the 32-bit tick
    if (elapsed <= std::uint32_t(kMinPressGapMs) || m_count > kCapacity) {
        Refuse();
        return false;
    }
    m_times[m_count] = ClampToInt32(qint64(elapsed));
    m_lastMark = now;
    ++m_count;
    return true;
}

void TLapTimer::RestartMark() {
    m_lastMark = Now();
}

void TLapTimer::Undo() {
    if (m_count <= 0) return;
    --m_count;
    // Started but nothing recorded: only the start is taken back.
    if (m_count >= 1) m_lastMark -= std::uint32_t(m_times[m_count]);
}

bool TLapTimer::Add(qint32 ms) {
    if (m_count > kCapacity) {
        Refuse();
        return false;
    }
    if (m_count <= 0) m_count = 1;
    m_times[m_count] = ms;
    ++m_count;
    return true;
}

Expected<void, QString> TLapTimer::LoadFromText(const QString& text) {
    QStringList pieces = text.split(u',');
    if (!pieces.isEmpty() && pieces.last().isEmpty()) pieces.removeLast(); // an empty remainder adds nothing
    if (RecordedCount() + pieces.size() > kCapacity) {
        Refuse();
        return Unexpected(Fill(Translate("Too many lap times: at most %d times can be kept per driver."),
                               QString::number(kCapacity)));
    }
    for (const QString& piece : pieces) {
        const auto value = ParseInteger(piece.trimmed());
        if (!value) return Unexpected(Fill(Translate("'%s' is not a valid integer value"), piece));
        Add(*value);
    }
    return {};
}

QString TLapTimer::SaveToText() const {
    QString text;
    for (int i = 1; i < m_count; ++i) {
        if (i > 1) text += u',';
        text += QString::number(m_times[i]);
    }
    return text;
}

qint32 TLapTimer::Time(int index) const {
    return index >= 1 && index < m_count ? m_times[index] : 0;
}

int TLapTimer::LapCount() const {
    if (m_count < 2) return 0;
    const int perLap = m_splits + 1;
    return (m_count - 1 + perLap - 1) / perLap;
}

QStringList TLapTimer::LapRow(int lap) const {
    QStringList row{QString::number(lap)};
    if (lap < 1) return row;
    const int first = (m_splits + 1) * lap - m_splits;
    const int last = std::min(m_count - 1, first + m_splits);
    qint64 sum = 0;
    for (int i = first; i <= last; ++i) {
        row << LapTimeText(m_times[i]);
        sum += m_times[i];
    }
    if (m_splits > 0 && last >= first && last % (m_splits + 1) == 0) row << LapTimeText(ClampToInt32(sum));
    return row;
}

qint32 TLapTimer::LapTime(int lap) const {
    if (lap < 1) return m_splits > 0 ? -1 : 0;
    const int first = (m_splits + 1) * lap - m_splits;
    const int last = std::min(m_count - 1, first + m_splits);
    qint64 sum = 0;
    for (int i = first; i <= last; ++i)
        sum += m_times[i];
    if (m_splits > 0 && last % (m_splits + 1) != 0) return -1;
    return ClampToInt32(sum);
}

qint32 TLapTimer::BestLap(int* lapNumber) const {
    const int perLap = m_splits + 1;
    int bestNumber = 0;
    qint64 best = 0;
    int lap = 0;
    qint64 sum = 0;
    for (int i = 1; i <= m_count - 1; ++i) {
        sum += m_times[i];
        if (i % perLap != 0) continue;
        ++lap;
        // The first complete lap always counts, whatever its length; later ones only when strictly faster.
        if (bestNumber == 0 || sum < best) {
            best = sum;
            bestNumber = lap;
        }
        sum = 0;
    }
    if (lapNumber) *lapNumber = bestNumber;
    return ClampToInt32(best);
}

QString TLapTimer::BestLapText() const {
    return LapTimeText(BestLap());
}

qint32 TLapTimer::MeanOfBest() const {
    const int perLap = m_splits + 1;
    std::vector<qint64> laps;
    laps.reserve(size_t(RecordedCount() / perLap));
    qint64 sum = 0;
    for (int i = 1; i <= m_count - 1; ++i) {
        sum += m_times[i];
        if (i % perLap == 0) {
            laps.push_back(sum);
            sum = 0;
        }
    }
    if (laps.empty()) return 0;
    std::sort(laps.begin(), laps.end());
    qint64 used = DivideHalfEven(qint64(m_percentForMean) * qint64(laps.size()), 100);
    if (used == 0) used = 1;
    qint64 total = 0;
    for (qint64 i = 0; i < used; ++i)
        total += laps[size_t(i)];
    return ClampToInt32(DivideHalfEven(total, used));
}

QString TLapTimer::MeanOfBestText() const {
    return LapTimeText(MeanOfBest());
}
