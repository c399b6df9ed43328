#include "text_helpers.h"

#include "number_format.h"

#include <QStringList>

QString AddDirtyMark(const QString& caption) {
    return caption.endsWith(u'*') ? caption : caption + u'*';
}

QString RemoveDirtyMark(const QString& caption) {
    return caption.endsWith(u'*') ? caption.chopped(1) : caption;
}

QString FieldOf(const QString& text, int index, QChar delimiter) {
    if (index < 0) return QString();
    const QStringList fields = text.split(delimiter);
    return index < fields.size() ? TrimControl(fields.at(index)) : QString();
}

int CountChar(const QString& text, QChar character) {
    return int(text.count(character));
}

int CompareCellValues(const QString& x, const QString& y, bool descending) {
    int result = 0;
    const auto a = IsDecimalText(x) ? ParseDecimal(x) : std::nullopt;
    const auto b = IsDecimalText(y) ? ParseDecimal(y) : std::nullopt;
    if (a && b) {
        result = *a < *b ? -1 : (*a > *b ? 1 : 0);
    } else {
        const int order = QString::localeAwareCompare(TrimControl(x), TrimControl(y));
        result = order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    return descending ? -result : result;
}

QString TrimControl(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return (begin == 0 && end == text.size()) ? text : text.mid(begin, end - begin);
}
