#pragma once
// "File" > "Open setup from session": takes only the setup sections of a session file, with the vehicle
// check; the current session's lap data and conditions stay untouched.
#include <QString>
#include <functional>

class Prompter;
class SetupModel;

// unsavedChanges: the session or the setup has unsaved changes; the user is asked "Unsaved changes
// exists, save now?" first (Yes runs saveSession, Cancel stops). Then a session file is chosen in
// sessionsFolder and its setup opened. True when a setup was loaded.
bool OpenSetupFromSession(SetupModel& setup, Prompter& prompter, bool unsavedChanges,
                          const std::function<void()>& saveSession, const QString& sessionsFolder);
