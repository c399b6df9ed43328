#pragma once
// Escaping of user text for the HTML reports. The writer inserts every text as given; a report passes
// each user text through the helper for the place it goes to and builds only its own markup around it.
#include "html_charset.h"
#include <QString>

// Element text: "&", "<", ">", double quote and apostrophe as references; control characters other than
// tab, CR and LF dropped; characters the declared set cannot hold as numeric references.
QString HtmlEscapeText(const QString& text, HtmlCharset charset = HtmlCharset::Latin1);
// Attribute value in double or single quotes: as element text, and tab, CR and LF as references so they
// survive inside the value.
QString HtmlEscapeAttribute(const QString& text, HtmlCharset charset = HtmlCharset::Latin1);
// The inside of a quoted script string (either quote), safe inside an event attribute and inside a
// script element: letters, digits, blank and harmless punctuation stay; everything else (quotes,
// backslash, "<", ">", "&", line breaks, non-ASCII) becomes a \xHH or \uHHHH escape.
QString HtmlEscapeScriptString(const QString& text);
// A link target, ready for an HREF value (quoted or not). Only "http:", "https:", "mailto:" and
// relative file paths (with an optional "#anchor" or "?query") pass; anything else - another scheme such
// as "javascript:", a drive path, an absolute or network path - becomes "#". Control characters are
// dropped, blanks become "%20", and the rest is escaped as an attribute value. Empty stays empty.
QString HtmlLinkTarget(const QString& target, HtmlCharset charset = HtmlCharset::Latin1);
