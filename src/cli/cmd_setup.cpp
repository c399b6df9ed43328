// vorlapa-cli setup normalize FILE --vehicle CODE [-o OUT]
// vorlapa-cli setup parts AREA [--data-dir DIR] [--vehicle CODE]: the part-setup names of an area, one a
// line. vorlapa-cli setup compose OUT.set --vehicle CODE [--AREA NAME]... [--data-dir DIR]: the setup
// composed from those part setups, written as a setup file. Loads the setup of a setup or session file with
// every reading rule (vehicle check, older key sets, fallbacks) and writes it again with the current key set
// only.
#include "command_registry.h"
#include "data_folder_option.h"
#include "file_operand.h"

#include "app/settings_file.h"
#include "session/part_setups.h"
#include "session/setup_model.h"
#include "stderr_prompter.h"
#include "storage/date_time.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDateTime>
#include <QDir>
#include <cstdio>
#include <map>

namespace {

const QString kNormalizeUsage =
    QStringLiteral("setup normalize FILE --vehicle mc|sidecar|gokart|car [-o OUT]");
const QString kPartsUsage = QStringLiteral(
    "setup parts tire|suspension|engine|gearing|jetting|aerodynamics|weight|general [--data-dir DIR] "
    "[--vehicle CODE]");
const QString kComposeUsage =
    QStringLiteral("setup compose OUT.set --vehicle CODE [--AREA NAME]... [--data-dir DIR]");
const QString kUsage =
    kNormalizeUsage + QStringLiteral("\n       ") + kPartsUsage + QStringLiteral("\n       ") + kComposeUsage;
const QStringList kAreaWords = {"tire",    "suspension",   "engine", "gearing",
                                "jetting", "aerodynamics", "weight", "general"};

std::optional<VehicleType> VehicleOfCode(const QString& code) {
    for (VehicleType type :
         {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart, VehicleType::Car})
        if (VehicleCode(type) == code) return type;
    return std::nullopt;
}

int Normalize(QStringList args) {
    const std::optional<QString> code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const std::optional<QString> out = cli::TakeOption(args, QStringLiteral("-o"));
    const auto operands = cli::Operands(args);
    if (!code || !operands || operands->size() != 1) return cli::UsageError(kNormalizeUsage);
    const std::optional<VehicleType> vehicle = VehicleOfCode(*code);
    if (!vehicle) {
        cli::PrintError(QStringLiteral("Unknown vehicle code: ") + *code);
        return 1;
    }
    const auto file = cli::ExistingFile(operands->first());
    if (!file) return file.error();
    const QString& path = *file;

    cli::StderrPrompter prompter;
    SetupModel model(*vehicle, &prompter);
    // A file that cannot be read is refused here, so nothing is written over the output.
    if (!model.OpenSetup(path) || prompter.anyError) return 1;

    TTxtParser writer;
    writer.OpenWrite(out.value_or(QString()));
    writer.WriteSection(QStringLiteral("information"));
    writer.WriteValue(QStringLiteral("vehicle"), VehicleCode(*vehicle));
    model.WriteSetupSections(writer);
    if (!out) {
        const QByteArray bytes = EncodeFileText(writer.WrittenText());
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return 0;
    }
    const auto written = writer.Close();
    if (!written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

// The vehicle of --vehicle, else of the settings file; std::nullopt (message printed) when unknown.
std::optional<VehicleType> VehicleOption(const std::optional<QString>& code, const QString& dataDir) {
    if (code) {
        const auto vehicle = VehicleOfCode(code->toLower());
        if (!vehicle) cli::PrintError(Fill(Translate("Unknown vehicle type %s"), *code));
        return vehicle;
    }
    const ProgramSettings settings =
        cli::LoadDataFolderSettings(dataDir, [](const QString& message) { cli::PrintError(message); });
    return VehicleFromCode(settings.vehicle);
}

int Parts(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 1) return cli::UsageError(kPartsUsage);
    const auto area = PartSetupAreaOfWord(operands->first());
    if (!area) return cli::UsageError(kPartsUsage);
    const auto vehicle = VehicleOption(code, dataDir);
    if (!vehicle) return 1;
    for (const QString& name : ListPartSetups(dataDir, *area, *vehicle))
        cli::PrintLine(name);
    return 0;
}

int Compose(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    std::map<SetupArea, QString> names;
    for (const QString& word : kAreaWords)
        if (const auto name = cli::TakeOption(args, QStringLiteral("--") + word))
            names[*PartSetupAreaOfWord(word)] = *name;
    const auto operands = cli::Operands(args);
    if (!code || !operands || operands->size() != 1) return cli::UsageError(kComposeUsage);
    const auto vehicle = VehicleOption(code, dataDir);
    if (!vehicle) return 1;
    cli::StderrPrompter prompter;
    SetupModel model(*vehicle, &prompter);
    ComposeSetup(model, dataDir, names);
    if (prompter.anyError) return 1;
    TTxtParser writer;
    writer.OpenWrite(operands->first());
    writer.WriteSection(QStringLiteral("information"));
    writer.WriteValue(QStringLiteral("vehicle"), VehicleCode(*vehicle));
    model.WriteSetupSections(writer);
    if (const auto written = writer.Close(); !written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

int Setup(const QStringList& args) {
    if (args.isEmpty()) return cli::UsageError(kUsage);
    if (args.first() == QLatin1String("normalize")) return Normalize(args.mid(1));
    if (args.first() == QLatin1String("parts")) return Parts(args.mid(1));
    if (args.first() == QLatin1String("compose")) return Compose(args.mid(1));
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("setup"), kUsage, Setup);

} // namespace
