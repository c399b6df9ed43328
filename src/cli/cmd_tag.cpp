// vorlapa-cli tag get FILE SECTION KEY, tag lines FILE SECTION KEY END_MARKER
#include "command_registry.h"
#include "file_operand.h"
#include "storage/txt_parser.h"

namespace {

const QString kUsage = QStringLiteral("tag get FILE SECTION KEY | tag lines FILE SECTION KEY END_MARKER");

int Tag(const QStringList& arguments) {
    const QStringList args = cli::Operands(arguments).value_or(QStringList());
    const bool lines = !args.isEmpty() && args.at(0) == u"lines";
    const bool get = !args.isEmpty() && args.at(0) == u"get";
    if ((!get || args.size() != 4) && (!lines || args.size() != 5)) return cli::UsageError(kUsage);
    if (const auto file = cli::ExistingFile(args.at(1)); !file) return file.error();
    // Every message of the reader (the file cannot be read, a missing ";") makes the command fail: the
    // value printed would not be the file's.
    bool failed = false;
    TTxtParser parser([&failed](const QString& message) {
        failed = true;
        cli::PrintError(message);
    });
    parser.OpenRead(args.at(1));
    if (failed) return 1;
    const QString value = parser.ReadValue(args.at(2), args.at(3));
    QStringList block;
    if (lines) parser.ReadLines(block, args.at(4));
    parser.Close();
    if (failed) return 1;
    if (get) {
        cli::PrintLine(value);
    } else {
        for (const QString& line : block)
            cli::PrintLine(line);
    }
    return 0;
}

const cli::Registrar registrar(QStringLiteral("tag"), kUsage, Tag);

} // namespace
