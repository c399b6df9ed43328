#pragma once
// "vorlapa.ini": the program settings file, read and written through one table of its keys in file order.
#include "program_settings.h"
#include "storage/expected.h"
#include "storage/txt_parser.h"
#include <QString>
#include <QStringList>

inline constexpr char kSettingsFileName[] = "vorlapa.ini";

// Reads every key from an open parser; today is the default of the next backup reminder.
ProgramSettings ReadSettings(TTxtParser& parser, double today);
// Reads the file (a missing file gives the defaults); the reader's messages go to onMessage. unreadable,
// when given, tells whether the file exists but could not be read (the defaults were given).
ProgramSettings LoadSettingsFile(const QString& path, double today,
                                 const TTxtParser::MessageSink& onMessage = {}, bool* unreadable = nullptr);

// Writes every section and key in file order into a parser opened for writing. dataFolder decides the
// form of "last_session".
void WriteSettings(TTxtParser& parser, const ProgramSettings& settings, const QString& dataFolder);
// Writes the whole file (atomically); the error is the system's error text.
Expected<void, QString> SaveSettingsFile(const QString& path, const ProgramSettings& settings,
                                         const QString& dataFolder);

// The effective record, one "section/key=value" line per key in file order; lists as "a|b|c", flags as
// "true" / "false".
QStringList SettingsShowLines(const ProgramSettings& settings);

// The stored form of the current session's path: ".\Sessions\<name>" when the session file is the one
// directly in the sessions folder, else the full path.
QString LastSessionForm(const QString& sessionPath, const QString& dataFolder);
