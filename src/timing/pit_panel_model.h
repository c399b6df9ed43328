#pragma once
// The pit crew panel: gaps between drivers who have passed the line the same number of times, and a
// countdown to the planned end of the session. Row 0 and column 0 of the 5 x 5 table hold driver names.
#include "services/services.h"
#include "window_placement.h"

#include <QString>
#include <array>
#include <cstdint>

class PitPanelModel {
  public:
    static constexpr int kSlots = 4;

    explicit PitPanelModel(Clock& clock);

    static QString Caption();

    void RecordPass(int slot, std::uint32_t tick);
    void ResetButtonClick(); // "&Reset all": passes, marks and gaps cleared; names stay
    void Tick();             // every 100 ms: the remaining time

    // Cell of the table: (column, row) 0..4; row 0 / column 0 are the name headers.
    QString Cell(int column, int row) const;
    void SetHeader(int slot, const QString& name); // column slot of row 0 and row slot of column 0
    int Passes(int slot) const;
    int Current() const { return m_current; }

    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // Shows the panel; the first time, "Session ends at" starts an hour from now.
    void Show();
    bool ShowTimer() const { return m_showTimer; } // "Show timer": the remaining-time panel
    void SetShowTimer(bool show) { m_showTimer = show; }
    // "Session ends at", a time of day in ms since midnight (the user's choice once made).
    int EndSessionTimeMs() const { return m_endTimeMs; }
    void SetEndSessionTimeMs(int ms);
    const QString& TimeLeftText() const { return m_timeLeftText; } // "Remaining time"

    WindowRect geometry;

  private:
    static bool ValidSlot(int slot) { return slot >= 1 && slot <= kSlots; }
    qint64 NowMs() const; // the time of day

    Clock& m_clock;
    std::array<std::array<QString, kSlots + 1>, kSlots + 1> m_cells; // [column][row]
    std::array<int, kSlots + 1> m_passes{};
    std::array<std::uint32_t, kSlots + 1> m_marks{};
    int m_current = 0;
    bool m_visible = false;
    bool m_showTimer = true;
    int m_endTimeMs = 0;
    bool m_endTimeChosen = false;
    QString m_timeLeftText = QStringLiteral("00:00:00");
};
