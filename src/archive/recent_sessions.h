#pragma once
// The recently loaded sessions of "Reopen session": at most five full paths, newest first.
#include <QString>
#include <QStringList>

class RecentSessions {
  public:
    static constexpr int kMaximum = 5;

    explicit RecentSessions(const QString& dataFolder = {}) : m_dataFolder(dataFolder) {}

    const QStringList& Entries() const { return m_entries; }

    // A session file was loaded: its absolute path (a name that does not exist as given is looked up in
    // the sessions folder) goes on top, moved there when present; the oldest of five makes room. Files
    // that do not exist are not offered. Nothing happens while suppressed.
    void Offer(const QString& path);
    void SetSuppressed(bool suppressed) { m_suppressed = suppressed; }

    // The settings hold the list from its last entry to its first; reading offers each line in turn.
    QStringList ToSettings() const;
    void FromSettings(const QStringList& lines);

    // The file an entry opens: the entry itself when it exists, else the sessions folder + the entry.
    QString FileOf(const QString& entry) const;

  private:
    QString SessionsPath(const QString& name) const;

    QString m_dataFolder;
    QStringList m_entries;
    bool m_suppressed = false;
};
