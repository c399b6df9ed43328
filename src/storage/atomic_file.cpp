#include "atomic_file.h"

#include "translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <optional>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString TooLargeReason(qint64 maxBytes) {
    return Fill(Translate("the file is larger than %s MB"), QString::number(maxBytes / (1024 * 1024)));
}

// Pushes the written bytes to the disk. A file system that cannot sync (EINVAL) is no failure; any other
// error is, since the bytes may never reach the disk.
std::optional<QString> SyncToDisk(QSaveFile& file) {
#ifdef Q_OS_UNIX
    const int handle = file.handle();
    if (handle < 0) return std::nullopt;
    int result = 0;
    do {
        result = ::fsync(handle);
    } while (result != 0 && errno == EINTR);
    if (result != 0 && errno != EINVAL && errno != ENOTSUP)
        return QString::fromLocal8Bit(std::strerror(errno));
#else
    Q_UNUSED(file);
#endif
    return std::nullopt;
}

} // namespace

QString PathForMessage(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) return QDir::toNativeSeparators(path);
    const QString current = QDir::currentPath();
    const QString clean = QDir::cleanPath(path);
    if (current != QDir::rootPath() && clean.startsWith(current + u'/'))
        return QDir::toNativeSeparators(clean.mid(current.size() + 1));
    return QDir::toNativeSeparators(path);
}

QString ReadErrorText(const QString& path, const QString& reason) {
    return Fill(Translate("Cannot read %s: %s"), QStringList{PathForMessage(path), reason});
}

QString WriteErrorText(const QString& path, const QString& reason) {
    return Fill(Translate("Cannot write %s: %s"), QStringList{PathForMessage(path), reason});
}

Expected<void, QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // QSaveFile writes a temporary file beside the target and renames it over the target on commit;
    // until then the old file stays whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Unexpected(WriteErrorText(path, file.errorString()));
    auto fail = [&](const QString& reason) {
        file.cancelWriting(); // the temporary file is removed, the target never touched
        return Unexpected(WriteErrorText(path, reason));
    };
    if (file.write(bytes) != bytes.size()) return fail(file.errorString());
    // QSaveFile buffers what it is given: the bytes reach the file only when the buffer is flushed, and
    // commit() would flush it without looking at the result (a full disk then left an empty file in
    // place of the old one). So the flush is done and checked here, before anything is renamed.
    if (!file.flush() || file.error() != QFileDevice::NoError) return fail(file.errorString());
    if (const auto syncError = SyncToDisk(file)) return fail(*syncError);
    if (!file.commit()) return Unexpected(WriteErrorText(path, file.errorString()));
    return {};
}

Expected<void, QString> CopyFileAtomically(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return Unexpected(ReadErrorText(source, in.errorString()));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return Unexpected(WriteErrorText(target, out.errorString()));
    auto fail = [&](const QString& error) {
        out.cancelWriting();
        return Unexpected(error);
    };
    constexpr qint64 kPiece = 1024 * 1024;
    for (;;) {
        const QByteArray piece = in.read(kPiece);
        if (in.error() != QFileDevice::NoError) return fail(ReadErrorText(source, in.errorString()));
        if (piece.isEmpty()) break;
        if (out.write(piece) != piece.size()) return fail(WriteErrorText(target, out.errorString()));
    }
    if (!out.flush() || out.error() != QFileDevice::NoError)
        return fail(WriteErrorText(target, out.errorString()));
    if (const auto syncError = SyncToDisk(out)) return fail(WriteErrorText(target, *syncError));
    if (!out.commit()) return Unexpected(WriteErrorText(target, out.errorString()));
    return {};
}

Expected<QByteArray, QString> ReadWholeFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Unexpected(ReadErrorText(path, file.errorString()));
    QByteArray bytes;
    if (!file.isSequential()) {
        // The size is known: a file too large is refused before anything is read.
        if (file.size() > maxBytes) return Unexpected(ReadErrorText(path, TooLargeReason(maxBytes)));
        bytes = file.readAll();
    } else {
        // A pipe or device tells no size: read in pieces, never more than the limit and one piece.
        constexpr qint64 kPiece = 64 * 1024;
        while (bytes.size() <= maxBytes) {
            const QByteArray piece = file.read(kPiece);
            if (piece.isEmpty()) break;
            bytes += piece;
        }
    }
    if (file.error() != QFileDevice::NoError) return Unexpected(ReadErrorText(path, file.errorString()));
    // The file may have grown while it was read.
    if (bytes.size() > maxBytes) return Unexpected(ReadErrorText(path, TooLargeReason(maxBytes)));
    return bytes;
}
