// vorlapa-cli laptime format|elapsed MS, laptime parse TEXT
#include "command_registry.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

namespace {

const QString kUsage = QStringLiteral("laptime format MS | laptime elapsed MS | laptime parse TEXT");

int LapTime(const QStringList& arguments) {
    const auto operands = cli::Operands(arguments);
    if (!operands || operands->size() != 2) return cli::UsageError(kUsage);
    const QStringList& args = *operands;
    const QString& mode = args.at(0);
    if (mode == u"parse") {
        const auto parsed = ParseLapTime(args.at(1));
        if (!parsed) {
            cli::PrintError(parsed.error());
            return 1;
        }
        cli::PrintLine(parsed->has_value() ? QString::number(**parsed) : QString());
        return 0;
    }
    if (mode != u"format" && mode != u"elapsed") return cli::UsageError(kUsage);
    const auto ms = ParseInteger(args.at(1));
    if (!ms) {
        cli::PrintError(Translate("Bad format, it must be an integer!"));
        return 1;
    }
    cli::PrintLine(mode == u"format" ? LapTimeText(*ms) : ElapsedTimeText(*ms));
    return 0;
}

const cli::Registrar registrar(QStringLiteral("laptime"), kUsage, LapTime);

} // namespace
