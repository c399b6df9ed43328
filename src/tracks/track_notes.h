#pragma once
// The track notes on screen: plain lines shown as rich text whose web addresses are links.
#include <QString>
#include <QStringList>

// The lines as HTML, one paragraph each with its blanks kept: every character escaped, words that are web
// addresses ("http://...", "https://...", "www....") made links to that address (a bare "www." name gets
// "http://"). Only addresses the home page would accept become links.
QString TrackNotesHtml(const QStringList& lines);
