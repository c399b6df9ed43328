#pragma once
// "New session": prepares the current session for the next outing with the current setup. The dialog
// and the session's operations are reached through hooks.
#include "archive_page.h"
#include "services/services.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What the dialog starts with.
struct NewSessionDefaults {
    QStringList tracks; // the session's track list
    QString track;      // the current track
    QString eventName;
    QString sessionType;
};

// What the user chose; every check box starts checked.
struct NewSessionChoice {
    QString track;
    QString eventName;
    QString sessionType;
    bool updateTireData = true;
    bool clearLapTimes = true;
    bool clearNotes = true;
};

struct NewSessionHooks {
    std::function<NewSessionDefaults()> defaults;
    // The dialog "Prepare a new session using the current setup"; std::nullopt on Cancel.
    std::function<std::optional<NewSessionChoice>(const NewSessionDefaults&)> ask;
    std::function<void()> resetLapTimes; // asks its own questions
    std::function<void()> clearSessionNotes;
    std::function<void()> updateTireData; // from the tire database
    std::function<void(const QString& track)> selectTrack;
    std::function<void(const QString& eventName, const QString& sessionType)> setEventAndType;
    std::function<void()> forgetFileName; // the next save asks for a name
};

// Offers to save a changed session (Cancel stops), shows the dialog and, on OK, in this order: resets the
// lap times, clears the notes, takes the tire data, selects another track when one was chosen, copies
// event name and session type, forgets the file name. False when stopped or cancelled.
bool PrepareNewSession(const SessionCallbacks& session, const NewSessionHooks& hooks, Prompter& prompter);
