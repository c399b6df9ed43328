// vorlapa-cli comma split LINE, comma join FIELD...
#include "command_registry.h"
#include "storage/comma_text.h"

namespace {

const QString kUsage = QStringLiteral("comma split LINE | comma join FIELD...");

int Comma(const QStringList& arguments) {
    const auto operands = cli::Operands(arguments);
    if (!operands) return cli::UsageError(kUsage);
    const QStringList& args = *operands;
    if (args.size() == 2 && args.at(0) == u"split") {
        for (const QString& field : CommaTextSplit(args.at(1)))
            cli::PrintLine(field);
        return 0;
    }
    if (!args.isEmpty() && args.at(0) == u"join") {
        cli::PrintLine(CommaTextJoin(args.mid(1)));
        return 0;
    }
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("comma"), kUsage, Comma);

} // namespace
