#include "html_escape.h"

#include <QStringList>

namespace {

enum class Place { Text, Attribute };

QString Escape(const QString& text, HtmlCharset charset, Place place) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '>':
            out += QLatin1String("&gt;");
            continue;
        case '"':
            out += QLatin1String("&quot;");
            continue;
        case '\'':
            out += QLatin1String("&#39;");
            continue;
        case '\t':
        case '\r':
        case '\n':
            if (place == Place::Attribute)
                out += NumericReference(c.unicode());
            else
                out += c;
            continue;
        default:
            break;
        }
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        } else if (c.isSurrogate()) {
            codePoint = 0xFFFD;
        }
        // Control characters have no place in a document (and NUL can cut it short).
        if (codePoint < 0x20 || codePoint == 0x7F || (codePoint >= 0x80 && codePoint <= 0x9F)) continue;
        if (CharsetHolds(charset, codePoint))
            out += QString::fromUcs4(&codePoint, 1);
        else
            out += NumericReference(codePoint);
    }
    return out;
}

bool IsScriptSafe(QChar c) {
    if (c.unicode() >= 0x80) return false;
    if (c.isLetterOrNumber() || c == QLatin1Char(' ')) return true;
    return QStringLiteral(",.-_:;!?()[]{}+*=@#$%^|~/").contains(c);
}

QString Hex(uint value, int digits) {
    return QString::number(value, 16).rightJustified(digits, QLatin1Char('0')).toUpper();
}

} // namespace

QString HtmlEscapeText(const QString& text, HtmlCharset charset) {
    return Escape(text, charset, Place::Text);
}

QString HtmlEscapeAttribute(const QString& text, HtmlCharset charset) {
    return Escape(text, charset, Place::Attribute);
}

QString HtmlEscapeScriptString(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (IsScriptSafe(c))
            out += c;
        else if (c.unicode() < 0x100)
            out += QStringLiteral("\\x") + Hex(c.unicode(), 2);
        else
            out +=
                QStringLiteral("\\u") + Hex(c.unicode(), 4); // surrogates one by one, as the language wants
    }
    return out;
}

QString HtmlLinkTarget(const QString& target, HtmlCharset charset) {
    static const QString refused = QStringLiteral("#");
    // Browsers ignore tab and line breaks inside addresses ("java\nscript:"), so the check must too.
    QString cleaned;
    cleaned.reserve(target.size());
    for (const QChar c : target)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F) cleaned += c;
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty()) return QString();

    // Browsers read "\" as "/": "\\host" and "/\host" are network paths.
    QString slashed = cleaned;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (slashed.startsWith(QLatin1Char('/'))) return refused;

    const qsizetype colon = slashed.indexOf(QLatin1Char(':'));
    qsizetype pathEnd = slashed.size();
    for (const QChar stop : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = slashed.indexOf(stop);
        if (at >= 0 && at < pathEnd) pathEnd = at;
    }
    if (colon >= 0 && colon < pathEnd) {
        // A scheme (or a drive letter, or something a browser might take for one).
        const QString scheme = slashed.left(colon).toLower();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
            scheme != QLatin1String("mailto"))
            return refused;
    }
    cleaned.replace(QLatin1Char(' '), QLatin1String("%20"));
    return HtmlEscapeAttribute(cleaned, charset);
}
