#include "archive_scan.h"

#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "summary_excerpt.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The name with each character folded as a case-insensitive comparison folds it, so that comparing two
// folded names orders them as that comparison does.
QString FoldedForOrder(const QString& name) {
    QString folded = name;
    for (QChar& c : folded) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) // most names are plain ASCII: folded without the Unicode tables
            c = QChar(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit);
        else
            c = QChar(char16_t(QChar::toCaseFolded(unit)));
    }
    return folded;
}

// The session files of folder (path ends in '/') and then those of its sub-folders, each level by name
// regardless of case, then by the exact name. One directory read and one stat per entry, the times as they
// come (no conversion to local time): a start with a large archive lists every file, so this stays free of
// path objects and of folding inside the sort, which made it most of the listing's time.
void ListInto(const QString& folder, std::vector<ScanEntry>& list, QStringList& unreadableFolders) {
    struct Found {
        QString folded; // the name case-folded once, for the sort
        QString name;
        qint64 size = 0;
        qint64 modifiedMs = 0;
    };
    std::vector<Found> files, folders;
    const QByteArray encoded = QFile::encodeName(folder);
    DIR* dir = ::opendir(encoded.constData());
    int error = dir ? 0 : errno;
    while (dir) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            error = errno;
            break;
        }
        const char* raw = entry->d_name;
        if (std::strcmp(raw, ".") == 0 || std::strcmp(raw, "..") == 0) continue;
        const QString name = QFile::decodeName(raw);
        struct stat info;
        if (::fstatat(::dirfd(dir), raw, &info, 0) != 0) continue; // gone, or a dangling link
        if (S_ISDIR(info.st_mode)) {
            // A link back up the tree would never end.
            struct stat own;
            if (::fstatat(::dirfd(dir), raw, &own, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISLNK(own.st_mode))
                folders.push_back({FoldedForOrder(name), name, 0, 0});
            continue;
        }
        if (!S_ISREG(info.st_mode) || !name.endsWith(QLatin1String(".ses"), Qt::CaseInsensitive)) continue;
        const qint64 modifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + qint64(info.st_mtim.tv_nsec / 1000000);
        files.push_back({FoldedForOrder(name), name, qint64(info.st_size), modifiedMs});
    }
    if (dir) ::closedir(dir);
    // What was listed before the error is kept; the folder counts as not read.
    if (error)
        unreadableFolders << ReadErrorText(folder.chopped(1), QString::fromLocal8Bit(std::strerror(error)));
    auto byName = [](const Found& a, const Found& b) {
        const int order = a.folded.compare(b.folded);
        return order != 0 ? order < 0 : a.name < b.name;
    };
    std::sort(files.begin(), files.end(), byName);
    std::sort(folders.begin(), folders.end(), byName);
    for (const Found& file : files)
        list.push_back({folder + file.name, file.size, file.modifiedMs});
    for (const Found& sub : folders)
        ListInto(folder + sub.name + u'/', list, unreadableFolders);
}

// The file's bytes in one read of the size the listing saw (and whatever was appended since, up to the
// size limit of data files), or the error naming the file.
Expected<QByteArray, QString> ReadSessionBytes(const ScanEntry& entry) {
    if (entry.size > kMaxDataFileBytes) return ReadWholeFile(entry.path); // refused unread, with its message
    QFile file(entry.path);
    if (!file.open(QIODevice::ReadOnly)) return Unexpected(ReadErrorText(entry.path, file.errorString()));
    QByteArray bytes(qsizetype(std::max<qint64>(entry.size, 0)), Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0) return Unexpected(ReadErrorText(entry.path, file.errorString()));
    bytes.truncate(qsizetype(got));
    // A file that grew since it was listed is read on up to the limit; the one-byte probe keeps the usual
    // case (nothing more) from allocating a buffer of the limit's size.
    char probe = 0;
    if (got == entry.size && file.read(&probe, 1) == 1) {
        bytes += probe;
        bytes += file.read(kMaxDataFileBytes - bytes.size() + 1);
    }
    if (file.error() != QFileDevice::NoError)
        return Unexpected(ReadErrorText(entry.path, file.errorString()));
    if (bytes.size() > kMaxDataFileBytes) return ReadWholeFile(entry.path);
    return bytes;
}

// Below this many files one thread reads faster than starting others.
constexpr std::size_t kParallelFrom = 32;

} // namespace

std::vector<ScanEntry> ListSessionFiles(const QString& folder, QStringList* unreadableFolders) {
    std::vector<ScanEntry> list;
    QStringList unreadable;
    if (QFileInfo(folder).isDir()) ListInto(folder.endsWith(u'/') ? folder : folder + u'/', list, unreadable);
    if (unreadableFolders) *unreadableFolders = unreadable;
    return list;
}

QString UnreadableStatusText(int files, int folders) {
    if (files <= 0 && folders <= 0) return QString();
    const QString fileText =
        files == 1 ? Translate("1 file") : Fill(Translate("%d files"), QString::number(files));
    const QString folderText =
        folders == 1 ? Translate("1 folder") : Fill(Translate("%d folders"), QString::number(folders));
    if (folders <= 0) return Fill(Translate("%s of the archive could not be read."), fileText);
    if (files <= 0) return Fill(Translate("%s of the archive could not be read."), folderText);
    return Fill(Translate("%s and %s of the archive could not be read."), QStringList{fileText, folderText});
}

// Bytes of session files held by the reading threads. Acquire waits while the bytes in reading and the
// file's would pass the budget, unless nothing is in reading: a file as large as the budget still goes,
// alone.
class ArchiveScanner::ReadBudget {
  public:
    explicit ReadBudget(qint64 limit) : m_limit(limit) {}
    void Acquire(qint64 bytes) {
        std::unique_lock lock(m_mutex);
        m_freed.wait(lock, [&] { return m_inFlight == 0 || m_inFlight + bytes <= m_limit; });
        m_inFlight += bytes;
    }
    void Release(qint64 bytes) {
        {
            const std::lock_guard lock(m_mutex);
            m_inFlight -= bytes;
        }
        m_freed.notify_all();
    }

  private:
    const qint64 m_limit;
    qint64 m_inFlight = 0;
    std::mutex m_mutex;
    std::condition_variable m_freed;
};

ArchiveScanner::Parsed ArchiveScanner::ReadOne(const ScanEntry& entry, const SummaryOptions& options,
                                               ReadBudget& budget) {
    Parsed parsed;
    parsed.cached.size = entry.size;
    parsed.cached.modifiedMs = entry.modifiedMs;
    const double modified = DayNumberFromDateTime(QDateTime::fromMSecsSinceEpoch(entry.modifiedMs));
    // The raw bytes and the text decoded from them (twice their size for a non-ASCII file) live only
    // while the budget holds them.
    const qint64 held = std::min(std::max<qint64>(entry.size, 0), kMaxDataFileBytes) * kScanMemoryPerByte;
    budget.Acquire(held);
    TTxtParser parser;
    QString error;
    {
        const auto bytes = ReadSessionBytes(entry);
        if (bytes) {
            // Plain ASCII files: only the lines the row reads are decoded.
            const auto excerpt = SummaryExcerpt(*bytes);
            parser.OpenReadText(excerpt ? *excerpt : DecodeFileText(*bytes));
        } else {
            error = bytes.error();
        }
    } // the raw bytes are freed here
    if (!error.isEmpty()) {
        budget.Release(held);
        // A file that cannot be read still gets its row, with its error; it is read again next time.
        parsed.readable = false;
        if (!QFileInfo::exists(entry.path)) return parsed; // deleted meanwhile: not listed
        parsed.cached.listed = true;
        parsed.cached.row = ReadSummaryRow(parser, entry.path, modified, options);
        parsed.cached.row[ArchiveColumn::Event] = error;
        parsed.cached.row[ArchiveColumn::Notes] = error;
        return parsed;
    }
    if (!IsOtherVehicle(parser, options)) {
        parsed.cached.listed = true;
        parsed.cached.row = ReadSummaryRow(parser, entry.path, modified, options);
    }
    parser.Close();
    budget.Release(held);
    return parsed;
}

void ArchiveScanner::ReadAll(const std::vector<const ScanEntry*>& entries, const SummaryOptions& options,
                             std::vector<Parsed>& results) const {
    results.resize(entries.size());
    unsigned threads =
        m_threads > 0 ? unsigned(m_threads) : std::min(8u, std::thread::hardware_concurrency());
    if (entries.size() < kParallelFrom || threads < 2) threads = 1;
    std::atomic<std::size_t> next{0};
    ReadBudget budget(kScanMemoryInFlight);
    auto work = [&] {
        for (std::size_t i = next++; i < entries.size(); i = next++)
            results[i] = ReadOne(*entries[i], options, budget);
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
}

std::vector<QStringList> ArchiveScanner::Scan(const QString& folder, const SummaryOptions& options) {
    const QString fingerprint = options.Fingerprint();
    if (fingerprint != m_fingerprint) {
        m_cache.clear();
        m_fingerprint = fingerprint;
    }
    if (m_cache.isEmpty() && !m_indexFile.isEmpty() && m_indexLoadedFor != fingerprint) {
        m_indexLoadedFor = fingerprint;
        if (auto index = LoadArchiveIndex(m_indexFile, fingerprint)) m_cache = std::move(*index);
    }
    const std::vector<ScanEntry> files = ListSessionFiles(folder, &m_folderErrors);

    // Forget deleted files; collect new and changed ones. When nothing was added, changed or deleted (the
    // usual start with an index), the cache stays as it is instead of being copied entry by entry.
    std::vector<const ScanEntry*> toRead;
    std::vector<QHash<QString, Cached>::const_iterator> unchanged;
    unchanged.reserve(files.size());
    for (const ScanEntry& entry : files) {
        const auto found = m_cache.constFind(entry.path);
        if (found != m_cache.constEnd() && found->size == entry.size && found->modifiedMs == entry.modifiedMs)
            unchanged.push_back(found);
        else
            toRead.push_back(&entry);
    }
    QHash<QString, Cached> kept;
    if (toRead.empty() && qsizetype(unchanged.size()) == m_cache.size()) {
        kept = m_cache;
    } else {
        kept.reserve(qsizetype(files.size()));
        for (const auto& found : unchanged)
            kept.insert(found.key(), *found);
    }
    std::vector<Parsed> parsed;
    ReadAll(toRead, options, parsed);
    m_filesRead = int(toRead.size());

    QHash<QString, Cached> fresh; // rows read now; unreadable files are not cached
    m_unreadableFiles = 0;
    m_fileErrors.clear();
    bool cacheChanged = kept.size() != m_cache.size(); // files deleted or changed since
    for (std::size_t i = 0; i < toRead.size(); ++i) {
        fresh.insert(toRead[i]->path, parsed[i].cached);
        if (parsed[i].readable) {
            cacheChanged = true;
            kept.insert(toRead[i]->path, parsed[i].cached);
        } else if (parsed[i].cached.listed) {
            ++m_unreadableFiles;
            m_fileErrors << parsed[i].cached.row.value(ArchiveColumn::Event);
        }
    }
    m_cache = std::move(kept);
    if (cacheChanged && !m_indexFile.isEmpty()) SaveArchiveIndex(m_indexFile, fingerprint, m_cache);

    std::vector<QStringList> rows;
    rows.reserve(files.size());
    for (const ScanEntry& entry : files) {
        auto found = fresh.constFind(entry.path);
        if (found == fresh.constEnd()) found = m_cache.constFind(entry.path);
        if (found->listed) rows.push_back(found->row);
    }
    return rows;
}
