#include "archive_scan.h"

#include "storage/date_time.h"
#include "storage/txt_parser.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

void ListInto(const QDir& dir, std::vector<ScanEntry>& list) {
    const auto files = dir.entryInfoList({QStringLiteral("*.ses")}, QDir::Files | QDir::Hidden | QDir::System,
                                         QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files)
        list.push_back({info.filePath(), info.size(), info.lastModified().toMSecsSinceEpoch()});
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : folders) {
        const QFileInfo info(dir.filePath(sub));
        if (info.isSymLink()) continue; // a link back up the tree would never end
        ListInto(QDir(info.filePath()), list);
    }
}

// Below this many files one thread reads faster than starting others.
constexpr std::size_t kParallelFrom = 32;

} // namespace

std::vector<ScanEntry> ListSessionFiles(const QString& folder) {
    std::vector<ScanEntry> list;
    if (QFileInfo(folder).isDir()) ListInto(QDir(folder), list);
    return list;
}

ArchiveScanner::Parsed ArchiveScanner::ReadOne(const ScanEntry& entry, const SummaryOptions& options) {
    Parsed parsed;
    parsed.cached.size = entry.size;
    parsed.cached.modifiedMs = entry.modifiedMs;
    // A file that cannot be read still gets its row (with empty values); it is read again next time.
    TTxtParser parser([&](const QString&) { parsed.readable = false; });
    parser.OpenRead(entry.path);
    parsed.readable = parsed.readable && parser.IsOpen();
    if (IsOtherVehicle(parser, options)) return parsed;
    parsed.cached.listed = true;
    const double modified = DayNumberFromDateTime(QDateTime::fromMSecsSinceEpoch(entry.modifiedMs));
    parsed.cached.row = ReadSummaryRow(parser, entry.path, modified, options);
    return parsed;
}

void ArchiveScanner::ReadAll(const std::vector<const ScanEntry*>& entries, const SummaryOptions& options,
                             std::vector<Parsed>& results) const {
    results.resize(entries.size());
    unsigned threads =
        m_threads > 0 ? unsigned(m_threads) : std::min(8u, std::thread::hardware_concurrency());
    if (entries.size() < kParallelFrom || threads < 2) threads = 1;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < entries.size(); i = next++)
            results[i] = ReadOne(*entries[i], options);
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
    const std::vector<ScanEntry> files = ListSessionFiles(folder);

    // Forget deleted files; collect new and changed ones.
    QHash<QString, Cached> kept;
    kept.reserve(qsizetype(files.size()));
    std::vector<const ScanEntry*> toRead;
    for (const ScanEntry& entry : files) {
        const auto found = m_cache.constFind(entry.path);
        if (found != m_cache.constEnd() && found->size == entry.size && found->modifiedMs == entry.modifiedMs)
            kept.insert(entry.path, *found);
        else
            toRead.push_back(&entry);
    }
    std::vector<Parsed> parsed;
    ReadAll(toRead, options, parsed);
    m_filesRead = int(toRead.size());

    QHash<QString, Cached> fresh; // rows read now; unreadable files are not cached
    for (std::size_t i = 0; i < toRead.size(); ++i) {
        fresh.insert(toRead[i]->path, parsed[i].cached);
        if (parsed[i].readable) kept.insert(toRead[i]->path, parsed[i].cached);
    }
    m_cache = std::move(kept);

    std::vector<QStringList> rows;
    rows.reserve(files.size());
    for (const ScanEntry& entry : files) {
        auto found = fresh.constFind(entry.path);
        if (found == fresh.constEnd()) found = m_cache.constFind(entry.path);
        if (found->listed) rows.push_back(found->row);
    }
    return rows;
}
