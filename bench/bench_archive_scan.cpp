// The archive scan of 10,000 session files: the first scan (every file read and summarised), a rescan
// with nothing changed (listing only), and reading the same bytes plainly as the yardstick; then the
// whole page showing (scan, filters, tree, list) with nothing changed, and a start that finds the index
// of an earlier run.
#include "archive/archive_page.h"
#include "archive/archive_scan.h"
#include "gen_session_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kSessions = 10000;

const QString& SessionsFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString path = dir.filePath(QStringLiteral("Sessions"));
        GenerateSessionFiles(path, kSessions, 42);
        return path;
    }();
    return folder;
}

void PlainRead(benchmark::State& state) {
    const QString& folder = SessionsFolder();
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const ScanEntry& entry : ListSessionFiles(folder)) {
            // One read of the listed size, as the scan reads.
            QFile file(entry.path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            QByteArray data(qsizetype(entry.size), Qt::Uninitialized);
            bytes += file.read(data.data(), data.size());
            benchmark::DoNotOptimize(data.constData());
        }
    }
    state.counters["files"] = kSessions;
    state.counters["MB"] = double(bytes) / 1e6;
}

void FirstScan(benchmark::State& state) {
    const QString& folder = SessionsFolder();
    std::size_t rows = 0;
    for (auto _ : state) {
        ArchiveScanner scanner(int(state.range(0)));
        rows = scanner.Scan(folder, {}).size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = double(rows);
}

void RescanUnchanged(benchmark::State& state) {
    const QString& folder = SessionsFolder();
    ArchiveScanner scanner;
    scanner.Scan(folder, {});
    for (auto _ : state) {
        const auto rows = scanner.Scan(folder, {});
        benchmark::DoNotOptimize(rows.size());
    }
    state.counters["read"] = scanner.FilesReadLastScan();
}

// The whole showing of the archive page with nothing changed: rescan, filters, tree, the list of all
// sessions and its sort.
void PageShowUnchanged(benchmark::State& state) {
    ProgramSettings settings;
    ArchivePage page(settings, QFileInfo(SessionsFolder()).path(), nullptr);
    page.Show();
    for (auto _ : state) {
        page.Show();
        benchmark::DoNotOptimize(page.ListRows().size());
    }
    state.counters["listed"] = double(page.ListRows().size());
}

// A start with an unchanged archive: a new page (nothing in memory) shows the archive from the index file
// the earlier run left in the data folder.
void StartWithIndex(benchmark::State& state) {
    ProgramSettings settings;
    const QString dataFolder = QFileInfo(SessionsFolder()).path();
    ArchivePage(settings, dataFolder, nullptr).Show(); // leaves the index
    int read = 0;
    std::size_t listed = 0;
    for (auto _ : state) {
        ArchivePage page(settings, dataFolder, nullptr);
        page.Show();
        read = page.Scanner().FilesReadLastScan();
        listed = page.ListRows().size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["read"] = read;
    state.counters["listed"] = double(listed);
}

} // namespace

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
// 0: one thread per core (at most 8); 1: a single thread.
BENCHMARK(FirstScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RescanUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PageShowUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartWithIndex)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    SessionsFolder();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
