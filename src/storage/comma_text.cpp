#include "comma_text.h"

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= 32;
}

bool NeedsQuotes(const QString& field) {
    for (const QChar c : field)
        if (IsBlank(c) || c == u',' || c == u'"') return true;
    return false;
}

} // namespace

QString CommaTextJoin(const QStringList& fields) {
    if (fields.size() == 1 && fields.first().isEmpty()) return QStringLiteral("\"\"");
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) line += u',';
        const QString& field = fields.at(i);
        if (NeedsQuotes(field)) {
            QString quoted = field;
            quoted.replace(u'"', QStringLiteral("\"\""));
            line += u'"' + quoted + u'"';
        } else {
            line += field;
        }
    }
    return line;
}

QStringList CommaTextSplit(const QString& line) {
    QStringList fields;
    const qsizetype size = line.size();
    qsizetype p = 0;
    while (p < size && IsBlank(line.at(p)))
        ++p;
    while (p < size) {
        QString value;
        if (line.at(p) == u'"') {
            // A quoted value runs to its closing quote (or the end of the line); "" inside is one quote.
            ++p;
            while (p < size) {
                if (line.at(p) == u'"') {
                    if (p + 1 < size && line.at(p + 1) == u'"') {
                        value += u'"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                value += line.at(p++);
            }
        } else {
            const qsizetype start = p;
            while (p < size && !IsBlank(line.at(p)) && line.at(p) != u',')
                ++p;
            value = line.mid(start, p - start);
        }
        fields.append(value);
        while (p < size && IsBlank(line.at(p)))
            ++p;
        if (p < size && line.at(p) == u',') {
            if (p + 1 == size) fields.append(QString()); // a comma at the very end adds one empty value
            ++p;
            while (p < size && IsBlank(line.at(p)))
                ++p;
        }
    }
    return fields;
}

QStringList PadFields(QStringList fields, int count) {
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}
