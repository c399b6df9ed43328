// Comparing 500 generated sessions side by side (every row of the catalogue, identical rows hidden and
// shown), and the statistics of the same files.
#include "archive/session_compare.h"
#include "archive/session_statistics.h"
#include "gen_session_files.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSessions = 500;

const QStringList& SessionFiles() {
    static QTemporaryDir dir;
    static const QStringList files =
        GenerateSessionFiles(dir.filePath(QStringLiteral("Sessions")), kSessions, 7);
    return files;
}

void Compare(benchmark::State& state) {
    const QStringList& files = SessionFiles();
    CompareOptions options;
    options.hideIdentical = state.range(0) != 0;
    int rows = 0;
    for (auto _ : state) {
        rows = CompareSessions(files, options, [](const QString&, int) {}).RowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["sessions"] = double(files.size());
    state.counters["rows"] = rows;
}

void Statistics(benchmark::State& state) {
    const QStringList& files = SessionFiles();
    for (auto _ : state) {
        std::vector<SessionStatisticsRecord> records;
        for (const QString& file : files)
            if (auto record = ReadStatisticsRecord(file, 1, nullptr)) records.push_back(std::move(*record));
        TSessionStatistics statistics;
        AddRecordsByTrack(statistics, std::move(records));
        benchmark::DoNotOptimize(statistics.TrackCount());
    }
}

} // namespace

BENCHMARK(Compare)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Statistics)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
