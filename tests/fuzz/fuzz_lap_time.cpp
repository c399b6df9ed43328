// ParseLapTime on any text: a result or a message, never a crash; a parsed time below one hour formats
// and parses back to itself.
#include "storage/lap_time.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto parsed = ParseLapTime(text);
    if (!parsed) {
        if (parsed.error().isEmpty()) std::abort();
        return 0;
    }
    if (text.isEmpty() != !parsed->has_value()) std::abort();
    if (parsed->has_value()) {
        const qint32 ms = **parsed;
        if (ms < 0) std::abort();
        if (ms > 0 && ms < 3600000) {
            const auto again = ParseLapTime(LapTimeText(ms));
            if (!again || !again->has_value() || **again != ms) std::abort();
        }
        ElapsedTimeText(ms);
    }
    return 0;
}
