#pragma once
// The scan of the sessions folder into summary rows. Each showing of the archive lists the folders
// afresh, so new, changed and deleted files always appear, but a file whose size and modification time
// are unchanged is not read again: its row comes from the cache. New and changed files are read once
// each, in parallel when there are many. With an index file the cache outlives the run: the first scan
// of a run reads only what changed since the index was written.
#include "archive_index.h"
#include "session_summary.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct ScanEntry {
    QString path;
    qint64 size = 0;
    qint64 modifiedMs = 0; // modification time, ms since the Unix epoch
};

// Every "*.ses" file of folder and, depth first, of its sub-folders: a folder's files (sorted by name,
// ignoring case) before those of its sub-folders. unreadableFolders, when given, receives the error of
// each folder (folder itself included) that could not be listed.
std::vector<ScanEntry> ListSessionFiles(const QString& folder, QStringList* unreadableFolders = nullptr);

// The memory the reading threads may take at once: a file is counted at kScanMemoryPerByte times its
// size (its bytes, their decoded text and its lines) and waits until the files in reading leave room
// for it (one file alone is always let through).
inline constexpr qint64 kScanMemoryInFlight = 256LL * 1024 * 1024;
inline constexpr qint64 kScanMemoryPerByte = 8;

class ArchiveScanner {
  public:
    // threads 0: as many as the machine has cores (at most 8).
    explicit ArchiveScanner(int threads = 0) : m_threads(threads) {}

    // The rows of the sessions below folder that belong to options' vehicle, in listing order.
    std::vector<QStringList> Scan(const QString& folder, const SummaryOptions& options);

    int FilesReadLastScan() const { return m_filesRead; }
    // What the last scan could not read: files (listed with their error in the "Name of event" cell and
    // the tip) and folders (not listed), and the error of each ("Cannot read <path>: <reason>").
    int UnreadableFilesLastScan() const { return m_unreadableFiles; }
    int UnreadableFoldersLastScan() const { return int(m_folderErrors.size()); }
    QStringList UnreadableErrorsLastScan() const { return m_fileErrors + m_folderErrors; }
    void ClearCache() { m_cache.clear(); }
    // Where the rows are kept between runs (empty: only in memory). Writing it is best effort: the
    // index is a cache, and a scan never fails for it.
    void SetIndexFile(const QString& path) {
        m_indexFile = path;
        m_indexLoadedFor.reset();
    }

  private:
    using Cached = IndexedRow;
    struct Parsed {
        bool readable = true;
        Cached cached;
    };
    class ReadBudget;
    static Parsed ReadOne(const ScanEntry& entry, const SummaryOptions& options, ReadBudget& budget);
    void ReadAll(const std::vector<const ScanEntry*>& entries, const SummaryOptions& options,
                 std::vector<Parsed>& results) const;

    int m_threads;
    QHash<QString, Cached> m_cache;
    QString m_fingerprint;
    QString m_indexFile;
    std::optional<QString> m_indexLoadedFor; // the fingerprint the index file was last read for
    int m_filesRead = 0;
    int m_unreadableFiles = 0;
    QStringList m_fileErrors;
    QStringList m_folderErrors;
};

// "3 files and 1 folder of the archive could not be read." (translated); empty when both are 0.
QString UnreadableStatusText(int files, int folders);
