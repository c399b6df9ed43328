#include "track_notes.h"

#include "track_links.h"

#include <QRegularExpression>

QList<NoteLink> NoteLinks(const QString& line) {
    static const QRegularExpression word(QStringLiteral(R"((?:https?://|www\.)\S+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<NoteLink> links;
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
        if (const auto address = WebAddressOf(text))
            links.append({match.capturedStart(), text.size(), *address});
    }
    return links;
}

QString NoteLinkAt(const QString& line, qsizetype position) {
    for (const NoteLink& link : NoteLinks(line))
        if (position >= link.start && position < link.start + link.length) return link.address;
    return {};
}

QString TrackNotesHtml(const QStringList& lines) {
    // One paragraph per line, blanks kept: the text taken back from the editor is the lines as typed.
    QString html;
    for (const QString& line : lines) {
        html += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">");
        qsizetype done = 0;
        for (const NoteLink& link : NoteLinks(line)) {
            html += line.mid(done, link.start - done).toHtmlEscaped();
            html += QStringLiteral("<a href=\"%1\">%2</a>")
                        .arg(link.address.toHtmlEscaped(), line.mid(link.start, link.length).toHtmlEscaped());
            done = link.start + link.length;
        }
        html += line.mid(done).toHtmlEscaped() + QStringLiteral("</p>");
    }
    return html;
}
