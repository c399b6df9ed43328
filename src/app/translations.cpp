#include "translations.h"

#include "command_line.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>
#include <clocale>
#include <cstdlib>
#include <libintl.h>

namespace {
const char* const kDomain = kTextDomain;

// A shared locale folder (/usr/share/locale) exists whether or not this program put catalogues there.
bool HoldsOwnCatalogues(const QString& folder) {
    const QString file =
        QStringLiteral("LC_MESSAGES/") + QString::fromLatin1(kDomain) + QStringLiteral(".mo");
    const QDir dir(folder);
    for (const QString& language : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo(dir.filePath(language + u'/' + file)).isFile()) return true;
    return false;
}
} // namespace

QString FindCatalogueFolder(const QString& executableFolder, const QString& environmentValue) {
    if (!environmentValue.isEmpty()) return QDir(environmentValue).absolutePath();
    const QDir exe(executableFolder);
    const QString installed = QDir::cleanPath(exe.absoluteFilePath(QStringLiteral("../share/locale")));
    for (const char* candidate : {"locale", "../share/locale", "../../locale", "../share/vorlapa/locale"}) {
        const QString path = QDir::cleanPath(exe.absoluteFilePath(QString::fromLatin1(candidate)));
        if (path == installed && !HoldsOwnCatalogues(path)) continue;
        if (QFileInfo(path).isDir()) return path;
    }
    return QString();
}

bool UseLanguage(const QString& catalogueFolder, const QString& language) {
    bool accepted = true;
    QByteArray code;
    if (!language.isEmpty()) {
        accepted = IsSafeLanguageCode(language);
        if (accepted) code = language.toLatin1();
    }
    if (code.isEmpty() && qEnvironmentVariableIsEmpty("LANGUAGE")) {
        // Without "-lang" the language comes from LANG: "sv_SE.UTF-8" -> "sv_SE" (gettext then tries "sv").
        QString lang = qEnvironmentVariable("LANG");
        lang = lang.section(u'.', 0, 0).section(u'@', 0, 0);
        if (IsSafeLanguageCode(lang) && lang != u"C" && lang != u"POSIX") code = lang.toLatin1();
    }
    if (!code.isEmpty()) qputenv("LANGUAGE", code);
    // glibc translates only under a UTF-8 locale other than plain "C"; the rest of the locale stays.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    if (!catalogueFolder.isEmpty()) bindtextdomain(kDomain, QFile::encodeName(catalogueFolder).constData());
    bind_textdomain_codeset(kDomain, "UTF-8");
    textdomain(kDomain);
    return accepted;
}
