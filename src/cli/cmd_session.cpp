// vorlapa-cli session stats FILE [--driver N]
// Per driver with laps (or the one driver asked for): laps, complete laps, best, mean, median and
// standard deviation of the complete laps, and with splits the best segment of each split and their sum,
// the theoretical best. TAB-separated caption and value lines.
// vorlapa-cli session laps FILE [--driver N] [--percent P]
// Prints one driver's laps of a session file: one line per lap with the lap table's cells separated by
// TAB, then the best lap with its number and the mean of the best P percent of the laps.
// vorlapa-cli session tires FILE.ses [--data-dir DIR]
// Prints the session's tire readings, a header and one line per wheel, cells separated by TAB: wheel,
// cold pressure (from the setup), hot pressure, increase, and for cars and karts the circumference
// before (from the setup) and after with the difference in length and percent. Lengths are shown in the
// data folder's distance unit.
#include "command_registry.h"
#include "data_folder_option.h"
#include "file_operand.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "session/setup_model.h"
#include "session/tire_readings.h"
#include "storage/date_time.h"
#include "timing/lap_figures.h"

#include "archive/session_statistics.h"
#include "session/session_file.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_figures.h"
#include "timing/lap_timer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace cli {
// "session enter" (cmd_lap_entry.cpp).
QString SessionEnterUsage();
int SessionEnter(const QStringList& args);
} // namespace cli

namespace {

const QString kLapsUsage = QStringLiteral("session laps FILE [--driver 1-4] [--percent 0-100]");
const QString kStatsUsage = QStringLiteral("session stats FILE [--driver 1-4]");
const QString kTiresUsage = QStringLiteral("session tires FILE.ses [--data-dir DIR]");
const QString kUsage = kLapsUsage + QStringLiteral("\n       ") + kStatsUsage + QStringLiteral("\n       ") +
                       kTiresUsage + QStringLiteral("\n       ") + cli::SessionEnterUsage();

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

int Tires(QStringList args) {
    const std::optional<QString> dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const auto file = cli::FileOperand(cli::Operands(args), kTiresUsage);
    if (!file) return file.error();
    const QString path = QFileInfo(*file).absoluteFilePath();
    const QString dataFolder = cli::DataFolder(dataDir);
    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings = cli::LoadDataFolderSettings(dataFolder, report);
    if (prompter.anyError) return 1;
    const bool miles = TimingUnitsOfSystem(settings.systemUnit).distanceInMiles;

    TTxtParser reader(report);
    reader.OpenRead(path);
    if (prompter.anyError) return 1;
    // The file's own vehicle; a file without one is read for the vehicle the settings hold.
    QString code = reader.ReadValue(SessionKeys::Information, QStringLiteral("vehicle"));
    if (code.isEmpty()) code = settings.vehicle;
    const VehicleType vehicle = VehicleFromCode(code);
    SessionUnits units;
    units.miles = miles;
    const SessionRecord record = ReadSessionSections(reader, units);
    SetupModel setup(vehicle, &prompter);
    setup.ApplyDistanceUnit(miles);
    if (!setup.OpenSetup(path, &reader) || prompter.anyError) return 1;
    reader.Close();

    TireReadings readings(vehicle);
    readings.CopyFromSetup(setup.Record());
    QStringList header = {QStringLiteral("Wheel"), QStringLiteral(N_("Cold")), QStringLiteral(N_("Hot")),
                          QStringLiteral("Increase")};
    const std::vector<TireReading> wheels = readings.Readings(record);
    const bool circumference = !wheels.empty() && wheels.front().hasCircumference;
    if (circumference)
        header << QStringLiteral("Circumference before") << QStringLiteral("Circumference after")
               << QStringLiteral("Difference") << QStringLiteral("Percent");
    cli::PrintLine(header.join(u'\t'));
    for (const TireReading& wheel : wheels) {
        QStringList cells = {wheel.wheel, wheel.cold, wheel.hot, wheel.increase};
        if (circumference) cells << wheel.before << wheel.after << wheel.difference << wheel.percent;
        cli::PrintLine(cells.join(u'\t'));
    }
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
    if (!args.isEmpty() && args.first() == QLatin1String("laps")) return Laps(args.mid(1));
    if (!args.isEmpty() && args.first() == QLatin1String("stats")) return Stats(args.mid(1));
    if (!args.isEmpty() && args.first() == QLatin1String("tires")) return Tires(args.mid(1));
    if (!args.isEmpty() && args.first() == QLatin1String("enter")) return cli::SessionEnter(args.mid(1));
    return cli::UsageError(kUsage);
});

} // namespace
