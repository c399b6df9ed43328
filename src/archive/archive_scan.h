#pragma once
// The scan of the sessions folder into summary rows. Each showing of the archive lists the folders
// afresh, so new, changed and deleted files always appear, but a file whose size and modification time
// are unchanged is not read again: its row comes from the cache. New and changed files are read once
// each, in parallel when there are many.
#include "session_summary.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct ScanEntry {
    QString path;
    qint64 size = 0;
    qint64 modifiedMs = 0; // modification time, ms since the Unix epoch
};

// Every "*.ses" file of folder and, depth first, of its sub-folders: a folder's files (sorted by name,
// ignoring case) before those of its sub-folders.
std::vector<ScanEntry> ListSessionFiles(const QString& folder);

class ArchiveScanner {
  public:
    // threads 0: as many as the machine has cores (at most 8).
    explicit ArchiveScanner(int threads = 0) : m_threads(threads) {}

    // The rows of the sessions below folder that belong to options' vehicle, in listing order.
    std::vector<QStringList> Scan(const QString& folder, const SummaryOptions& options);

    int FilesReadLastScan() const { return m_filesRead; }
    void ClearCache() { m_cache.clear(); }

  private:
    struct Cached {
        qint64 size = 0;
        qint64 modifiedMs = 0;
        bool listed = false; // false: another vehicle's session
        QStringList row;
    };
    struct Parsed {
        bool readable = true;
        Cached cached;
    };
    static Parsed ReadOne(const ScanEntry& entry, const SummaryOptions& options);
    void ReadAll(const std::vector<const ScanEntry*>& entries, const SummaryOptions& options,
                 std::vector<Parsed>& results) const;

    int m_threads;
    QHash<QString, Cached> m_cache;
    QString m_fingerprint;
    int m_filesRead = 0;
};
