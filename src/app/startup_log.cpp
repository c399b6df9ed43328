#include "startup_log.h"

#include "storage/atomic_file.h"
#include "storage/translate.h"

#include <QDir>
#include <QLocale>

QString StartupLogPath(const QString& folder, const QString& programName) {
    return QDir(folder).filePath(programName + QStringLiteral(".log"));
}

Expected<void, QString> WriteStartupLog(const QString& path, const QDateTime& now) {
    const QLocale system = QLocale::system();
    const QString line = QStringLiteral("Debug log started at ") +
                         system.toString(now.date(), QLocale::ShortFormat) + u' ' +
                         system.toString(now.time(), QLocale::LongFormat) + QStringLiteral("\r\n");
    if (!WriteFileAtomically(path, line.toUtf8()))
        return Unexpected(Fill(Translate("Failed writing to log file %s"), QDir::toNativeSeparators(path)));
    return {};
}
