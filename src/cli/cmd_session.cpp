// vorlapa-cli session stats FILE [--driver N]
// Per driver with laps (or the one driver asked for): laps, complete laps, best, mean, median and
// standard deviation of the complete laps, and with splits the best segment of each split and their sum,
// the theoretical best. TAB-separated caption and value lines.
// vorlapa-cli session laps FILE [--driver N] [--percent P]
// Prints one driver's laps of a session file: one line per lap with the lap table's cells separated by
// TAB, then the best lap with its number and the mean of the best P percent of the laps.
#include "command_registry.h"

#include "archive/session_statistics.h"
#include "session/session_file.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_figures.h"
#include "timing/lap_timer.h"

#include <QFileInfo>

namespace {

const QString kLapsUsage = QStringLiteral("session laps FILE [--driver 1-4] [--percent 0-100]");
const QString kStatsUsage = QStringLiteral("session stats FILE [--driver 1-4]");
const QString kUsage = kLapsUsage + QStringLiteral("\n       ") + kStatsUsage;

std::optional<int> IntegerOption(QStringList& args, const QString& name, int fallback, int low, int high) {
    const std::optional<QString> text = cli::TakeOption(args, name);
    if (!text) return fallback;
    const std::optional<int> value = ParseInteger(*text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
}

int Laps(QStringList args) {
    const std::optional<int> driver = IntegerOption(args, QStringLiteral("--driver"), 1, 1, 4);
    const std::optional<int> percent = IntegerOption(args, QStringLiteral("--percent"), 100, 0, 100);
    const auto operands = cli::Operands(args);
    if (!driver || !percent || !operands || operands->size() != 1) return cli::UsageError(kLapsUsage);
    const QString path = operands->first();
    if (!QFileInfo(path).isFile()) {
        cli::PrintError(Fill(Translate("File %s does not exist!"), path));
        return 1;
    }
    bool failed = false;
    TTxtParser reader([&failed](const QString& message) {
        failed = true;
        cli::PrintError(message);
    });
    reader.OpenRead(path);
    if (failed) return 1;
    const LapData data = ReadLapData(reader);
    reader.Close();

    TLapTimer timer;
    timer.SetSplits(ParseInteger(data.splitsPerLap).value_or(0));
    timer.SetPercentForMean(*percent);
    if (const auto loaded = timer.LoadFromText(data.slots[size_t(*driver - 1)].splitTimes); !loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    for (int lap = 1; lap <= timer.LapCount(); ++lap)
        cli::PrintLine(timer.LapRow(lap).join(u'\t'));
    // The best lap as the live figures show it, with its lap number.
    cli::PrintLine(QStringLiteral("Best: ") + ComputeLapFigures(timer, QString(), TimingUnits()).best);
    cli::PrintLine(QStringLiteral("Mean: ") + timer.MeanOfBestText());
    return 0;
}

int Stats(QStringList args) {
    const bool oneDriver = args.contains(QStringLiteral("--driver"));
    const std::optional<int> driver = IntegerOption(args, QStringLiteral("--driver"), 1, 1, 4);
    const auto operands = cli::Operands(args);
    if (!driver || !operands || operands->size() != 1) return cli::UsageError(kStatsUsage);
    const QString path = operands->first();
    if (!QFileInfo(path).isFile()) {
        cli::PrintError(Fill(Translate("File %s does not exist!"), path));
        return 1;
    }
    bool failed = false;
    TTxtParser reader([&failed](const QString& message) {
        failed = true;
        cli::PrintError(message);
    });
    reader.OpenRead(path);
    if (failed) return 1;
    const LapData data = ReadLapData(reader);
    reader.Close();
    const int splits = ParseInteger(data.splitsPerLap).value_or(0);
    const auto line = [](const QString& caption, const QString& value) {
        cli::PrintLine(caption + u'\t' + value);
    };
    for (int slot = 1; slot <= 4; ++slot) {
        if (oneDriver && slot != *driver) continue;
        TLapTimer timer;
        timer.SetSplits(splits);
        if (const auto loaded = timer.LoadFromText(data.slots[std::size_t(slot - 1)].splitTimes); !loaded) {
            cli::PrintError(loaded.error());
            return 1;
        }
        if (timer.LapCount() == 0 && !oneDriver) continue;
        const LapStatistics figures = ComputeLapStatistics(timer);
        const QString name = data.slots[std::size_t(slot - 1)].name;
        line(QStringLiteral("Driver"),
             name.isEmpty() ? QString::number(slot) : QString::number(slot) + u' ' + name);
        line(QStringLiteral("Laps"), QString::number(figures.laps));
        line(QStringLiteral("Complete laps"), QString::number(figures.completeLaps));
        line(QStringLiteral("Best"), LapTimeText(figures.best));
        line(QStringLiteral("Mean"), LapTimeText(figures.mean));
        line(QStringLiteral("Median"), LapTimeText(figures.median));
        line(QStringLiteral("Standard deviation"), LapTimeText(figures.deviation));
        for (std::size_t segment = 0; segment < figures.bestSegments.size(); ++segment)
            line(QStringLiteral("Best segment ") + QString::number(segment + 1),
                 LapTimeText(figures.bestSegments[segment]));
        if (!figures.bestSegments.empty())
            line(QStringLiteral("Theoretical best"),
                 TotalTimeText(double(figures.theoreticalBest) / 86400000.0));
    }
    return 0;
}

const cli::Registrar registrar(QStringLiteral("session"), kUsage, [](const QStringList& args) {
    if (!args.isEmpty() && args.first() == QLatin1String("stats")) return Stats(args.mid(1));
    if (args.isEmpty() || args.first() != QLatin1String("laps")) return cli::UsageError(kUsage);
    return Laps(args.mid(1));
});

} // namespace
