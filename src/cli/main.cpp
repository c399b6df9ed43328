#include "command_registry.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

} // namespace cli

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
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
