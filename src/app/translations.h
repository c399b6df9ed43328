#pragma once
// Set-up of the message catalogues behind Translate(): gettext domain kTextDomain, catalogues in
// <folder>/<lang>/LC_MESSAGES/vorlapa.mo.
#include <QString>
#include <QStringList>

// Where the compiled catalogues are: VORLAPA_LOCALE_DIR when set, else "locale" beside the executable,
// ../share/locale when it holds this program's catalogues (an installed program: PREFIX/bin and
// PREFIX/share/locale), "locale" two folders up (the build tree) or ../share/vorlapa/locale. "" when none
// exists.
QString FindCatalogueFolder(const QString& executableFolder, const QString& environmentValue);

// Binds the domain to the folder and makes gettext translate: messages under the UTF-8 C locale, the
// language through LANGUAGE. language: the "-lang" code (refused unless IsSafeLanguageCode), or "" to take
// it from LANGUAGE or LANG ("sv_SE.UTF-8" looks up "sv_SE", then "sv"). Returns false when a "-lang" code
// was refused.
bool UseLanguage(const QString& catalogueFolder, const QString& language);
