#include "atomic_file.h"

#include <QFile>
#include <QSaveFile>

Expected<void, QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // QSaveFile writes a temporary file beside the target and renames it over the target on commit;
    // until then the old file stays whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Unexpected(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return Unexpected(error);
    }
    if (!file.commit()) return Unexpected(file.errorString());
    return {};
}

Expected<QByteArray, QString> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Unexpected(file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return Unexpected(file.errorString());
    return bytes;
}
