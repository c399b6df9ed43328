#pragma once
// The fixed captions and hints of the live-timing page, its time windows and the pit crew panel, as the
// widgets show them (translated). The slot buttons' texts are in driver_slot.h (ControlTextsOf).
#include <QString>
#include <QStringList>

struct LiveTimingTexts {
    // Per slot figure captions.
    QString startLabel, elapsedLabel, bestLabel, meanLabel, distanceLabel, theoreticalLabel, pitTimeLabel;
    // Window-wide controls.
    QString showAllDrivers, splitsLabel, resetLapTimes, resetLapTimesHint, startActiveDrivers;
    QStringList splitsItems;
    QString enterLapTimesManually, editLapTimes; // the lap table's context menu
    // Pit crew panel.
    QString pitPanelCaption, resetAll, showTimer, sessionEndsAt, remainingTime;
};

LiveTimingTexts MakeLiveTimingTexts();
