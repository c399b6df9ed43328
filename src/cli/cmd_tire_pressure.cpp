// vorlapa-cli tire-pressure --ref-cold TEMP:PRESSURE --ref-hot TEMP:PRESSURE --temp T
// The tire pressure guru's suggested cold pressure for a tire temperature, as the guru shows it.
#include "calc/tire_pressure.h"
#include "command_registry.h"
#include "storage/number_format.h"
#include "storage/translate.h"

namespace {

const QString kUsage =
    QStringLiteral("tire-pressure --ref-cold TEMP:PRESSURE --ref-hot TEMP:PRESSURE --temp T");

// "20:1.80" -> ("20", "1.80"); a decimal comma is no separator here.
std::optional<std::pair<QString, QString>> Reading(const std::optional<QString>& text) {
    if (!text) return std::nullopt;
    const qsizetype colon = text->indexOf(QLatin1Char(':'));
    if (colon < 0 || text->indexOf(QLatin1Char(':'), colon + 1) >= 0) return std::nullopt;
    return std::pair{text->left(colon), text->mid(colon + 1)};
}

int TirePressure(const QStringList& arguments) {
    QStringList args = arguments;
    const auto cold = Reading(cli::TakeOption(args, QStringLiteral("--ref-cold")));
    const auto hot = Reading(cli::TakeOption(args, QStringLiteral("--ref-hot")));
    const std::optional<QString> temperature = cli::TakeOption(args, QStringLiteral("--temp"));
    const auto operands = cli::Operands(args);
    if (!cold || !hot || !temperature || !operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    const TirePressureReferences references{cold->first, cold->second, hot->first, hot->second};
    for (const QString& value : {references.coldTemp, references.coldPressure, references.hotTemp,
                                 references.hotPressure, *temperature})
        if (!IsDecimalText(value.trimmed())) {
            cli::PrintError(QStringLiteral("Not a number: ") + value);
            return 1;
        }
    const std::optional<QString> suggestion = SuggestColdPressure(references, *temperature);
    if (!suggestion) {
        cli::PrintError(Translate("The reference temperatures are equal: no suggestion"));
        return 1;
    }
    cli::PrintLine(*suggestion);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("tire-pressure"), kUsage, TirePressure);

} // namespace
