// The archive index's reader on any bytes: an index or nothing, never a crash or a read past the end. The
// input is taken both as a whole file and as the part before the checksum (the checksum appended here), so
// that the reading of counts, texts and references is reached. An index that reads is written again and
// reads back the same.
#include "archive/archive_index.h"

#include <QtEndian>
#include <cstdlib>
#include <zlib.h>

namespace {

const QString kFingerprint = QStringLiteral("fp");

void CheckRoundTrip(const QByteArray& bytes) {
    const auto index = DecodeArchiveIndex(bytes, kFingerprint);
    if (!index) return;
    const auto again = DecodeArchiveIndex(EncodeArchiveIndex(kFingerprint, *index), kFingerprint);
    if (!again || again->size() != index->size()) std::abort();
    for (auto it = index->constBegin(); it != index->constEnd(); ++it) {
        const auto found = again->constFind(it.key());
        if (found == again->constEnd() || found->size != it->size || found->modifiedMs != it->modifiedMs ||
            found->listed != it->listed || found->row != it->row)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckRoundTrip(body);
    const quint32 crc = qToLittleEndian(quint32(crc32(crc32(0L, Z_NULL, 0), data, uInt(size))));
    CheckRoundTrip(body + QByteArray(reinterpret_cast<const char*>(&crc), 4));
    return 0;
}
