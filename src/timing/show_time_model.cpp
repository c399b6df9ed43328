#include "show_time_model.h"

#include "storage/lap_time.h"
#include "storage/translate.h"

#include <algorithm>

namespace {

qint32 Elapsed(std::uint32_t now, std::uint32_t since) {
    return qint32(std::min<std::uint32_t>(now - since, 0x7fffffff)); // the tick wraps at 2^32
}

} // namespace

ShowTimeModel::ShowTimeModel(Clock& clock) : m_clock(clock) {
}

QString ShowTimeModel::LapsRemainingHint() {
    return Translate("Laps remaining based on assumed fuel consumption");
}

QString ShowTimeModel::DiffOf(qint32 ms) const {
    return Translate("Difference last lap") + QStringLiteral(": ") + LapTimeText(ms);
}

void ShowTimeModel::ShowBestDiff(qint32 lap, qint32 best) {
    m_bestDiffVisible = best > 0;
    if (m_bestDiffVisible)
        m_bestDiffText = Translate("Difference best lap") + QStringLiteral(": ") + LapTimeText(lap - best);
}

void ShowTimeModel::StartDisplay() {
    m_markTick = m_clock.TickMs();
    std::fill(m_previousSegments.begin(), m_previousSegments.end(), 0);
    m_pitTotal = 0;
    m_pitStartTick.reset();
    m_position = -1;
    m_lastLapTotal = 0;
    m_lapComplete = false;
    m_timeText = Translate("Out lap");
    m_diffVisible = false;
    m_bestDiffVisible = false;
    m_lapsRemainingVisible = false;
    m_holdTicks = kHoldTicks;
    m_displayRunning = true;
}

void ShowTimeModel::LapMark() {
    const std::uint32_t now = m_clock.TickMs();
    m_position = std::min(m_position + 1, int(m_previousSegments.size()) - 1);
    const qint32 segment = Elapsed(now, m_markTick);
    m_timeText = LapTimeText(segment);
    qint32& previous = m_previousSegments[size_t(m_position)];
    if (previous > 0) {
        m_diffText = DiffOf(segment - previous);
        m_diffVisible = true;
    }
    previous = segment;
    m_bestDiffVisible = false;
    if (m_position > m_splits) {
        m_position = 0;
        if (m_splits > 0) {
            // The lap's total follows after the hold, with its difference to the best lap before it.
            m_lapComplete = true;
            m_bestAtLapEnd = m_bestLap;
        } else {
            ShowBestDiff(segment, m_bestLap); // without splits the segment is the lap
        }
    }
    m_markTick = now;
    m_holdTicks = kHoldTicks;
}

void ShowTimeModel::PitIn() {
    m_pitStartTick = m_clock.TickMs();
}

void ShowTimeModel::PitOut() {
    const std::uint32_t now = m_clock.TickMs();
    const qint32 stop = m_pitStartTick ? Elapsed(now, *m_pitStartTick) : 0;
    m_pitTotal += stop;
    m_timeText = Translate("Pit") + u':' + ElapsedTimeText(stop);
    m_holdTicks = kHoldTicks;
    m_markTick = now;
    m_pitStartTick.reset();
}

void ShowTimeModel::SetSplits(int splits) {
    m_splits = std::clamp(splits, 0, 3);
    m_previousSegments.resize(size_t(m_splits + 2), 0);
    if (m_position >= int(m_previousSegments.size())) m_position = -1;
}

void ShowTimeModel::DisplayTick() {
    if (!m_displayRunning) return;
    if (m_holdTicks > 0) {
        --m_holdTicks;
        return;
    }
    m_diffVisible = false;
    m_bestDiffVisible = false;
    const std::uint32_t now = m_clock.TickMs();
    if (m_pitStartTick) {
        m_timeText = Translate("Pit") + u':' + ElapsedTimeText(Elapsed(now, *m_pitStartTick));
    } else if (m_lapComplete) {
        qint32 total = 0;
        for (int i = 1; i <= m_splits + 1; ++i)
            total += m_previousSegments[size_t(i)];
        m_timeText = LapTimeText(total);
        m_holdTicks = kHoldTicks;
        if (m_lastLapTotal > 0) {
            m_diffText = DiffOf(total - m_lastLapTotal);
            m_diffVisible = true;
        }
        ShowBestDiff(total, m_bestAtLapEnd);
        m_lastLapTotal = total;
        m_lapComplete = false;
    } else {
        m_timeText = ElapsedTimeText(Elapsed(now, m_markTick));
    }
}

void ShowTimeModel::SetLapsRemaining(std::optional<int> laps) {
    m_lapsRemainingVisible = laps.has_value();
    if (laps)
        m_lapsRemainingText = Translate("Laps remaining") + QStringLiteral(": ") + QString::number(*laps);
}
