#include "archive_index.h"

#include "session_summary.h"
#include "storage/atomic_file.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

constexpr quint32 kMagic = 0x564c4149; // "VLAI"
// Version 2: every distinct text once in a table, rows as references into it (little-endian throughout).
// A large archive repeats its tracks, drivers, dates and conditions thousands of times; reading each text
// once and sharing it made the start with a full archive several times faster than decoding every cell.
constexpr quint32 kFormatVersion = 2;
// A CRC-32 of everything before it closes the file: a damaged or cut file is never taken for an index (the
// reader checks every count and reference besides). It costs a fraction of a cryptographic digest, which
// took a tenth of the start with a full archive.
constexpr int kDigestBytes = 4;

QByteArray Digest(QByteArrayView bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    for (qsizetype done = 0; done < bytes.size();) {
        const auto chunk = uInt(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        crc = crc32(crc, data + done, chunk);
        done += chunk;
    }
    const quint32 little = qToLittleEndian(quint32(crc));
    return QByteArray(reinterpret_cast<const char*>(&little), kDigestBytes);
}
// Rows keep at most a few thousand characters of notes, so even a large archive stays far below this.
constexpr qint64 kMaxIndexBytes = 512LL * 1024 * 1024;

// The texts of the index, each once, numbered in order of appearance.
class TextTable {
  public:
    quint32 Ref(const QString& text) {
        const auto found = m_refs.constFind(text);
        if (found != m_refs.constEnd()) return *found;
        const auto ref = quint32(m_texts.size());
        m_refs.insert(text, ref);
        m_texts << text;
        return ref;
    }
    const QStringList& Texts() const { return m_texts; }

  private:
    QHash<QString, quint32> m_refs;
    QStringList m_texts;
};

template <typename T> void Put(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), qsizetype(sizeof(T)));
}

void PutText(QByteArray& out, const QString& text) {
    Put(out, quint32(text.size()));
    const qsizetype at = out.size();
    out.resize(at + text.size() * 2);
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + at);
}

// Reads the encoded values in order; any read past the end, or a count larger than what is left, marks the
// whole reading failed (and returns zeros and empty texts from then on).
class IndexReader {
  public:
    explicit IndexReader(QByteArrayView bytes) : m_at(bytes.data()), m_end(bytes.data() + bytes.size()) {}

    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_at == m_end; }

    template <typename T> T Take() {
        if (!Has(qsizetype(sizeof(T)))) return T{};
        T value;
        std::memcpy(&value, m_at, sizeof(T));
        m_at += sizeof(T);
        return qFromLittleEndian(value);
    }
    // A count of items that take at least itemBytes each: never more than the bytes left allow.
    quint32 TakeCount(qsizetype itemBytes) {
        const auto count = Take<quint32>();
        if (!Has(qsizetype(count) * itemBytes)) return 0;
        return count;
    }
    QString TakeText() {
        const quint32 length = TakeCount(2);
        if (!m_ok) return {};
        QString text(qsizetype(length), Qt::Uninitialized);
        qFromLittleEndian<char16_t>(m_at, qsizetype(length), text.data());
        m_at += qsizetype(length) * 2;
        return text;
    }

  private:
    bool Has(qsizetype bytes) {
        if (m_ok && bytes >= 0 && bytes <= m_end - m_at) return true;
        m_ok = false;
        return false;
    }

    const char* m_at;
    const char* m_end;
    bool m_ok = true;
};

} // namespace

QByteArray EncodeArchiveIndex(const QString& fingerprint, const ArchiveIndex& index) {
    TextTable texts;
    QByteArray entries;
    Put(entries, quint32(index.size()));
    for (auto it = index.constBegin(); it != index.constEnd(); ++it) {
        Put(entries, texts.Ref(it.key()));
        Put(entries, qint64(it->size));
        Put(entries, qint64(it->modifiedMs));
        Put(entries, quint8(it->listed ? 1 : 0));
        Put(entries, quint32(it->row.size()));
        for (const QString& cell : it->row)
            Put(entries, texts.Ref(cell));
    }
    QByteArray bytes;
    Put(bytes, kMagic);
    Put(bytes, kFormatVersion);
    PutText(bytes, fingerprint);
    Put(bytes, quint32(texts.Texts().size()));
    for (const QString& text : texts.Texts())
        PutText(bytes, text);
    bytes += entries;
    bytes += Digest(bytes);
    return bytes;
}

std::optional<ArchiveIndex> DecodeArchiveIndex(const QByteArray& bytes, const QString& fingerprint) {
    if (bytes.size() <= kDigestBytes) return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - kDigestBytes);
    if (Digest(body) != bytes.last(kDigestBytes)) return std::nullopt;
    IndexReader in(body);
    if (in.Take<quint32>() != kMagic || in.Take<quint32>() != kFormatVersion) return std::nullopt;
    if (in.TakeText() != fingerprint || !in.Ok()) return std::nullopt;
    QStringList texts;
    const quint32 textCount = in.TakeCount(4);
    texts.reserve(qsizetype(textCount));
    for (quint32 i = 0; i < textCount && in.Ok(); ++i)
        texts << in.TakeText();
    const auto known = quint32(texts.size()); // fewer than textCount only when the reading failed
    ArchiveIndex index;
    // An entry takes at least its path, size, time, flag and cell count.
    const quint32 count = in.TakeCount(4 + 8 + 8 + 1 + 4);
    index.reserve(qsizetype(count));
    for (quint32 i = 0; i < count && in.Ok(); ++i) {
        const quint32 path = in.Take<quint32>();
        IndexedRow entry;
        entry.size = in.Take<qint64>();
        entry.modifiedMs = in.Take<qint64>();
        const auto listed = in.Take<quint8>();
        // A row of another width would be read past its end by the list.
        const quint32 cells = in.TakeCount(4);
        if (path >= known || listed > 1 || cells != (listed ? quint32(ArchiveColumn::kCount) : 0u))
            return std::nullopt;
        entry.listed = listed == 1;
        entry.row.reserve(qsizetype(cells));
        for (quint32 c = 0; c < cells; ++c) {
            const quint32 ref = in.Take<quint32>();
            if (ref >= known) return std::nullopt;
            entry.row.append(texts.at(qsizetype(ref)));
        }
        index.insert(texts.at(qsizetype(path)), std::move(entry));
    }
    if (!in.Ok() || !in.AtEnd()) return std::nullopt;
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
