#include "picture_size.h"

#include <QFile>

namespace {

quint32 Big16(const QByteArray& b, qsizetype at) {
    return (quint32(quint8(b[at])) << 8) | quint8(b[at + 1]);
}
quint32 Big32(const QByteArray& b, qsizetype at) {
    return (Big16(b, at) << 16) | Big16(b, at + 2);
}
quint32 Little16(const QByteArray& b, qsizetype at) {
    return (quint32(quint8(b[at + 1])) << 8) | quint8(b[at]);
}
qint32 Little32(const QByteArray& b, qsizetype at) {
    return qint32((quint32(Little16(b, at + 2)) << 16) | Little16(b, at));
}

std::optional<QSize> Checked(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0 || width > 1000000 || height > 1000000) return std::nullopt;
    return QSize(int(width), int(height));
}

std::optional<QSize> JpegSize(QFile& file) {
    // Walk the markers up to the first start-of-frame.
    if (!file.seek(2)) return std::nullopt;
    for (;;) {
        QByteArray marker = file.read(2);
        if (marker.size() < 2 || quint8(marker[0]) != 0xFF) return std::nullopt;
        quint8 code = quint8(marker[1]);
        while (code == 0xFF) { // fill bytes
            const QByteArray next = file.read(1);
            if (next.isEmpty()) return std::nullopt;
            code = quint8(next[0]);
        }
        if (code == 0xD8 || code == 0x01 || (code >= 0xD0 && code <= 0xD7)) continue; // no length
        const QByteArray lengthBytes = file.read(2);
        if (lengthBytes.size() < 2) return std::nullopt;
        const quint32 length = Big16(lengthBytes, 0);
        if (length < 2) return std::nullopt;
        const bool startOfFrame =
            code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (startOfFrame) {
            const QByteArray frame = file.read(5);
            if (frame.size() < 5) return std::nullopt;
            return Checked(Big16(frame, 3), Big16(frame, 1));
        }
        if (!file.seek(file.pos() + length - 2)) return std::nullopt;
    }
}

} // namespace

std::optional<QSize> ReadPictureSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(32);
    if (head.size() >= 24 && head.startsWith("\x89PNG\r\n\x1a\n") && head.mid(12, 4) == "IHDR")
        return Checked(Big32(head, 16), Big32(head, 20));
    if (head.size() >= 10 && (head.startsWith("GIF87a") || head.startsWith("GIF89a")))
        return Checked(Little16(head, 6), Little16(head, 8));
    if (head.size() >= 26 && head.startsWith("BM")) {
        const qint32 height = Little32(head, 22);
        return Checked(Little32(head, 18), height < 0 ? -qint64(height) : height);
    }
    if (head.size() >= 3 && quint8(head[0]) == 0xFF && quint8(head[1]) == 0xD8) return JpegSize(file);
    return std::nullopt;
}
