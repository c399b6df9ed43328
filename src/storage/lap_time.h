#pragma once
// Lap, split, pit and gap times: signed 32-bit milliseconds, and their text forms.
#include "expected.h"
#include <QString>
#include <optional>

QString LapTimeText(qint32 ms);     // "" for 0; "s.zzz", "n:ss.zzz", "hh:nn:ss" (hours wrap at 24)
QString ElapsedTimeText(qint32 ms); // "" for 0; "s", "n:ss", "hh:nn:ss"; "" when the seconds text is "0"
// The typed text as milliseconds; an empty text gives an empty result (std::nullopt inside).
// Errors carry the translated, filled "Bad format of time!" messages.
Expected<std::optional<qint32>, QString> ParseLapTime(const QString& text);
