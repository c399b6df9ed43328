// Loading a session-sized tag file by reading every key: the indexed reader against literal rescanning.
#include "gen_tag_file.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <benchmark/benchmark.h>

namespace {

const GeneratedTagFile& SessionFile() {
    static const GeneratedTagFile file = GenerateSessionTagFile(600);
    return file;
}

void IndexedReadEveryKey(benchmark::State& state) {
    const GeneratedTagFile& file = SessionFile();
    for (auto _ : state) {
        TTxtParser parser;
        parser.OpenReadText(file.text);
        for (const auto& entry : file.keys) {
            QString value = parser.ReadValue(entry.section, entry.key);
            if (!entry.endMarker.isEmpty()) {
                QStringList lines;
                parser.ReadLines(lines, entry.endMarker);
                benchmark::DoNotOptimize(lines);
            }
            benchmark::DoNotOptimize(value);
        }
    }
    state.counters["keys"] = double(file.keys.size());
    state.counters["lines"] = double(SplitLines(file.text).size());
}

void RescanningReadEveryKey(benchmark::State& state) {
    const GeneratedTagFile& file = SessionFile();
    for (auto _ : state) {
        const QStringList lines = SplitLines(file.text);
        for (const auto& entry : file.keys) {
            qsizetype position = 0;
            QString value = ReadValueByRescanning(lines, entry.section, entry.key, &position);
            if (!entry.endMarker.isEmpty()) {
                QStringList block;
                while (position < lines.size() && !lines.at(position).contains(entry.endMarker))
                    block << lines.at(position++);
                benchmark::DoNotOptimize(block);
            }
            benchmark::DoNotOptimize(value);
        }
    }
    state.counters["keys"] = double(file.keys.size());
}

void OpenAndIndexOnly(benchmark::State& state) {
    const GeneratedTagFile& file = SessionFile();
    for (auto _ : state) {
        TTxtParser parser;
        parser.OpenReadText(file.text);
        benchmark::DoNotOptimize(parser.IsOpen());
    }
}

} // namespace

BENCHMARK(IndexedReadEveryKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(RescanningReadEveryKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenAndIndexOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
