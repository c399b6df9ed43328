#include "live_timing_texts.h"

#include "storage/translate.h"

LiveTimingTexts MakeLiveTimingTexts() {
    LiveTimingTexts t;
    t.startLabel = Translate("Start");
    t.elapsedLabel = Translate("Total");
    t.bestLabel = Translate("Best");
    t.meanLabel = Translate("Mean");
    t.distanceLabel = Translate("Distance");
    t.theoreticalLabel = Translate("Theoretical");
    t.pitTimeLabel = Translate("In pits");
    t.showAllDrivers = Translate("Show &all drivers");
    t.splitsLabel = Translate("Splittimes/Lap");
    t.resetLapTimes = Translate("Reset Lap Times");
    t.resetLapTimesHint = Translate("Resets all lap data for all drivers");
    t.startActiveDrivers = Translate("Start Active Drivers");
    t.splitsItems =
        QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    t.enterLapTimesManually = Translate("&Enter lap times manually");
    t.editLapTimes = Translate("Edit &lap times");
    t.pitPanelCaption = Translate("Pit Crew Panel");
    t.resetAll = Translate("&Reset all");
    t.showTimer = Translate("Show timer");
    t.sessionEndsAt = Translate("Session ends at");
    t.remainingTime = Translate("Remaining time");
    return t;
}
