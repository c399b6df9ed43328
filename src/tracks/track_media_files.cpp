#include "track_media_files.h"

#include "storage/atomic_file.h"
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
    // A failed copy (a full disk) leaves the old file whole.
    if (!CopyFileAtomically(source.absoluteFilePath(), target)) return QString();
    return target;
}
