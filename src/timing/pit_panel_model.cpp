#include "pit_panel_model.h"

#include "storage/lap_time.h"
#include "storage/translate.h"

#include <QTime>
#include <cmath>
#include <cstdlib>

namespace {

constexpr qint64 kMsPerDay = 86400000;

} // namespace

PitPanelModel::PitPanelModel(Clock& clock) : m_clock(clock) {
}

QString PitPanelModel::Caption() {
    return Translate("Pit Crew Panel");
}

void PitPanelModel::RecordPass(int slot, std::uint32_t tick) {
    if (!ValidSlot(slot)) return;
    m_current = slot;
    m_marks[size_t(slot)] = tick;
    ++m_passes[size_t(slot)];
    for (int r = 1; r <= kSlots; ++r) {
        if (m_passes[size_t(r)] != m_passes[size_t(slot)]) continue;
        // Ticks wrap at 2^32: the gap is the signed 32-bit difference.
        const qint32 d = qint32(m_marks[size_t(slot)] - m_marks[size_t(r)]);
        m_cells[size_t(slot)][size_t(r)] = LapTimeText(-d);
        m_cells[size_t(r)][size_t(slot)] = LapTimeText(d);
    }
}

void PitPanelModel::ResetButtonClick() {
    m_passes.fill(0);
    m_marks.fill(0);
    for (int c = 1; c <= kSlots; ++c)
        for (int r = 1; r <= kSlots; ++r)
            m_cells[size_t(c)][size_t(r)].clear();
}

QString PitPanelModel::Cell(int column, int row) const {
    if (column < 0 || column > kSlots || row < 0 || row > kSlots) return QString();
    return m_cells[size_t(column)][size_t(row)];
}

void PitPanelModel::SetHeader(int slot, const QString& name) {
    if (!ValidSlot(slot)) return;
    m_cells[size_t(slot)][0] = name;
    m_cells[0][size_t(slot)] = name;
}

int PitPanelModel::Passes(int slot) const {
    return ValidSlot(slot) ? m_passes[size_t(slot)] : 0;
}

void PitPanelModel::SetEndSessionTimeMs(int ms) {
    m_endTimeMs = int(((ms % kMsPerDay) + kMsPerDay) % kMsPerDay);
    m_endTimeChosen = true;
}

qint64 PitPanelModel::NowMs() const {
    const double day = m_clock.NowDayNumber();
    return qint64(std::llround((day - std::floor(day)) * kMsPerDay)) % kMsPerDay;
}

void PitPanelModel::Show() {
    if (!m_endTimeChosen) m_endTimeMs = int((NowMs() + 3600000) % kMsPerDay);
    m_visible = true;
}

void PitPanelModel::Tick() {
    // The end is the nearer of today's and the neighbouring day's at that time: a session ending at
    // 00:30 is 40 minutes away at 23:50, not 23 hours. After the end the time since it is shown, without
    // sign.
    qint64 toEnd = (qint64(m_endTimeMs) - NowMs()) % kMsPerDay;
    if (toEnd > kMsPerDay / 2) toEnd -= kMsPerDay;
    if (toEnd <= -kMsPerDay / 2) toEnd += kMsPerDay;
    m_timeLeftText =
        QTime::fromMSecsSinceStartOfDay(int(std::llabs(toEnd))).toString(QStringLiteral("hh:mm:ss"));
}
