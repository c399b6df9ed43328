#pragma once
// Time texts as data loggers write them, and the lossless text the entry grid is filled with.
#include <QString>
#include <optional>

// A logger's time field: "m:ss.zz", "ss.z", "ss" and the like, ending at the first TAB or carriage
// return. Without a TAB or carriage return after the fraction the fraction is ignored; whole seconds
// without a fraction count as seconds. A fraction of three digits is rounded to hundredths; of four or
// more digits its first three are used the same way. std::nullopt when the result leaves 32 bits.
std::optional<qint32> ParseLoggerTime(const QString& text);

// "s.zzz" below a minute, else "m:ss.zzz" with any number of minutes ("75:02.050"): reads back to the
// same milliseconds, unlike the display text that drops the milliseconds from one hour up.
QString EntryTimeText(qint64 ms);
