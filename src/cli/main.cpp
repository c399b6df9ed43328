#include "command_registry.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

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

std::optional<QString> TakeOption(QStringList& args, const QString& name) {
    const int at = int(args.indexOf(name));
    if (at < 0 || at + 1 >= args.size())
        return std::nullopt;
    QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

} // namespace cli

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const auto& commands = cli::Commands();
    if (args.isEmpty() || args.first() == QLatin1String("help") || args.first() == QLatin1String("--help")) {
        cli::PrintLine(QStringLiteral("usage: vorlapa-cli COMMAND ..."));
        for (const auto& [name, info] : commands)
            cli::PrintLine(QStringLiteral("  ") + info.usage);
        return args.isEmpty() ? 1 : 0;
    }
    const QString name = args.takeFirst();
    const auto found = commands.find(name);
    if (found == commands.end()) {
        cli::PrintError(QStringLiteral("Unknown command: ") + name);
        return 1;
    }
    std::fflush(stdout);
    const int status = found->second.handler(args);
    std::fflush(stdout);
    return status;
}
