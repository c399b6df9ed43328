// vorlapa-cli air-density --temperature T --pressure P --humidity H [--temperature-unit U] [--pressure-unit
// U]
#include "command_registry.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/units.h"

namespace {

const QString kUsage =
    QStringLiteral("air-density --temperature T --pressure P --humidity H "
                   "[--temperature-unit Celsius|Fahrenheit] [--pressure-unit mbar|\"mm Hg\"|\"in Hg\"]");

int AirDensityCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const auto temperature = cli::TakeOption(args, QStringLiteral("--temperature"));
    const auto pressure = cli::TakeOption(args, QStringLiteral("--pressure"));
    const auto humidity = cli::TakeOption(args, QStringLiteral("--humidity"));
    const QString temperatureUnit =
        cli::TakeOption(args, QStringLiteral("--temperature-unit")).value_or(QStringLiteral(N_("Celsius")));
    const QString pressureUnit =
        cli::TakeOption(args, QStringLiteral("--pressure-unit")).value_or(QStringLiteral(N_("mbar")));
    const auto operands = cli::Operands(args);
    if (!temperature || !pressure || !humidity || !operands || !operands->isEmpty())
        return cli::UsageError(kUsage);
    double values[3] = {};
    const QString* texts[3] = {&*temperature, &*pressure, &*humidity};
    for (int i = 0; i < 3; ++i) {
        const auto value = IsDecimalText(*texts[i]) ? ParseDecimal(*texts[i]) : std::nullopt;
        if (!value) {
            cli::PrintError(Translate("Bad format, it must be a floating point value!"));
            return 1;
        }
        values[i] = *value;
    }
    cli::PrintLine(FormatPattern(AirDensity(temperatureUnit, pressureUnit, values[2], values[1], values[0]),
                                 QStringLiteral("0.0000")));
    return 0;
}

const cli::Registrar registrar(QStringLiteral("air-density"), kUsage, AirDensityCommand);

} // namespace
