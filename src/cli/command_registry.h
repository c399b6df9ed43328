#pragma once
// vorlapa-cli: each cmd_*.cpp registers its subcommands with a static registrar, so adding a command
// never touches a shared file.
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>

namespace cli {

// Arguments after the command's name; returns the process exit status.
using CommandHandler = std::function<int(const QStringList& args)>;

struct CommandInfo {
    CommandHandler handler;
    QString usage; // one line, shown by "vorlapa-cli help"
};

std::map<QString, CommandInfo>& Commands();

struct Registrar {
    Registrar(const QString& name, const QString& usage, CommandHandler handler) {
        Commands()[name] = CommandInfo{std::move(handler), usage};
    }
};

// Output helpers: results on stdout (UTF-8, one per line), the program's messages on stderr.
void PrintLine(const QString& text);
void PrintError(const QString& text);
// Prints "usage: vorlapa-cli <usage>" on stderr and returns 1.
int UsageError(const QString& usage);

// Options are looked for only before "--", the end of options: what follows it is taken as it stands.
// Value of "--name VALUE" in args (both removed from args), or std::nullopt.
std::optional<QString> TakeOption(QStringList& args, const QString& name);
// Presence of "--name" in args (removed from args).
bool TakeFlag(QStringList& args, const QString& name);
// The operands left once the options are taken: args without the first "--". An argument before "--"
// that starts with "--" is an option the command does not know: std::nullopt. A single "-" starts an
// operand ("-1500").
std::optional<QStringList> Operands(const QStringList& args);
// "--help" before the end of options.
bool WantsHelp(const QStringList& args);

} // namespace cli
