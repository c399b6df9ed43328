#pragma once
// The character set a report declares, and the conversion of text into its bytes. A character the set
// cannot hold is written as a numeric character reference, so no text is lost or replaced by "?".
#include <QByteArray>
#include <QString>

enum class HtmlCharset { Latin1, Windows1252 };

// The name declared in the document head: "iso-8859-1" or "windows-1252".
QString CharsetName(HtmlCharset charset);
// Whether the set has a byte for the code point. Latin-1's bytes 0x80..0x9F are left out: browsers read
// them as Windows-1252 characters, so a C1 control written as such a byte would come back as another
// character.
bool CharsetHolds(HtmlCharset charset, char32_t codePoint);
// "&#N;" for the code point.
QString NumericReference(char32_t codePoint);
// The text in the set's bytes; characters it cannot hold become numeric references. A lone surrogate
// becomes U+FFFD's reference.
QByteArray EncodeHtml(const QString& text, HtmlCharset charset);
