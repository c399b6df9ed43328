#pragma once
// One driver's time window: the large read-out of the running segment or lap, the difference to the
// same segment of the previous lap, the pit clock and the laps remaining. The window shows these texts
// and calls DisplayTick every 100 ms while its display runs.
#include "services/services.h"
#include "window_placement.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class ShowTimeModel {
  public:
    static constexpr int kTickMs = 100;
    static constexpr int kHoldTicks = 5000 / kTickMs; // a text stays 5 s

    explicit ShowTimeModel(Clock& clock);

    void StartDisplay();
    void StopDisplay() { m_displayRunning = false; }
    void LapMark();
    void PitIn();
    void PitOut();
    void SetSplits(int splits);
    void DisplayTick();
    void SetLapsRemaining(std::optional<int> laps); // std::nullopt hides the line
    // The driver's best complete lap before the pass about to be marked (0: none yet): each complete
    // lap shows its difference to it.
    void SetBestLap(qint32 ms) { m_bestLap = ms; }

    // What the window shows.
    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool DisplayRunning() const { return m_displayRunning; }
    const QString& TimeText() const { return m_timeText; }
    const QString& DiffText() const { return m_diffText; }
    bool DiffVisible() const { return m_diffVisible; }
    // "Difference best lap", shown with a complete lap while the difference to the last lap is.
    const QString& BestDiffText() const { return m_bestDiffText; }
    bool BestDiffVisible() const { return m_bestDiffVisible; }
    const QString& LapsRemainingText() const { return m_lapsRemainingText; }
    bool LapsRemainingVisible() const { return m_lapsRemainingVisible; }
    static QString LapsRemainingHint();

    qint32 PitTotal() const { return m_pitTotal; }
    bool PitClockRunning() const { return m_pitStartTick.has_value(); }

    WindowRect geometry; // kept by the window; placed by the live timing on first use

  private:
    QString DiffOf(qint32 ms) const;
    void ShowBestDiff(qint32 lap, qint32 best);

    Clock& m_clock;
    QString m_caption;
    bool m_visible = false;
    bool m_displayRunning = false;
    std::uint32_t m_markTick = 0;
    std::vector<qint32> m_previousSegments = std::vector<qint32>(2, 0);
    int m_splits = 0;
    int m_position = -1;
    int m_holdTicks = 0;
    bool m_lapComplete = false;
    qint32 m_lastLapTotal = 0;
    qint32 m_bestLap = 0;
    qint32 m_bestAtLapEnd = 0; // the best lap before the lap whose total is about to be shown
    std::optional<std::uint32_t> m_pitStartTick;
    qint32 m_pitTotal = 0;
    QString m_timeText;
    QString m_diffText;
    bool m_diffVisible = false;
    QString m_bestDiffText;
    bool m_bestDiffVisible = false;
    QString m_lapsRemainingText;
    bool m_lapsRemainingVisible = false;
};
