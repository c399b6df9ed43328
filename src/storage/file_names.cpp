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
