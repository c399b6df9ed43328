#pragma once
// Text encoding of data files: written as UTF-8 with CR LF; read as UTF-8, falling back to Windows-1252
// for bytes that are not valid UTF-8 (files from older installations).
#include <QByteArray>
#include <QString>
#include <QStringList>

QString DecodeFileText(const QByteArray& bytes);
// Splits at CR LF, LF or a lone CR; a final line break does not add an empty line.
QStringList SplitLines(const QString& text);
QByteArray EncodeFileText(const QString& text); // UTF-8, line breaks as given
