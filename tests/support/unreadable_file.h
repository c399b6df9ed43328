#pragma once
// A data file that exists but cannot be read. Mode 000 keeps out every user but root; when the test runs
// as root (who reads any file) a folder takes the file's place, which no reader can open either.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline bool MakeUnreadable(const QString& path) {
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("[information]\r\nvehicle=mc;\r\n") < 0)
            return false;
    }
    if (!QFile::setPermissions(path, QFileDevice::Permissions())) return false;
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) return true;
    probe.close();
    return QFile::remove(path) && QDir().mkdir(path);
}
