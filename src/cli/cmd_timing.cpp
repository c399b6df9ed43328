// vorlapa-cli timing simulate: runs the live timing on a scripted clock and prints what the page shows.
#include "command_registry.h"
#include "services/auto_answer_prompter.h"

#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "timing/live_timing_model.h"

#include "storage/atomic_file.h"
#include <array>
#include <vector>

namespace {

const QString kUsage =
    QStringLiteral("timing simulate FILE [--splits N] [--include-pitlaps] [--track-length METRES] "
                   "[--units metric|us|imperial] [--percent P]");

constexpr double kScriptDay = 45000.375; // 2023-03-15 09:00, the moment the script's tick 0 stands for

class ScriptClock : public Clock {
  public:
    std::uint32_t ms = 0;
    std::uint32_t TickMs() override { return ms; }
    double NowDayNumber() override { return kScriptDay + ms / 86400000.0; }
};

class SilentBeeper : public Beeper {
  public:
    void Beep() override {}
};

enum class Event { Start, Stop, Press, Undo, PitIn, PitOut };

struct ScriptLine {
    std::uint32_t ms = 0;
    Event event = Event::Press;
    int slot = 1;
};

const std::array<std::pair<const char*, Event>, 6> kEvents{{{"start", Event::Start},
                                                            {"stop", Event::Stop},
                                                            {"press", Event::Press},
                                                            {"undo", Event::Undo},
                                                            {"pitin", Event::PitIn},
                                                            {"pitout", Event::PitOut}}};

QString LineError(int number, const QString& message) {
    return Fill(Translate("Line %d: %s"), QStringList{QString::number(number), message});
}

// The script's events, or the first bad line's message.
Expected<std::vector<ScriptLine>, QString> ParseScript(const QString& text) {
    std::vector<ScriptLine> lines;
    const QStringList rows = SplitLines(text);
    std::uint32_t last = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const QString row = rows.at(i).trimmed();
        if (row.isEmpty() || row.startsWith(u'#')) continue;
        const QStringList f = row.split(u' ', Qt::SkipEmptyParts);
        if (f.size() != 3)
            return Unexpected(
                LineError(i + 1, Fill(Translate("expected \"MS EVENT SLOT\", found: %s"), row)));
        ScriptLine line;
        bool ok = false;
        line.ms = f.at(0).toUInt(&ok);
        if (!ok)
            return Unexpected(
                LineError(i + 1, Fill(Translate("\"%s\" is no tick in milliseconds"), f.at(0))));
        if (line.ms < last)
            return Unexpected(LineError(i + 1, Translate("the ticks must not go back in time")));
        last = line.ms;
        const auto found = std::find_if(kEvents.begin(), kEvents.end(),
                                        [&](const auto& e) { return f.at(1) == QLatin1String(e.first); });
        if (found == kEvents.end())
            return Unexpected(LineError(
                i + 1,
                Fill(Translate("unknown event \"%s\" (start, stop, press, undo, pitin, pitout)"), f.at(1))));
        line.event = found->second;
        line.slot = f.at(2).toInt(&ok);
        if (!ok || line.slot < 1 || line.slot > 4)
            return Unexpected(
                LineError(i + 1, Fill(Translate("\"%s\" is no driver slot (1 to 4)"), f.at(2))));
        lines.push_back(line);
    }
    return lines;
}

void Apply(LiveTimingModel& model, const ScriptLine& line) {
    switch (line.event) {
    case Event::Start:
        model.Start(line.slot);
        break;
    case Event::Stop:
        model.Stop(line.slot);
        break;
    case Event::Press:
        model.StopwatchPress(line.slot);
        break;
    case Event::Undo:
        model.Undo(line.slot);
        break;
    case Event::PitIn:
        model.PitIn(line.slot);
        break;
    case Event::PitOut:
        model.PitOut(line.slot);
        break;
    }
}

void PrintFigure(const char* caption, const QString& text) {
    cli::PrintLine(QString::fromLatin1(caption) + u':' + (text.isEmpty() ? QString() : u' ' + text));
}

void PrintSlot(const DriverSlot& slot) {
    cli::PrintLine(QStringLiteral("Slot %1").arg(slot.Number()));
    const LapTable& table = slot.table;
    cli::PrintLine(table.Headers().join(u'\t'));
    for (int row = 1; row <= table.LastFilledRow(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.ColumnCount(); ++column)
            cells << table.Cell(row, column);
        cli::PrintLine(cells.join(u'\t'));
    }
    PrintFigure("Best", slot.bestText);
    PrintFigure("Mean", slot.meanText);
    PrintFigure("Best speed", slot.bestSpeedText);
    PrintFigure("Mean speed", slot.meanSpeedText);
    PrintFigure("Distance", slot.distanceText);
    PrintFigure("Pit", slot.pitTimePanelVisible ? slot.pitTimeText : QString());
}

int Simulate(QStringList args) {
    const auto splits = cli::TakeOption(args, QStringLiteral("--splits"));
    const bool includePitLaps = cli::TakeFlag(args, QStringLiteral("--include-pitlaps"));
    const auto trackLength = cli::TakeOption(args, QStringLiteral("--track-length"));
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    const auto percent = cli::TakeOption(args, QStringLiteral("--percent"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 1) return cli::UsageError(kUsage);
    const QString scriptPath = operands->first();

    LiveTimingSettings settings;
    settings.includePitLaps = includePitLaps;
    if (units) {
        static const std::array<std::pair<const char*, const char*>, 3> kSystems{
            {{"metric", N_("Metric")}, {"us", N_("US Standard")}, {"imperial", N_("Imperial Standard")}}};
        const auto found = std::find_if(kSystems.begin(), kSystems.end(),
                                        [&](const auto& s) { return *units == QLatin1String(s.first); });
        if (found == kSystems.end()) return cli::UsageError(kUsage);
        settings.units = TimingUnitsOfSystem(QString::fromLatin1(found->second));
    }
    if (percent) {
        const auto value = ParseInteger(*percent);
        if (!value) {
            cli::PrintError(Translate("Bad format, it must be an integer!") + QStringLiteral(" (--percent)"));
            return 1;
        }
        settings.percentForMean = *value;
    }
    int splitCount = 0;
    if (splits) {
        const auto value = ParseInteger(*splits);
        if (!value || *value < 0 || *value > 3) {
            cli::PrintError(Fill(Translate("Splits per lap must be 0, 1, 2 or 3, not %s."), *splits));
            return 1;
        }
        splitCount = *value;
    }

    const auto bytes = ReadWholeFile(scriptPath);
    if (!bytes) {
        cli::PrintError(bytes.error());
        return 1;
    }
    const auto script = ParseScript(DecodeFileText(*bytes));
    if (!script) {
        cli::PrintError(script.error());
        return 1;
    }

    ScriptClock clock;
    SilentBeeper beeper;
    AutoAnswerPrompter prompter([](const QString& m) { cli::PrintError(m); });
    LiveTimingModel model(clock, beeper, prompter);
    model.SetSettings(settings);
    model.SetTrackLength(trackLength.value_or(QString()));
    model.SetSplitsText(QString::number(splitCount));

    std::array<bool, 5> ran{};
    std::uint32_t nextTick = ShowTimeModel::kTickMs;
    for (const ScriptLine& line : *script) {
        // The page's 100 ms ticks between the events.
        while (nextTick <= line.ms && model.AnyRunning()) {
            clock.ms = nextTick;
            model.Tick();
            nextTick += ShowTimeModel::kTickMs;
        }
        clock.ms = line.ms;
        nextTick = (line.ms / ShowTimeModel::kTickMs + 1) * ShowTimeModel::kTickMs;
        Apply(model, line);
        if (line.event == Event::Start && model.Slot(line.slot).IsRunning()) ran[size_t(line.slot)] = true;
    }
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        if (ran[size_t(slot)]) PrintSlot(model.Slot(slot));
    return 0;
}

const cli::Registrar kTiming(QStringLiteral("timing"), kUsage, [](const QStringList& args) {
    if (args.isEmpty() || args.first() != QLatin1String("simulate")) return cli::UsageError(kUsage);
    return Simulate(args.mid(1));
});

} // namespace
