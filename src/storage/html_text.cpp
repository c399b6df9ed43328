#include "html_text.h"

QString HtmlColor(quint32 colour) {
    const auto hex = [](quint32 byte) {
        return QString::number(byte & 0xFF, 16).toUpper().rightJustified(2, u'0');
    };
    return u'#' + hex(colour) + hex(colour >> 8) + hex(colour >> 16);
}

QString LineBreaksToHtml(const QString& text) {
    QString html = text;
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    return html;
}

QString LinkifyText(const QString& text) {
    // One pass: each address is wrapped where it stands, so an address that occurs twice, or one that
    // begins another, never ends up inside a second anchor.
    static const QString scheme = QStringLiteral("http://");
    QString html;
    qsizetype done = 0;
    qsizetype start = text.indexOf(scheme);
    while (start >= 0) {
        qsizetype end = start + scheme.size();
        while (end < text.size() && text.at(end) != u' ' && text.at(end) != u'\r')
            ++end;
        const QString link = text.mid(start, end - start);
        html += QStringView(text).mid(done, start - done);
        html += QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + link + QStringLiteral("</a>");
        done = end;
        start = text.indexOf(scheme, end);
    }
    html += QStringView(text).mid(done);
    return html;
}
