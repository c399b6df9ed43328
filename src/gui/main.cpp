// vorlapa [FILE.ses|FILE.set] [-lang CODE] [--data-dir DIR]
//         [--screenshot OUT.png [--page CAPTION|PATH] [--window NAME]]
// vorlapa --help | --version   (printed without a display; see CommandLineUsage)
#include "app/app_state.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/startup_log.h"
#include "app/startup_sequence.h"
#include "app/translations.h"
#include "storage/translate.h"
#include "ui/app/vorlapa_form.h"
#include "ui/platform/qt_services.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

namespace {

QStringList RawArguments(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void ReportError(bool interactive, const QString& message) {
    if (interactive)
        QMessageBox::critical(nullptr, QApplication::applicationName(), message);
    else
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    const CommandLine commandLine = ParseCommandLine(RawArguments(argc, argv));
    // The usage and the version are printed before any window exists, so they need no display.
    if (commandLine.help) {
        std::fputs(CommandLineUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (commandLine.version) {
        const QCoreApplication core(argc, argv);
        const QString catalogues = FindCatalogueFolder(QCoreApplication::applicationDirPath(),
                                                       qEnvironmentVariable("VORLAPA_LOCALE_DIR"));
        std::printf("vorlapa %d.%d\ncatalogues: %s\n", VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR,
                    catalogues.isEmpty() ? "(none)" : QFile::encodeName(catalogues).constData());
        return 0;
    }
    const bool interactive = !commandLine.screenshot;
    // Screenshots need no display.
    if (commandLine.screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString launchFolder = QDir::currentPath();
    const QDateTime started = QDateTime::currentDateTime();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlapa"));
    QApplication::setOrganizationName(QStringLiteral("Kalverin"));

    const QString userData = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                 .filePath(QStringLiteral("Vorlapa"));
    const QString dataFolder = ResolveDataFolder(commandLine.dataDir, qEnvironmentVariable("VORLAPA_DATA"),
                                                 QApplication::applicationDirPath(), userData);
    QDir().mkpath(dataFolder);

    UseLanguage(
        FindCatalogueFolder(QApplication::applicationDirPath(), qEnvironmentVariable("VORLAPA_LOCALE_DIR")),
        commandLine.language);

    // The log lives in the data folder: the program's own folder is often not writable.
    if (const auto logged = WriteStartupLog(StartupLogPath(dataFolder, QStringLiteral("vorlapa")), started);
        !logged) {
        ReportError(interactive, logged.error());
        return 1;
    }

    QtPrompter prompter(interactive);
    QtClock clock;
    QtBeeper beeper;
    QtShell shell;
    QtProgress progress;
    QtSettingsStore store;
    Services services;
    services.prompter = &prompter;
    services.clock = &clock;
    services.beeper = &beeper;
    services.shell = &shell;
    services.progress = &progress;
    services.settings = &store;

    // The state and the workspace outlive the window that shows them.
    AppState state(services, dataFolder);
    Workspace workspace(state);
    TVorlapaForm form(workspace, interactive);
    prompter.SetParent(&form);
    form.Start();
    StartupSequence(state, form, &workspace).OpenStartupFile(commandLine, launchFolder);
    workspace.OpenPendingSetup();

    if (commandLine.screenshot) {
        if (!commandLine.screenshotPage.isEmpty() && !form.ShowPage(commandLine.screenshotPage)) {
            ReportError(false, Fill(Translate("No page named %s"), commandLine.screenshotPage));
            return 1;
        }
        form.show();
        QWidget* shown = &form;
        if (!commandLine.screenshotWindow.isEmpty()) {
            shown = form.ShowWindow(commandLine.screenshotWindow);
            if (!shown) {
                ReportError(false, Fill(Translate("No window named %s"), commandLine.screenshotWindow));
                return 1;
            }
        }
        QApplication::processEvents();
        const QString target = QDir(launchFolder).absoluteFilePath(commandLine.screenshotPath);
        if (!shown->grab().save(target, "PNG")) {
            ReportError(false, Fill(Translate("Unable to save %s"), target));
            return 1;
        }
        // Leaving without closing the window: a screenshot writes nothing beyond what start-up wrote.
        return 0;
    }
    form.show();
    return app.exec();
}
