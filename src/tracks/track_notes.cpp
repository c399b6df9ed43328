#include "track_notes.h"

#include "track_links.h"

#include <QRegularExpression>

namespace {
QString LinkedLine(const QString& line) {
    static const QRegularExpression word(QStringLiteral(R"((?:https?://|www\.)\S+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString html;
    qsizetype done = 0;
    for (auto it = word.globalMatch(line); it.hasNext();) {
        const auto match = it.next();
        // A word that starts within another one ("xwww.a") is no address of its own.
        if (match.capturedStart() > 0 && !line.at(match.capturedStart() - 1).isSpace() &&
            line.at(match.capturedStart() - 1) != u'(')
            continue;
        QString text = match.captured();
        // Closing punctuation belongs to the sentence, not the address.
        while (!text.isEmpty() && QStringLiteral(".,;:!?)\"'").contains(text.back()))
            text.chop(1);
        const auto address = WebAddressOf(text);
        if (!address) continue;
        html += line.mid(done, match.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<a href=\"%1\">%2</a>").arg(address->toHtmlEscaped(), text.toHtmlEscaped());
        done = match.capturedStart() + text.size();
    }
    return html + line.mid(done).toHtmlEscaped();
}
} // namespace

QString TrackNotesHtml(const QStringList& lines) {
    // One paragraph per line, blanks kept: the text taken back from the editor is the lines as typed.
    QString html;
    for (const QString& line : lines)
        html += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">") + LinkedLine(line) +
                QStringLiteral("</p>");
    return html;
}
