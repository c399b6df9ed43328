#include "backup_entry_name.h"

#include "storage/translate.h"

#include <QStringList>

namespace {

// "..", and on systems that drop trailing dots and spaces from a name, "...", ". ." or ".. " as well.
bool ClimbsUp(const QString& part) {
    if (part.size() < 2) return false;
    for (const QChar c : part)
        if (c != u'.' && c != u' ') return false;
    return true;
}

QStringList Parts(const QString& name) {
    QString normalized = name;
    normalized.replace(u'\\', u'/');
    return normalized.split(u'/');
}

} // namespace

QString EntryNameProblem(const QString& name) {
    if (name.isEmpty()) return Translate("has no name");
    if (name.contains(QChar(0))) return Translate("holds a null character");
    // "/x", "\x", "//server/share" and "\\server\share" all start at a root.
    if (name.front() == u'/' || name.front() == u'\\') return Translate("is an absolute path");
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter()) return Translate("starts with a drive");
    bool hasPart = false;
    for (const QString& part : Parts(name)) {
        if (ClimbsUp(part)) return Translate("climbs out of the data folder");
        if (!part.isEmpty() && part != QStringLiteral(".")) hasPart = true;
    }
    if (!hasPart) return Translate("has no name");
    return {};
}

QString EntryRelativePath(const QString& name) {
    QStringList kept;
    for (const QString& part : Parts(name))
        if (!part.isEmpty() && part != QStringLiteral(".")) kept << part;
    return kept.join(u'/');
}
