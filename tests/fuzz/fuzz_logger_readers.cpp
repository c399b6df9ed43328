// Every lap-timer and data-logger reader on any file: a result, never a crash. The first byte picks the
// source and the dialog's splits; the rest is the file. Rows never hold more cells than the grid's
// columns where the reader fills them by the splits.
#include "lapentry/lap_sources.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto& sources = LapSources();
    const LapSourceInfo& info = sources[data[0] % sources.size()];
    const int splits = (data[0] / 16) % 4;
    const QStringList lines =
        FileLines(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    QStringList ids;
    for (const UltralapSession& session : UltralapSessions(lines))
        ids.append(session.id);
    const LapImport import = ReadLapSource(info.source, lines, splits, QStringLiteral("fuzz.txt"), ids);
    const bool bySplits = info.source == LapSource::Pi || info.source == LapSource::T200File ||
                          info.source == LapSource::T200Serial;
    for (const QStringList& row : import.rows)
        if (bySplits && row.size() > splits + 1) std::abort();
    if (import.splits && (*import.splits < 0 || *import.splits > 3)) std::abort();
    return 0;
}
