// vorlapa-cli convert distance|volume KIND TEXT [--precise]
#include "command_registry.h"
#include "storage/number_format.h"
#include "storage/units.h"

namespace {

const QString kUsage = QStringLiteral("convert distance|volume KIND TEXT [--precise]");

int Convert(const QStringList& arguments) {
    QStringList args = arguments;
    const bool precise = cli::TakeFlag(args, QStringLiteral("--precise"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 3) return cli::UsageError(kUsage);
    args = *operands;
    const bool distance = args.at(0) == u"distance";
    if (!distance && args.at(0) != u"volume") return cli::UsageError(kUsage);
    const auto kind = ParseInteger(args.at(1));
    const int kinds = distance ? 8 : 6;
    if (!kind || *kind < 1 || *kind > kinds) {
        cli::PrintError(QStringLiteral("KIND must be 1 to %1").arg(kinds));
        return 1;
    }
    cli::PrintLine(distance ? ConvertDistance(*kind, args.at(2), precise)
                            : ConvertVolume(*kind, args.at(2), precise));
    return 0;
}

const cli::Registrar registrar(QStringLiteral("convert"), kUsage, Convert);

} // namespace
