#include "archive_index.h"

#include "session_summary.h"
#include "storage/atomic_file.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>

namespace {

constexpr quint32 kMagic = 0x564c4149; // "VLAI"
constexpr quint32 kFormatVersion = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;
constexpr QCryptographicHash::Algorithm kDigest = QCryptographicHash::Md5;
constexpr int kDigestBytes = 16;
// Rows keep at most a few thousand characters of notes, so even a large archive stays far below this.
constexpr qint64 kMaxIndexBytes = 512LL * 1024 * 1024;

} // namespace

QByteArray EncodeArchiveIndex(const QString& fingerprint, const ArchiveIndex& index) {
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out << kMagic << kFormatVersion << fingerprint << quint32(index.size());
        for (auto it = index.constBegin(); it != index.constEnd(); ++it)
            out << it.key() << it->size << it->modifiedMs << it->listed << it->row;
    }
    // A digest of everything before it: a damaged or cut file is never taken for an index.
    bytes += QCryptographicHash::hash(bytes, kDigest);
    return bytes;
}

std::optional<ArchiveIndex> DecodeArchiveIndex(const QByteArray& bytes, const QString& fingerprint) {
    if (bytes.size() <= kDigestBytes) return std::nullopt;
    const QByteArray body = bytes.first(bytes.size() - kDigestBytes);
    if (QCryptographicHash::hash(body, kDigest) != bytes.last(kDigestBytes)) return std::nullopt;
    QDataStream in(body);
    in.setVersion(kStreamVersion);
    quint32 magic = 0, version = 0, count = 0;
    QString storedFingerprint;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kFormatVersion) return std::nullopt;
    in >> storedFingerprint >> count;
    if (in.status() != QDataStream::Ok || storedFingerprint != fingerprint) return std::nullopt;
    ArchiveIndex index;
    for (quint32 i = 0; i < count; ++i) {
        QString path;
        IndexedRow entry;
        in >> path >> entry.size >> entry.modifiedMs >> entry.listed >> entry.row;
        if (in.status() != QDataStream::Ok) return std::nullopt;
        // A row of another width would be read past its end by the list.
        if (entry.listed ? entry.row.size() != ArchiveColumn::kCount : !entry.row.isEmpty())
            return std::nullopt;
        index.insert(path, entry);
    }
    if (!in.atEnd()) return std::nullopt;
    return index;
}

std::optional<ArchiveIndex> LoadArchiveIndex(const QString& path, const QString& fingerprint) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    const auto bytes = ReadWholeFile(path, kMaxIndexBytes);
    if (!bytes) return std::nullopt;
    return DecodeArchiveIndex(*bytes, fingerprint);
}

bool SaveArchiveIndex(const QString& path, const QString& fingerprint, const ArchiveIndex& index) {
    return bool(WriteFileAtomically(path, EncodeArchiveIndex(fingerprint, index)));
}
