#pragma once
// Smart save: the proposed folder and file name of the current session, made from its track, driver 1's
// start and the session type, always inside the sessions folder.
#include "services/services.h"

#include <QString>
#include <functional>
#include <optional>

struct SmartSaveInput {
    QString track;
    QString sessionType;
    QString currentFile;         // the current session file, "" when none
    double driver1StartTime = 0; // day number
    int driver1LapCount = 0;
    double now = 0;               // day number
    bool intoTrackFolder = false; // "smartsave_into_trackfolder"
};

// "<track> <yyyy-mm-dd hh.mm> <type>.ses" (the date alone at midnight) as one safe file name; the time is
// driver 1's start when driver 1 has laps, else now. std::nullopt when the time is no valid date.
std::optional<QString> SmartSaveFileName(const SmartSaveInput& input);
// The folder the proposal goes in: "<dataFolder>/Sessions", or its sub-folder named after the track
// (made safe) when sessions go into track folders.
QString SmartSaveFolder(const SmartSaveInput& input, const QString& dataFolder);

// The whole command: proposes the name (on failure tells so and proposes the current file's name),
// creates the track folder ("Cannot create directory <folder>" ends it), asks for the file and saves
// through saveSessionTo. True when the session was saved.
bool SmartSaveSession(const SmartSaveInput& input, const QString& dataFolder, Prompter& prompter,
                      const std::function<bool(const QString& path)>& saveSessionTo);
