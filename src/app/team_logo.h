#pragma once
// The team logotype of the "Active session" page: the picture dialog's filter and what happens with the
// chosen file (copied into the data folder when it lives elsewhere, remembered as the "logotype" setting).
#include <QString>

class AppState;

// "All (...)" and one entry per format, in the file dialog's syntax.
QString LogoFileFilter();

struct LogoPlacement {
    QString usedPath; // the file the logo is taken from
    bool copy;        // chosen file lies outside the data folder: copy it to usedPath first
};
// Where a chosen picture is used from: its own place when its folder is the data folder (compared
// case-insensitively), otherwise a file of the same name in the data folder.
LogoPlacement PlaceLogo(const QString& chosenPath, const QString& dataFolder);

// Takes the chosen picture as the team logo: copies it when needed (replacing a file of the same name),
// sets the "logotype" setting and writes the settings file. Returns the path to load, or an empty
// string when the file does not exist or could not be copied (the old logo stays; a failed copy is
// reported).
QString SetTeamLogo(AppState& state, const QString& chosenPath);
