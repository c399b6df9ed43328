#pragma once
// The archive's scan results kept on disk, so that a start with an unchanged archive reads no session.
// The index is only a cache: each entry names a file with the size and modification time it had when
// its row was made, and is used only while the file still has both. An index that cannot be read, is
// damaged, was written by another format version or for other display options (units, language, track
// lengths) is ignored as a whole and written anew after the next scan.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

struct IndexedRow {
    qint64 size = 0;
    qint64 modifiedMs = 0;
    bool listed = false; // false: another vehicle's session (no row)
    QStringList row;
};

using ArchiveIndex = QHash<QString, IndexedRow>;

inline constexpr const char* kArchiveIndexFileName = "archive_index.dat";

// The entries of the index file made for fingerprint; nothing when the file is missing, unreadable,
// damaged, foreign or for another fingerprint.
std::optional<ArchiveIndex> LoadArchiveIndex(const QString& path, const QString& fingerprint);
// Writes the index in one atomic step; false when it could not be written (the old file stays).
bool SaveArchiveIndex(const QString& path, const QString& fingerprint, const ArchiveIndex& index);

// The bytes of an index file and their reading, for the file functions and for tests.
QByteArray EncodeArchiveIndex(const QString& fingerprint, const ArchiveIndex& index);
std::optional<ArchiveIndex> DecodeArchiveIndex(const QByteArray& bytes, const QString& fingerprint);
