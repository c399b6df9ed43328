#include "recent_sessions.h"

#include <QDir>
#include <QFileInfo>

QString RecentSessions::SessionsPath(const QString& name) const {
    QString relative = name;
    relative.replace(u'\\', u'/');
    return QDir(QDir(m_dataFolder).filePath(QStringLiteral("Sessions"))).filePath(relative);
}

void RecentSessions::Offer(const QString& path) {
    if (m_suppressed || path.isEmpty()) return;
    QString stored = path;
    stored.replace(u'\\', u'/');
    QFileInfo info(QDir(m_dataFolder).filePath(stored));
    if (!info.exists()) info = QFileInfo(SessionsPath(path));
    if (!info.isFile()) return;
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    m_entries.removeAll(absolute);
    m_entries.prepend(absolute);
    while (m_entries.size() > kMaximum)
        m_entries.removeLast();
}

QStringList RecentSessions::ToSettings() const {
    QStringList lines;
    for (auto it = m_entries.crbegin(); it != m_entries.crend(); ++it)
        lines << *it;
    return lines;
}

void RecentSessions::FromSettings(const QStringList& lines) {
    m_entries.clear();
    for (const QString& line : lines)
        Offer(line);
}

QString RecentSessions::FileOf(const QString& entry) const {
    if (QFileInfo(entry).isFile()) return entry;
    return SessionsPath(entry);
}
