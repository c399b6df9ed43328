// vorlapa-cli fuel session FILE.ses [--data-dir DIR]
// The session's consumption figures (total, per lap, distance per fuel, per hour) as caption<TAB>value
// lines, captions as the session page shows them in the data folder's unit system. The track length
// comes from the data folder's track list, the laps and times from driver 1.
// vorlapa-cli fuel amount --dry D --wet W --wet-percent P --laps N [--extra-laps E] [--required R]
//     [--premix PCT] [--units metric|us|imperial]
// vorlapa-cli fuel remaining --tank-weight W --empty-weight E --density D [--units ...]
// The fuel amount calculator's figures as caption<TAB>value lines.
// vorlapa-cli pitstops plan --capacity C --least L --consumption X --laps N [--from LAP] [--units ...]
// The refuelling planner's rows, TAB-separated under the header Lap, Fuel fill amount, Tires, Other.
#include "command_registry.h"
#include "data_folder_option.h"
#include "file_operand.h"
#include "stderr_prompter.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "calc/fuel_calc.h"
#include "session/session_fields.h"
#include "session/session_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "timing/lap_timer.h"
#include "tracks/track_list.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kSessionUsage = QStringLiteral("fuel session FILE.ses [--data-dir DIR]");
const QString kAmountUsage =
    QStringLiteral("fuel amount --dry D --wet W --wet-percent P --laps N [--extra-laps E] [--required R] "
                   "[--premix PCT] [--units metric|us|imperial]");
const QString kRemainingUsage = QStringLiteral(
    "fuel remaining --tank-weight W --empty-weight E --density D [--units metric|us|imperial]");
const QString kFuelUsage = kSessionUsage + QStringLiteral("\n       ") + kAmountUsage +
                           QStringLiteral("\n       ") + kRemainingUsage;
const QString kPitUsage = QStringLiteral("pitstops plan --capacity C --least L --consumption X --laps N "
                                         "[--from LAP] [--units metric|us|imperial]");

void PrintPair(const QString& caption, const QString& value) {
    cli::PrintLine(caption + u'\t' + value);
}

// The unit system named on the command line: true for litres; std::nullopt for an unknown name.
std::optional<bool> LitresOption(QStringList& args) {
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    if (!units) return true;
    const QString name = units->toLower();
    if (name == u"metric") return true;
    if (name == u"us" || name == u"imperial") return false;
    return std::nullopt;
}

bool AllNumbers(const QStringList& texts) {
    for (const QString& text : texts)
        if (!text.isEmpty() && !IsDecimalText(text.trimmed())) {
            cli::PrintError(QStringLiteral("Not a number: ") + text);
            return false;
        }
    return true;
}

QString WithUnit(const char* caption, const QString& unit) {
    return Translate(caption) + QStringLiteral(" [") + unit + u']';
}

int Session(QStringList args) {
    const std::optional<QString> dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const auto file = cli::FileOperand(cli::Operands(args), kSessionUsage);
    if (!file) return file.error();
    const QString path = QFileInfo(*file).absoluteFilePath();
    const QString dataFolder = cli::DataFolder(dataDir);
    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings = cli::LoadDataFolderSettings(dataFolder, report);
    if (prompter.anyError) return 1;
    const DerivedUnits derived = DerivedUnitsOf(settings.systemUnit);
    const bool litres = derived.volume == Unit::Litres;

    TTxtParser reader(report);
    reader.OpenRead(path);
    if (prompter.anyError) return 1;
    SessionUnits units;
    units.volumeUnit = derived.volume;
    units.miles = derived.distance == Unit::Miles;
    const SessionRecord record = ReadSessionSections(reader, units);
    reader.Close();

    const SlotLapData& driver1 = record.lapData.slots[0];
    TLapTimer timer;
    timer.SetSplits(ParseInteger(record.lapData.splitsPerLap).value_or(0));
    if (const auto loaded = timer.LoadFromText(driver1.splitTimes); !loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    const TTrackList tracks = LoadTrackListFile(dataFolder, {}, report);
    if (prompter.anyError) return 1;
    const int track = tracks.IndexOf(record.Track());
    SessionConsumptionInput in;
    in.fuelAtStart = record.Value(SessionKeys::Conditions, SessionKeys::AmountFuel);
    in.fuelAfter = record.Value(SessionKeys::SessionNotes, QStringLiteral("fuel_after_session"));
    in.laps = QString::number(timer.LapCount());
    in.trackLength = track < 0 ? QString() : tracks.At(track).info.Length;
    in.litres = litres;
    in.startTime = driver1.startTime;
    in.stopTime = driver1.stopTime;
    in.pitStopMs = driver1.pitStopTime;
    const auto figures = SessionConsumptionOf(in);
    if (!figures) {
        cli::PrintError(figures.error());
        return 1;
    }
    for (const auto& [caption, value] : SessionConsumptionLines(*figures, litres))
        PrintPair(caption, value);
    return 0;
}

int Amount(QStringList args) {
    const auto dry = cli::TakeOption(args, QStringLiteral("--dry"));
    const auto wet = cli::TakeOption(args, QStringLiteral("--wet"));
    const auto percent = cli::TakeOption(args, QStringLiteral("--wet-percent"));
    const auto laps = cli::TakeOption(args, QStringLiteral("--laps"));
    const QString extra = cli::TakeOption(args, QStringLiteral("--extra-laps")).value_or(QString());
    const QString required = cli::TakeOption(args, QStringLiteral("--required")).value_or(QString());
    const QString premix = cli::TakeOption(args, QStringLiteral("--premix")).value_or(QString());
    const auto litres = LitresOption(args);
    const auto operands = cli::Operands(args);
    if (!dry || !wet || !percent || !laps || !litres || !operands || !operands->isEmpty())
        return cli::UsageError(kAmountUsage);
    if (!AllNumbers({*dry, *wet, *laps, extra, required, premix})) return 1;
    const auto position = ClampWetPercent(*percent);
    if (!position) {
        cli::PrintError(QStringLiteral("Not a whole percent: ") + *percent);
        return 1;
    }
    const FuelAmount a = CalcFuelAmount({*dry, *wet, *position, *laps, extra, required, premix, QString()});
    const FuelCaptions c = FuelCaptionsFor(*litres);
    PrintPair(Translate("Track condition [% wet]"), QString::number(*position));
    PrintPair(WithUnit(N_("Approx. consumption"), c.approxPerLap), a.approxPerLap);
    PrintPair(WithUnit("Total fuel needed", c.volume), a.total);
    PrintPair(WithUnit("Gasoline", c.volume), a.gasoline);
    PrintPair(WithUnit("Oil", c.volume), a.oil);
    return 0;
}

int Remaining(QStringList args) {
    const auto full = cli::TakeOption(args, QStringLiteral("--tank-weight"));
    const auto empty = cli::TakeOption(args, QStringLiteral("--empty-weight"));
    const auto density = cli::TakeOption(args, QStringLiteral("--density"));
    const auto litres = LitresOption(args);
    const auto operands = cli::Operands(args);
    if (!full || !empty || !density || !litres || !operands || !operands->isEmpty())
        return cli::UsageError(kRemainingUsage);
    if (!AllNumbers({*full, *empty, *density})) return 1;
    const FuelCaptions c = FuelCaptionsFor(*litres);
    PrintPair(WithUnit("Remaining fuel", c.remaining), RemainingFuel(*full, *empty, *density));
    return 0;
}

int FuelCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kFuelUsage);
    const QString action = args.takeFirst();
    if (action == u"session") return Session(args);
    if (action == u"amount") return Amount(args);
    if (action == u"remaining") return Remaining(args);
    return cli::UsageError(kFuelUsage);
}

int PitStopsCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty() || args.takeFirst() != u"plan") return cli::UsageError(kPitUsage);
    const auto capacity = cli::TakeOption(args, QStringLiteral("--capacity"));
    const auto least = cli::TakeOption(args, QStringLiteral("--least"));
    const auto consumption = cli::TakeOption(args, QStringLiteral("--consumption"));
    const auto laps = cli::TakeOption(args, QStringLiteral("--laps"));
    const QString from = cli::TakeOption(args, QStringLiteral("--from")).value_or(QStringLiteral("0"));
    const auto litres = LitresOption(args);
    const auto operands = cli::Operands(args);
    if (!capacity || !least || !consumption || !laps || !litres || !operands || !operands->isEmpty())
        return cli::UsageError(kPitUsage);
    if (!AllNumbers({*capacity, *least, *consumption})) return 1;
    const auto lapsToRun = ParseInteger(laps->trimmed());
    const auto fromLap = ParseInteger(from.trimmed());
    if (!lapsToRun || !fromLap || *fromLap < 0) {
        cli::PrintError(QStringLiteral("Not a lap number: ") + (lapsToRun ? from : *laps));
        return 1;
    }
    const PitPlan plan = PlanPitStops({}, *fromLap, {*capacity, *least, *consumption, *laps, *litres});
    if (!plan.planned) {
        cli::PrintError(plan.refusal);
        return 1;
    }
    QStringList header;
    for (const QString& column : PitStopColumns())
        header << Translate(column);
    cli::PrintLine(header.join(u'\t'));
    for (const QStringList& row : plan.rows)
        cli::PrintLine(row.join(u'\t'));
    return 0;
}

const cli::Registrar fuelRegistrar(QStringLiteral("fuel"), kFuelUsage, FuelCommand);
const cli::Registrar pitRegistrar(QStringLiteral("pitstops"), kPitUsage, PitStopsCommand);

} // namespace
