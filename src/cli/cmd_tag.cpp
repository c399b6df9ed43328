// vorlapa-cli tag get FILE SECTION KEY, tag lines FILE SECTION KEY END_MARKER
#include "command_registry.h"
#include "storage/txt_parser.h"

namespace {

const QString kUsage = QStringLiteral("tag get FILE SECTION KEY | tag lines FILE SECTION KEY END_MARKER");

int Tag(const QStringList& args) {
    const bool lines = !args.isEmpty() && args.at(0) == u"lines";
    const bool get = !args.isEmpty() && args.at(0) == u"get";
    if ((!get || args.size() != 4) && (!lines || args.size() != 5)) return cli::UsageError(kUsage);
    // The reader's messages (a missing ";") are shown, but the value is still the result.
    TTxtParser parser([](const QString& message) { cli::PrintError(message); });
    parser.OpenRead(args.at(1));
    const QString value = parser.ReadValue(args.at(2), args.at(3));
    if (get) {
        cli::PrintLine(value);
    } else {
        QStringList block;
        parser.ReadLines(block, args.at(4));
        for (const QString& line : block)
            cli::PrintLine(line);
    }
    parser.Close();
    return 0;
}

const cli::Registrar registrar(QStringLiteral("tag"), kUsage, Tag);

} // namespace
