#include "command_line.h"

#include <QDir>
#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList& args) {
    CommandLine result;
    if (!args.isEmpty()) result.firstParameter = args.first();
    bool languageSeen = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool hasNext = i + 1 < args.size();
        if (arg == u"-lang" && hasNext && !languageSeen) {
            result.language = args.at(i + 1);
            languageSeen = true;
            ++i;
        } else if (arg == u"--data-dir" && hasNext) {
            result.dataDir = args.at(++i);
        } else if (arg == u"--screenshot" && hasNext) {
            result.screenshot = true;
            result.screenshotPath = args.at(++i);
        } else if (arg == u"--page" && hasNext) {
            result.screenshotPage = args.at(++i);
        } else if (arg == u"--window" && hasNext) {
            result.screenshotWindow = args.at(++i);
        } else if (arg == u"--help" || arg == u"-h") {
            result.help = true;
        } else if (arg == u"--version") {
            result.version = true;
        }
    }
    return result;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "usage: vorlapa [FILE.ses|FILE.set] [-lang CODE] [--data-dir DIR]\n"
        "               [--screenshot OUT.png [--page CAPTION|PATH] [--window NAME]]\n"
        "       vorlapa --help | --version\n"
        "\n"
        "  FILE.ses, FILE.set      open this session or part setup at start-up\n"
        "  -lang CODE              use the catalogue of this language (e.g. de)\n"
        "  --data-dir DIR          the data folder; else $VORLAPA_DATA, else the program's folder\n"
        "                          when it holds vorlapa.ini, else ~/.local/share/Vorlapa\n"
        "  --screenshot OUT.png    render the window offscreen into OUT.png and exit\n"
        "  --page CAPTION|PATH     the page to show first (e.g. \"Setup/General\")\n"
        "  --window NAME           a calculator window instead of the main window\n"
        "  --help, -h              print this usage and exit\n"
        "  --version               print the version and the catalogue folder and exit\n");
}

bool IsSafeLanguageCode(const QString& code) {
    if (code.isEmpty() || code.size() > 64 || !code.at(0).isLetterOrNumber() || code.at(0).unicode() > 127)
        return false;
    for (const QChar c : code) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                        u == '_' || u == '-' || u == '.' || u == '@';
        if (!ok) return false;
    }
    return true;
}

StartupFile ChooseStartupFile(const QString& firstParameter, const QString& launchFolder,
                              bool loadLastSession, const QString& lastSession, const QString& dataFolder) {
    if (!firstParameter.isEmpty()) {
        const QFileInfo file(QDir(launchFolder).absoluteFilePath(firstParameter));
        if (file.isFile()) {
            if (firstParameter.endsWith(u".ses")) return {StartupFileKind::Session, file.absoluteFilePath()};
            if (firstParameter.endsWith(u".set")) return {StartupFileKind::Setup, file.absoluteFilePath()};
            return {};
        }
    }
    if (loadLastSession && !lastSession.isEmpty()) {
        QString path = lastSession;
        path.replace(u'\\', u'/');
        return {StartupFileKind::Session, QDir::cleanPath(QDir(dataFolder).absoluteFilePath(path))};
    }
    return {};
}
