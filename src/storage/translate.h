#pragma once
// The one lookup of display texts (GNU gettext, domain kTextDomain). Codes and texts stored in files are
// never passed through it. Placeholders ("%s", "%d") are filled after the lookup, with Fill().
#include <QString>
#include <QStringList>

// The catalogue domain: catalogues are "vorlapa.mo". An installed program shares share/locale with every
// other program, so the domain carries the program's name rather than a generic one.
inline constexpr char kTextDomain[] = "vorlapa";

// Marks an English display text kept in a table or a constant for the catalogue template; the lookup
// itself happens where the text is shown (Translate). Expands to the bare literal, so it fits array
// initialisers and QStringLiteral alike.
#define N_(english) english

// Translated display text for the English text (the text itself when no catalogue has it).
QString Translate(const char* english);
QString Translate(const QString& english);
// Replaces the placeholders "%s" / "%d" in order with the given texts.
QString Fill(const QString& pattern, const QStringList& values);
inline QString Fill(const QString& pattern, const QString& value) {
    return Fill(pattern, QStringList{value});
}
