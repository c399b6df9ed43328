// vorlapa-cli clean-filename TEXT, html-color INTEGER, linkify TEXT
#include "command_registry.h"
#include "storage/file_names.h"
#include "storage/html_text.h"
#include "storage/translate.h"

namespace {

int CleanFileNameCommand(const QStringList& arguments) {
    const QStringList args = cli::Operands(arguments).value_or(QStringList());
    if (args.size() != 1) return cli::UsageError(QStringLiteral("clean-filename TEXT"));
    cli::PrintLine(CleanFileName(args.at(0)));
    return 0;
}

int HtmlColorCommand(const QStringList& arguments) {
    const QStringList args = cli::Operands(arguments).value_or(QStringList());
    if (args.size() != 1) return cli::UsageError(QStringLiteral("html-color INTEGER"));
    bool ok = false;
    const QString& text = args.at(0);
    // Decimal as stored in files; "0x" hexadecimal for convenience.
    const quint32 colour =
        text.startsWith(u"0x", Qt::CaseInsensitive) ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok, 10);
    if (!ok) {
        cli::PrintError(Translate("Bad format, it must be an integer!"));
        return 1;
    }
    cli::PrintLine(HtmlColor(colour));
    return 0;
}

int LinkifyCommand(const QStringList& arguments) {
    const QStringList args = cli::Operands(arguments).value_or(QStringList());
    if (args.size() != 1) return cli::UsageError(QStringLiteral("linkify TEXT"));
    cli::PrintLine(LinkifyText(args.at(0)));
    return 0;
}

const cli::Registrar cleanFileName(QStringLiteral("clean-filename"), QStringLiteral("clean-filename TEXT"),
                                   CleanFileNameCommand);
const cli::Registrar htmlColor(QStringLiteral("html-color"), QStringLiteral("html-color INTEGER"),
                               HtmlColorCommand);
const cli::Registrar linkify(QStringLiteral("linkify"), QStringLiteral("linkify TEXT"), LinkifyCommand);

} // namespace
