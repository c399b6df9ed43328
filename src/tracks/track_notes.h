#pragma once
// Notes on screen (track, session and general notes): plain lines shown as rich text whose web addresses
// are links.
#include <QList>
#include <QString>
#include <QStringList>

// A web address in a line of notes: where its text stands and the address it opens.
struct NoteLink {
    qsizetype start = 0;
    qsizetype length = 0;
    QString address;
};

// The words of a line that are web addresses ("http://...", "https://...", "www...."; a bare "www." name
// gets "http://"), left to right. A word that starts within another one is none, closing punctuation
// belongs to the sentence, and only addresses the home page would accept count.
QList<NoteLink> NoteLinks(const QString& line);
// The address of the link at a position of the line; empty when there is none.
QString NoteLinkAt(const QString& line, qsizetype position);
// The lines as HTML, one paragraph each with its blanks kept: every character escaped, the words that
// NoteLinks finds made links to their address.
QString TrackNotesHtml(const QStringList& lines);
