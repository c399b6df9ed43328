#include "translations.h"

#include "command_line.h"
#include "language_choice.h"
#include "storage/translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <memory>

namespace {
const char* const kDomain = kTextDomain;
// The standard dialogs' texts for languages the Qt translations lack; entries are keyed by the class that
// shows the text (msgctxt) and its English text.
const char* const kRuntimeDomain = "vorlapa-qt";

class OwnRuntimeTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || sourceText == nullptr) return QString();
        const QByteArray key = QByteArray(context) + '\004' + sourceText;
        const char* found = dgettext(kRuntimeDomain, key.constData());
        // gettext hands back the very key when the catalogue lacks it; Qt then keeps the English text.
        return found == key.constData() ? QString() : QString::fromUtf8(found);
    }
};

// Replaces the translator of the standard texts by the one the first catalogue name asks for.
void InstallRuntimeTexts(const QStringList& candidates) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (QCoreApplication::instance() == nullptr) return;
    for (const QString& name : candidates) {
        const RuntimeTexts source = RuntimeTextsOf(name);
        if (source == RuntimeTexts::None) continue;
        if (source == RuntimeTexts::Own) {
            installed = std::make_unique<OwnRuntimeTranslator>();
        } else {
            auto qt = std::make_unique<QTranslator>();
            if (!qt->load(QStringLiteral("qtbase_") + name,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                continue;
            installed = std::move(qt);
        }
        QCoreApplication::installTranslator(installed.get());
        return;
    }
}

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
    const bool accepted = language.isEmpty() || IsSafeLanguageCode(language);
    const QString chosen = ChooseLanguage(accepted ? language : QString(), qEnvironmentVariable("LANG"),
                                          QLocale::system().name());
    const QStringList candidates = LanguageCandidates(chosen);
    // An empty LANGUAGE would let gettext fall back on the locale: "C" keeps every text English.
    qputenv("LANGUAGE", candidates.isEmpty() ? QByteArray("C") : candidates.join(u':').toLatin1());
    // glibc translates only under a UTF-8 locale other than plain "C"; the rest of the locale stays.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    for (const char* domain : {kDomain, kRuntimeDomain}) {
        if (!catalogueFolder.isEmpty())
            bindtextdomain(domain, QFile::encodeName(catalogueFolder).constData());
        bind_textdomain_codeset(domain, "UTF-8");
    }
    textdomain(kDomain);
    InstallRuntimeTexts(candidates);
    return accepted;
}
