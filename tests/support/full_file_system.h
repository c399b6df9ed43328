#pragma once
// A real full file system for the save tests: a small tmpfs mounted on a temporary folder and filled to
// its last block. Mounting needs root; SkipReason() says why when it could not be mounted, and the test
// then skips with that reason.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

class FullFileSystem {
  public:
    // mountPoint: an existing folder to mount on (what it holds is hidden until the end); by default a
    // temporary folder of its own.
    explicit FullFileSystem(int kilobytes = 256, const QString& mountPoint = QString())
        : m_mountPoint(mountPoint.isEmpty() ? m_dir.path() : mountPoint) {
        if (::geteuid() != 0) {
            m_skipReason = QStringLiteral("a small tmpfs is mounted only when the test runs as root");
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        if (::mount("tmpfs", QFile::encodeName(m_mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) != 0) {
            m_skipReason =
                QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~FullFileSystem() {
        if (m_mounted) ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
    }
    FullFileSystem(const FullFileSystem&) = delete;
    FullFileSystem& operator=(const FullFileSystem&) = delete;

    bool IsMounted() const { return m_mounted; }
    const QString& SkipReason() const { return m_skipReason; }
    QString Path(const QString& name = QString()) const {
        return name.isEmpty() ? m_mountPoint : QDir(m_mountPoint).filePath(name);
    }

    // Writes a file before the file system is filled (the old data a save must not lose).
    bool Put(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(Path(name)).absolutePath());
        QFile file(Path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    // Takes every free block: afterwards no file can grow by a single byte.
    bool Fill() const {
        QFile filler(Path(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        return true;
    }
    // The files of the folder but the filler (a save must leave no temporary file behind).
    QStringList Files(const QString& folder = QString()) const {
        QStringList names = QDir(Path(folder)).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }
    QByteArray Contents(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // The system's text for a full disk, as the messages show it.
    static QString NoSpaceText() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }

  private:
    QTemporaryDir m_dir;
    QString m_mountPoint;
    QString m_skipReason;
    bool m_mounted = false;
};

// Skips the calling test function when fs could not be mounted.
#define SKIP_UNLESS_MOUNTED(fs)                                                                              \
    do {                                                                                                     \
        if (!(fs).IsMounted()) QSKIP(qPrintable((fs).SkipReason()));                                         \
    } while (false)
