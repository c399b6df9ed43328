#pragma once
// Set-up of the message catalogues behind Translate(): gettext domain "default", catalogues in
// <folder>/<lang>/LC_MESSAGES/default.mo.
#include <QString>
#include <QStringList>

// Where the compiled catalogues are: VORLAPA_LOCALE_DIR when set, else "locale" beside the executable,
// two folders up (the build tree) or in ../share/vorlapa. "" when none exists.
QString FindCatalogueFolder(const QString& executableFolder, const QString& environmentValue);

// Binds the domain to the folder and makes gettext translate: messages under the UTF-8 C locale, the
// language through LANGUAGE. language: the "-lang" code (refused unless IsSafeLanguageCode), or "" to take
// it from LANGUAGE or LANG ("sv_SE.UTF-8" looks up "sv_SE", then "sv"). Returns false when a "-lang" code
// was refused.
bool UseLanguage(const QString& catalogueFolder, const QString& language);
