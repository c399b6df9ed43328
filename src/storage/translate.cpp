#include "translate.h"

#include <libintl.h>

QString Translate(const char* english) {
    if (english == nullptr || *english == '\0') return QString();
    // gettext hands back the very pointer it was given when no catalogue has the text.
    return QString::fromUtf8(dgettext(kTextDomain, english));
}

QString Translate(const QString& english) {
    const QByteArray bytes = english.toUtf8();
    return Translate(bytes.constData());
}

QString Fill(const QString& pattern, const QStringList& values) {
    QString result;
    result.reserve(pattern.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size()) {
            const QChar kind = pattern.at(i + 1);
            if (kind == u'%') {
                result += u'%';
                ++i;
                continue;
            }
            if ((kind == u's' || kind == u'd') && next < values.size()) {
                result += values.at(next++);
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}
