#pragma once
// Which language the texts are shown in, decided from the command line and the environment.
#include <QString>
#include <QStringList>

// The language asked for: the "-lang" code when given, else LANG ("sv_SE.UTF-8" -> "sv_SE"), else the
// system locale's name ("nb_NO"). "C" and "POSIX" mean English and give "". A code with characters other
// than letters, digits, "_", "-", "." and "@" is never taken (it becomes part of a path).
QString ChooseLanguage(const QString& argument, const QString& langVariable, const QString& systemLocale);

// Catalogue names to look for, most specific first: "sv_SE" -> sv_SE, sv; Norwegian Bokmål and Nynorsk
// ("nb_NO", "nn") fall back to the Norwegian catalogue "no". "" for "".
QStringList LanguageCandidates(const QString& language);

// Where the standard dialogs' and controls' own texts (buttons, file dialogs, edit menus) come from.
enum class RuntimeTexts {
    None,        // stay English
    QtCatalogue, // the translations shipped with Qt (qtbase_<lang>.qm)
    Own,         // this program's small catalogue (domain vorlapa-qt)
};
RuntimeTexts RuntimeTextsOf(const QString& catalogueName);
