#pragma once
// vorlapa [FILE.ses|FILE.set] [-lang CODE] [--data-dir DIR]
//         [--screenshot OUT.png [--page CAPTION|PATH] [--window NAME]]
#include <QString>
#include <QStringList>

struct CommandLine {
    QString firstParameter; // the first parameter as given ("" when none)
    QString language;       // the code after the first "-lang" that is not the last parameter
    QString dataDir;
    bool screenshot = false;
    QString screenshotPath;
    QString screenshotPage;
    QString screenshotWindow; // "--window NAME": a calculator window instead of the main window
    bool help = false;        // "--help" or "-h": print the usage and leave
    bool version = false;     // "--version": print the version and leave
};

// The usage printed by "vorlapa --help", several lines, ending with a line break.
QString CommandLineUsage();

// args without the program name.
CommandLine ParseCommandLine(const QStringList& args);

// A language code becomes part of a catalogue path, so only letters, digits, "_", "-", "." and "@" are
// accepted, starting with a letter or digit.
bool IsSafeLanguageCode(const QString& code);

enum class StartupFileKind { None, Session, Setup };
struct StartupFile {
    StartupFileKind kind = StartupFileKind::None;
    QString path;
};

// What start-up opens: a first parameter naming an existing file with the extension ".ses" or ".set"
// (exactly, lower case); an existing first parameter with any other extension opens nothing; otherwise
// the last session when reopening it is wanted. Relative paths of the first parameter are taken from
// launchFolder, the stored last session from dataFolder.
StartupFile ChooseStartupFile(const QString& firstParameter, const QString& launchFolder,
                              bool loadLastSession, const QString& lastSession, const QString& dataFolder);
