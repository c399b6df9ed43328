// Every kind of file the program writes, saved onto a real full file system: the save must report the
// failure with the file's name and the system's text, and the old file must stay whole.
#include "full_file_system.h"
#include "recording_prompter.h"

#include "app/app_state.h"
#include "app/change_tracker.h"
#include "app/settings_file.h"
#include "app/startup_log.h"
#include "reports/session_report.h"
#include "reports/session_report_input.h"
#include "session/general_notes_model.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "storage/atomic_file.h"
#include "storage/txt_parser.h"
#include "tracks/track_list.h"

#include <QDateTime>
#include <QTest>

namespace {

enum class FileKind { Session, SetupFile, Settings, Tracks, GeneralNotes, Reports, StartupLog };

// The error box a failed write onto the full disk shows, scripted on the prompter; what Save() returns
// once it was shown.
QString ExpectWriteError(RecordingPrompter& prompter, const QString& path) {
    const QString message = WriteErrorText(path, FullFileSystem::NoSpaceText());
    prompter.ExpectError(message);
    return message;
}

// Saves the kind's file(s) into the data folder; returns the error the program shows, empty when the
// save reported success.
QString Save(FileKind kind, const QString& dataFolder) {
    const QDir data(dataFolder);
    RecordingPrompter prompter;
    Services services;
    services.prompter = &prompter;
    switch (kind) {
    case FileKind::Session: {
        AppState state(services, dataFolder);
        SetupModel setup(VehicleType::Motorcycle, &prompter);
        SessionModel session(state, setup);
        session.SetText("conditions", "track", "Monza");
        const QString shown = ExpectWriteError(prompter, data.filePath("Sessions/old.ses"));
        if (session.SaveSession(data.filePath("Sessions/old.ses"))) return QString();
        return prompter.ScriptDone() ? shown : QStringLiteral("<no message>");
    }
    case FileKind::SetupFile: {
        SetupModel setup(VehicleType::Motorcycle, &prompter);
        setup.SetText("general", "frame", "Steel");
        TTxtParser writer;
        writer.OpenWrite(data.filePath("Setups/old.set"));
        setup.WriteSetupSections(writer);
        const auto closed = writer.Close();
        return closed ? QString() : closed.error();
    }
    case FileKind::Settings: {
        const auto saved = SaveSettingsFile(data.filePath("vorlapa.ini"), DefaultSettings(45000), dataFolder);
        return saved ? QString() : saved.error();
    }
    case FileKind::Tracks: {
        TTrackList list;
        TTrackInfo track;
        track.Length = "5793";
        list.Append("Monza", track);
        const auto saved = SaveTrackListFile(data.filePath("Tracks/tracks.txt"), list, dataFolder);
        return saved ? QString() : saved.error();
    }
    case FileKind::GeneralNotes: {
        ChangeTracker tracker;
        GeneralNotesModel notes(tracker, &prompter, dataFolder);
        notes.Load();
        notes.SetText(0, "new notes");
        const QString shown = ExpectWriteError(prompter, data.filePath("vlnotes1.txt"));
        if (notes.Save(0)) return QString();
        return prompter.ScriptDone() ? shown : QStringLiteral("<no message>");
    }
    case FileKind::Reports: {
        ReportContext context;
        context.exportFolder = data.filePath("Exports");
        SessionRecord record;
        const SessionReportInput session = SessionReportInputFrom(record, data.filePath("Sessions/old.ses"),
                                                                  DefaultSettings(45000), QString());
        SetupModel setup(VehicleType::Motorcycle, &prompter);
        const auto written = ExportSessionReport(context, session, SetupReportInputFrom(setup));
        return written ? QString() : written.error();
    }
    case FileKind::StartupLog: {
        const auto written = WriteStartupLog(data.filePath("vorlapa.log"), QDateTime::currentDateTime());
        return written ? QString() : written.error();
    }
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(FileKind)

class TestFullDiskSaves : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void oldFileSurvivesAFullDisk_data() {
        QTest::addColumn<FileKind>("kind");
        QTest::addColumn<QStringList>("files"); // old files the save would replace
        QTest::addColumn<bool>("systemText");   // the message carries the system's text
        QTest::newRow("session") << FileKind::Session << QStringList{"Sessions/old.ses"} << true;
        QTest::newRow("setup file") << FileKind::SetupFile << QStringList{"Setups/old.set"} << true;
        QTest::newRow("settings") << FileKind::Settings << QStringList{"vorlapa.ini"} << true;
        QTest::newRow("track list") << FileKind::Tracks << QStringList{"Tracks/tracks.txt"} << true;
        QTest::newRow("general notes") << FileKind::GeneralNotes << QStringList{"vlnotes1.txt"} << true;
        QTest::newRow("session reports")
            << FileKind::Reports
            << QStringList{"Exports/setup_old.htm", "Exports/session_old.htm", "Sessions/old.ses"} << true;
        QTest::newRow("start-up log") << FileKind::StartupLog << QStringList{"vorlapa.log"} << false;
    }
    void oldFileSurvivesAFullDisk() {
        QFETCH(FileKind, kind);
        QFETCH(QStringList, files);
        QFETCH(bool, systemText);
        FullFileSystem fs;
        SKIP_UNLESS_MOUNTED(fs);
        for (const QString& file : files)
            QVERIFY(fs.Put(file, "OLD " + file.toUtf8() + "\r\n"));
        QVERIFY(fs.Fill());

        const QString error = Save(kind, fs.Path());
        QVERIFY2(!error.isEmpty(), "the save reported success on a full disk");
        QVERIFY2(error.contains(fs.Path(files.first())), qPrintable(error));
        if (systemText) QVERIFY2(error.contains(FullFileSystem::NoSpaceText()), qPrintable(error));
        for (const QString& file : files) {
            QCOMPARE(fs.Contents(file), "OLD " + file.toUtf8() + "\r\n");
            const QString folder = QFileInfo(file).path();
            QStringList expected;
            for (const QString& other : files)
                if (QFileInfo(other).path() == folder) expected << QFileInfo(other).fileName();
            expected.sort();
            QStringList present = fs.Files(folder == "." ? QString() : folder);
            present.sort();
            QCOMPARE(present, expected); // no temporary file left behind
        }
    }
};

QTEST_GUILESS_MAIN(TestFullDiskSaves)
#include "tst_full_disk_saves.moc"
