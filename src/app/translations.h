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
// catalogues through LANGUAGE. language: the "-lang" code, or "" to take it from LANG, else the system
// locale (see ChooseLanguage; "sv_SE" looks up "sv_SE", then "sv"; "nb"/"nn" end at "no"). With an
// application object running, the standard dialogs and controls get the language's texts as well (see
// RuntimeTextsOf). Returns false when a "-lang" code was refused (the environment decides then).
bool UseLanguage(const QString& catalogueFolder, const QString& language);
