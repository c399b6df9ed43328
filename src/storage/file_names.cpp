#include "file_names.h"

#include <QDir>

QString CleanFileName(const QString& text) {
    QString name = text;
    for (const char16_t c : {u'å', u'Å', u'ä', u'Ä'})
        name.replace(QChar(c), u'a');
    name.replace(QChar(u'ö'), u'o');
    name.replace(QChar(u'Ö'), u'o');
    name.replace(u':', u'-');
    for (const char16_t c : {u'/', u'\\', u'*', u'"', u'?', u'|'})
        name.replace(QChar(c), u'_');
    return name;
}

QString SafeFileName(const QString& text) {
    QString name = CleanFileName(text);
    for (QChar& c : name)
        if (c.unicode() < 32 || c == u'<' || c == u'>') c = u'_';
    // Only dots (".", "..") or nothing at all would name a folder, not a file in it.
    bool onlyDots = true;
    for (const QChar c : name)
        if (c != u'.' && c != u' ') onlyDots = false;
    if (onlyDots) name.prepend(u'_');
    return name;
}

void ListFilesRecursive(const QString& folder, const QString& mask, QStringList& list) {
    const QDir dir(folder);
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    const QStringList names = dir.entryList(QStringList{mask}, filters, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        list.append(dir.filePath(name));
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : folders)
        ListFilesRecursive(dir.filePath(sub), mask, list);
}

QString WithFilterExtension(const QString& path, const QString& filter) {
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    const qsizetype open = first.lastIndexOf(u'(');
    const qsizetype close = first.lastIndexOf(u')');
    if (open < 0 || close < open) return path;
    // "*.ses" -> ".ses"; patterns such as "*" or "*.*" name no extension.
    QStringList extensions;
    for (const QString& pattern : first.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts)) {
        const QString extension = pattern.startsWith(QLatin1String("*.")) ? pattern.mid(1) : QString();
        if (extension.size() > 1 && !extension.contains(u'*') && !extension.contains(u'?'))
            extensions << extension;
    }
    const QString name = path.section(u'/', -1);
    if (extensions.isEmpty() || name.isEmpty()) return path;
    for (const QString& extension : std::as_const(extensions))
        if (name.endsWith(extension, Qt::CaseInsensitive) && name.size() > extension.size()) return path;
    // A name typed with a final dot ("first.") takes the extension without a second one.
    return name.endsWith(u'.') ? path + extensions.first().mid(1) : path + extensions.first();
}
