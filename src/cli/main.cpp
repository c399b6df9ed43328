#include "command_registry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace cli {

std::map<QString, CommandInfo>& Commands() {
    static std::map<QString, CommandInfo> commands;
    return commands;
}

void PrintLine(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void PrintError(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int UsageError(const QString& usage) {
    PrintError(QStringLiteral("usage: vorlapa-cli ") + usage);
    return 1;
}

namespace {

const QString kEndOfOptions = QStringLiteral("--");

// The arguments that may be options: those before the first "--".
qsizetype OptionCount(const QStringList& args) {
    const qsizetype end = args.indexOf(kEndOfOptions);
    return end < 0 ? args.size() : end;
}

} // namespace

std::optional<QString> TakeOption(QStringList& args, const QString& name) {
    const qsizetype count = OptionCount(args);
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= count) return std::nullopt;
    QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& name) {
    bool found = false;
    for (qsizetype i = OptionCount(args) - 1; i >= 0; --i) {
        if (args.at(i) != name) continue;
        args.removeAt(i);
        found = true;
    }
    return found;
}

std::optional<QStringList> Operands(const QStringList& args) {
    const qsizetype count = OptionCount(args);
    QStringList operands;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (i == count) continue; // the end of options itself
        if (i < count && args.at(i).startsWith(kEndOfOptions)) return std::nullopt;
        operands << args.at(i);
    }
    return operands;
}

bool WantsHelp(const QStringList& args) {
    return args.mid(0, OptionCount(args)).contains(QStringLiteral("--help"));
}

// Text for a roff line: backslashes and minus signs escaped, and a line that would start with a control
// character ("." or "'") made plain.
QString RoffText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\e");
        else if (c == u'-')
            out += QStringLiteral("\\-");
        else
            out += c;
    }
    if (out.startsWith(u'.') || out.startsWith(u'\'')) out.prepend(QStringLiteral("\\&"));
    return out;
}

// The manual page, made from the registered commands' own usage lines so that it never drifts from them.
void PrintManualPage() {
    const QString version = QStringLiteral("%1.%2").arg(VORLAPA_VERSION_MAJOR).arg(VORLAPA_VERSION_MINOR);
    QStringList page{
        QStringLiteral(".TH VORLAPA\\-CLI 1 \"\" \"Vorlapa %1\" \"User Commands\"").arg(version),
        QStringLiteral(".SH NAME"),
        QStringLiteral("vorlapa\\-cli \\- work on Vorlapa's session, setup and data files without a window"),
        QStringLiteral(".SH SYNOPSIS"),
        QStringLiteral(".B vorlapa\\-cli"),
        QStringLiteral(".I COMMAND"),
        QStringLiteral("[\\fIARGUMENTS\\fR]"),
        QStringLiteral(".br"),
        QStringLiteral(".B vorlapa\\-cli help"),
        QStringLiteral("[\\fICOMMAND\\fR]"),
        QStringLiteral(".SH DESCRIPTION"),
        QStringLiteral(
            "The command\\-line companion of the Vorlapa desktop program reads and writes the same files."),
        QStringLiteral(
            "Results go to standard output (TAB\\-separated where they are tables), messages to standard"),
        QStringLiteral("error."),
        QStringLiteral(".B vorlapa\\-cli"),
        QStringLiteral(".I COMMAND"),
        QStringLiteral("\\-\\-help prints the usage of one command, and \\-\\- ends the options."),
        QStringLiteral(".SH COMMANDS"),
    };
    for (const auto& [name, info] : Commands()) {
        page << QStringLiteral(".TP") << QStringLiteral(".B ") + RoffText(name);
        page << QStringLiteral("vorlapa\\-cli ") + RoffText(info.usage);
    }
    page << QStringLiteral(".SH ENVIRONMENT") << QStringLiteral(".TP") << QStringLiteral(".B VORLAPA_DATA")
         << QStringLiteral(
                "The data folder of commands that take \\-\\-data\\-dir, when that option is not given.")
         << QStringLiteral(
                "Without either, the data folder is the program's folder when it holds vorlapa.ini, else")
         << QStringLiteral("~/.local/share/Vorlapa.") << QStringLiteral(".SH EXIT STATUS")
         << QStringLiteral("0 on success, 1 on a failure or a usage error (the message on standard error).")
         << QStringLiteral(".SH SEE ALSO") << QStringLiteral(".BR vorlapa (1)");
    for (const QString& line : page)
        PrintLine(line);
}

} // namespace cli

int main(int argc, char* argv[]) {
    // Printing labels needs fonts, so that command runs with a (windowless) GUI application.
    const bool printing = argc > 1 && std::strcmp(argv[1], "labels") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> application =
        printing ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QStringList args = app.arguments().mid(1);
    const auto& commands = cli::Commands();
    const bool listAll = args.isEmpty() || args.first() == QLatin1String("--help") ||
                         (args.first() == QLatin1String("help") && args.size() == 1);
    if (listAll) {
        cli::PrintLine(QStringLiteral("usage: vorlapa-cli COMMAND ..."));
        for (const auto& [name, info] : commands)
            cli::PrintLine(QStringLiteral("  ") + info.usage);
        return args.isEmpty() ? 1 : 0;
    }
    // "help --man": the manual page in roff, generated at build time (not listed among the commands).
    if (args.size() == 2 && args.at(0) == QLatin1String("help") && args.at(1) == QLatin1String("--man")) {
        cli::PrintManualPage();
        return 0;
    }
    // "help COMMAND" and "COMMAND --help" print that command's usage.
    const bool helpFor = args.first() == QLatin1String("help") && args.size() == 2;
    if (helpFor) args.removeFirst();
    const QString name = args.takeFirst();
    const auto found = commands.find(name);
    if (found == commands.end()) {
        cli::PrintError(QStringLiteral("Unknown command: ") + name);
        return 1;
    }
    if (helpFor || cli::WantsHelp(args)) {
        cli::PrintLine(QStringLiteral("usage: vorlapa-cli ") + found->second.usage);
        return 0;
    }
    std::fflush(stdout);
    const int status = found->second.handler(args);
    // Results that never reached their file (a full disk behind a redirection) are a failed command.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        cli::PrintError(QStringLiteral("Cannot write the results: ") +
                        QString::fromLocal8Bit(std::strerror(errno)));
        return 1;
    }
    return status;
}
