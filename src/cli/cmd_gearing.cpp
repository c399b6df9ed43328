// vorlapa-cli gearing FILE [--vehicle CODE] [--mode normal|rev-limit|optimal|fix-speed] [--fix-speed V]
// Loads the setup of a setup or session file and prints the gearing page's figures: one line per gear
// (gear, ratio, speed, rpm, drop, "!" when the rpm shows in the warning colour), then the final ratio.
#include "command_registry.h"
#include "file_operand.h"
#include "session/setup_calculators.h"
#include "session/setup_model.h"
#include "stderr_prompter.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

namespace {

const QString kUsage = QStringLiteral("gearing FILE [--vehicle mc|sidecar|gokart|car] "
                                      "[--mode normal|rev-limit|optimal|fix-speed] [--fix-speed V]");

std::optional<GearCalcMode> ModeOf(const QString& name) {
    if (name == u"normal") return GearCalcMode::Normal;
    if (name == u"rev-limit") return GearCalcMode::FindRevLimit;
    if (name == u"optimal") return GearCalcMode::OptimalShiftRpm;
    if (name == u"fix-speed") return GearCalcMode::FixSpeed;
    return std::nullopt;
}

std::optional<VehicleType> VehicleOfCode(const QString& code) {
    for (VehicleType type :
         {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart, VehicleType::Car})
        if (VehicleCode(type) == code) return type;
    return std::nullopt;
}

// Without --vehicle the setup is read as the vehicle it was saved for.
VehicleType VehicleOfFile(const QString& path) {
    TTxtParser reader;
    reader.OpenRead(path);
    const QString code = reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
    reader.Close();
    return VehicleOfCode(code).value_or(VehicleType::Motorcycle);
}

int Gearing(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> code = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const std::optional<QString> modeName = cli::TakeOption(args, QStringLiteral("--mode"));
    const std::optional<QString> fixSpeed = cli::TakeOption(args, QStringLiteral("--fix-speed"));
    const std::optional<GearCalcMode> mode = ModeOf(modeName.value_or(QStringLiteral("normal")));
    const auto file = cli::FileOperand(cli::Operands(args), kUsage, mode.has_value());
    if (!file) return file.error();
    const QString& path = *file;
    std::optional<VehicleType> vehicle = code ? VehicleOfCode(*code) : VehicleOfFile(path);
    if (!vehicle) {
        cli::PrintError(Fill(Translate("Unknown vehicle code: %s"), *code));
        return 1;
    }

    cli::StderrPrompter prompter;
    SetupModel setup(*vehicle, &prompter);
    SetupCalculators calculators(setup);
    if (!setup.OpenSetup(path)) return 1;
    if (fixSpeed) calculators.SetText(GearingField::FixSpeed, *fixSpeed);
    calculators.GearCalcModeComboBoxChange(*mode);

    const GearingView& view = calculators.Gearing().View();
    for (int gear = 0; gear < GearCount; ++gear) {
        const GearRowView& row = view.gears[gear];
        cli::PrintLine(QStringList{QString::number(gear + 1), row.ratio, row.speed, row.rpm, row.drop,
                                   row.rpmWarning ? QStringLiteral("!") : QString()}
                           .join(QLatin1Char('\t')));
    }
    cli::PrintLine(QStringLiteral("Final: ") + view.finalRatio);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("gearing"), kUsage, Gearing);

} // namespace
