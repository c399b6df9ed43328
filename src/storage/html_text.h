#pragma once
// Small text routines for HTML output.
#include <QString>

QString HtmlColor(quint32 colour);             // 0x00BBGGRR -> "#RRGGBB"
QString LineBreaksToHtml(const QString& text); // CR LF -> "<BR>"
// Wraps every "http://" address (up to the first blank or CR) in an anchor, once per occurrence, in one
// left-to-right pass.
QString LinkifyText(const QString& text);
