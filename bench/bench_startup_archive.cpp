// What a full archive adds to the program's start: the program itself (vorlapa --screenshot on the
// "Completed" sessions page, offscreen) started over an empty data folder and over one holding 10,000
// sessions with the archive index of an earlier run, one after the other in each iteration. The CPU time
// of each process (user and system, from wait4) is reported, and the difference of the two (medians).
#include "gen_session_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kSessions = 10000;

double Seconds(const timeval& t) {
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

// Runs the program on the data folder; the CPU seconds it used, or a negative number when it failed.
double StartProgramCpuSeconds(const QString& dataFolder, const QString& screenshot) {
    const QByteArray program = VORLAPA_PROGRAM;
    const QByteArray folder = QFile::encodeName(dataFolder);
    const QByteArray shot = QFile::encodeName(screenshot);
    std::vector<char*> argv = {const_cast<char*>(program.constData()), const_cast<char*>("--data-dir"),
                               const_cast<char*>(folder.constData()),  const_cast<char*>("--screenshot"),
                               const_cast<char*>(shot.constData()),    const_cast<char*>("--page"),
                               const_cast<char*>("Completed"),         nullptr};
    // The program's own messages (the offscreen platform's notes) would only clutter the report.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

struct DataFolders {
    QTemporaryDir root;
    QString empty, full, screenshot;

    DataFolders() {
        empty = root.filePath(QStringLiteral("empty"));
        full = root.filePath(QStringLiteral("full"));
        screenshot = root.filePath(QStringLiteral("start.png"));
        QDir().mkpath(empty);
        GenerateSessionFiles(QDir(full).filePath(QStringLiteral("Sessions")), kSessions, 42);
        // The first start scans every session and writes the index; the measured starts find it, and
        // both folders have their settings file and start-up log.
        StartProgramCpuSeconds(empty, screenshot);
        StartProgramCpuSeconds(full, screenshot);
    }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The medians over the iterations: a start is short, and a single slow one (another process, the disk)
// would move a mean.
void BM_StartWithFullArchive(benchmark::State& state) {
    static DataFolders folders;
    std::vector<double> empty, full, added;
    for (auto _ : state) {
        const double emptyStart = StartProgramCpuSeconds(folders.empty, folders.screenshot);
        const double fullStart = StartProgramCpuSeconds(folders.full, folders.screenshot);
        if (emptyStart < 0 || fullStart < 0) {
            state.SkipWithError("the program did not start and exit cleanly");
            return;
        }
        empty.push_back(emptyStart * 1000);
        full.push_back(fullStart * 1000);
        added.push_back((fullStart - emptyStart) * 1000);
    }
    state.counters["empty_cpu_ms"] = Median(empty);
    state.counters["full_cpu_ms"] = Median(full);
    state.counters["added_cpu_ms"] = Median(added);
    state.counters["sessions"] = kSessions;
}

} // namespace

BENCHMARK(BM_StartWithFullArchive)->Iterations(15)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
