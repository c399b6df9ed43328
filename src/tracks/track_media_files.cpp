#include "track_media_files.h"

#include "storage/translate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TrackPictureFilter() {
    return Translate("All pictures") + QStringLiteral(" (*.gif *.jpg *.jpeg *.bmp *.ico *.emf *.wmf);;") +
           QStringLiteral("GIF (*.gif);;JPEG (*.jpg *.jpeg);;") + Translate("Bitmaps") +
           QStringLiteral(" (*.bmp);;") + Translate("Icons") + QStringLiteral(" (*.ico);;") +
           Translate("Enhanced Metafiles") + QStringLiteral(" (*.emf);;") + Translate("Metafiles") +
           QStringLiteral(" (*.wmf)");
}

QString TrackMovieFilter() {
    return Translate("Movie files") + QStringLiteral(" (*.avi *.mpg *.mpeg *.wmv *.mov *.asf);;") +
           Translate("All files") + QStringLiteral(" (*)");
}

bool FileIsInFolder(const QString& file, const QString& folder) {
    const QString fileFolder = QDir::cleanPath(QFileInfo(file).absolutePath());
    return fileFolder.compare(QDir::cleanPath(QDir(folder).absolutePath()), Qt::CaseInsensitive) == 0;
}

QString CopyIntoFolder(const QString& file, const QString& folder) {
    const QFileInfo source(file);
    if (!source.isFile() || !QDir().mkpath(folder)) return QString();
    const QString target = QDir(folder).absoluteFilePath(source.fileName());
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && targetInfo.canonicalFilePath() == source.canonicalFilePath()) return target;
    // Copy beside the target first: a failed copy leaves the old file whole.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source.absoluteFilePath(), partial)) {
        QFile::remove(partial);
        return QString();
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return QString();
    }
    return target;
}
