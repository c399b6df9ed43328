// Smart-save names and folders, and the recent-sessions list of "Reopen session".
#include "archive/recent_sessions.h"
#include "archive/smart_save.h"
#include "recording_prompter.h"
#include "storage/date_time.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

double Start() {
    return DayNumberFromDateTime(QDateTime(QDate(2007, 5, 12), QTime(14, 33)));
}

void Create(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Confirms the save dialog with the proposed path and remembers it.
class ProposalPrompter : public RecordingPrompter {
  public:
    QString proposed;
    std::optional<QString> ChooseSaveFile(const QString&, const QString& suggested, const QString&) override {
        proposed = suggested;
        return suggested;
    }
};

} // namespace

class TestSmartSaveRecent : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void smartSaveNames_data() {
        QTest::addColumn<QString>("track");
        QTest::addColumn<int>("laps");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("driver 1 start") << "North Loop" << 3 << "North Loop 2007-05-12 14.33 Practice.ses"
                                        << "Sessions/North Loop";
        QTest::newRow("no laps: now") << "North Loop" << 0 << "North Loop 2008-01-02 Practice.ses"
                                      << "Sessions/North Loop";
        QTest::newRow("dots") << ".." << 3 << ".. 2007-05-12 14.33 Practice.ses"
                              << "Sessions/_..";
        QTest::newRow("slash") << "a/b" << 3 << "a_b 2007-05-12 14.33 Practice.ses"
                               << "Sessions/a_b";
        QTest::newRow("back slash") << "..\\..\\x" << 3 << ".._.._x 2007-05-12 14.33 Practice.ses"
                                    << "Sessions/.._.._x";
        QTest::newRow("colon") << "C:" << 3 << "C- 2007-05-12 14.33 Practice.ses"
                               << "Sessions/C-";
        QTest::newRow("no track") << "" << 3 << " 2007-05-12 14.33 Practice.ses"
                                  << "Sessions";
    }
    void smartSaveNames() {
        QFETCH(QString, track);
        QFETCH(int, laps);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        SmartSaveInput input;
        input.track = track;
        input.sessionType = "Practice";
        input.driver1StartTime = Start();
        input.driver1LapCount = laps;
        input.now = DayNumberFromDateTime(QDateTime(QDate(2008, 1, 2), QTime(0, 0)));
        input.intoTrackFolder = true;
        QCOMPARE(SmartSaveFileName(input).value(), name);
        const QString data = "/data";
        const QString made = SmartSaveFolder(input, data);
        QCOMPARE(made, data + "/" + folder);
        // Whatever the track, the proposal stays inside the sessions folder.
        QVERIFY(QDir::cleanPath(made + "/" + name).startsWith("/data/Sessions/"));
        input.intoTrackFolder = false;
        QCOMPARE(SmartSaveFolder(input, data), data + "/Sessions");
    }

    void smartSaveCreatesTheTrackFolderAndSavesThroughTheCallback() {
        QTemporaryDir dir;
        ProposalPrompter prompter;
        SmartSaveInput input{"Hill", "Race", "", Start(), 2, 0, true};
        QString saved;
        QVERIFY(SmartSaveSession(input, dir.path(), prompter, [&](const QString& path) {
            saved = path;
            return true;
        }));
        QCOMPARE(prompter.proposed, dir.filePath("Sessions/Hill/Hill 2007-05-12 14.33 Race.ses"));
        QCOMPARE(saved, prompter.proposed);
        QVERIFY(QFileInfo(dir.filePath("Sessions/Hill")).isDir());

        // A file where the folder should be: the save ends with the message.
        Create(dir.filePath("Sessions/Lake"));
        input.track = "Lake";
        saved.clear();
        prompter.ExpectError("Cannot create directory " +
                             QDir::toNativeSeparators(dir.filePath("Sessions/Lake")));
        QVERIFY(!SmartSaveSession(input, dir.path(), prompter, [&](const QString& path) {
            saved = path;
            return true;
        }));
        QVERIFY(saved.isEmpty());
        QVERIFY(prompter.ScriptDone());
    }

    void recentListKeepsFiveNewestFirst() {
        QTemporaryDir dir;
        for (int i = 1; i <= 6; ++i)
            Create(dir.filePath(QString("Sessions/s%1.ses").arg(i)));
        RecentSessions recent(dir.path());
        for (int i = 1; i <= 5; ++i)
            recent.Offer(dir.filePath(QString("Sessions/s%1.ses").arg(i)));
        recent.Offer(dir.filePath("Sessions/s2.ses")); // moves to the top
        QCOMPARE(recent.Entries().size(), 5);
        QCOMPARE(QFileInfo(recent.Entries().first()).fileName(), "s2.ses");
        recent.Offer("s6.ses"); // looked up in the sessions folder; pushes out the oldest (s1)
        QStringList names;
        for (const QString& entry : recent.Entries())
            names << QFileInfo(entry).fileName();
        QCOMPARE(names, (QStringList{"s6.ses", "s2.ses", "s5.ses", "s4.ses", "s3.ses"}));
        QVERIFY(QFileInfo(recent.Entries().first()).isAbsolute());

        recent.Offer("missing.ses");
        recent.SetSuppressed(true);
        recent.Offer(dir.filePath("Sessions/s1.ses"));
        QCOMPARE(recent.Entries().size(), 5);
        QCOMPARE(QFileInfo(recent.Entries().first()).fileName(), "s6.ses");

        // The settings keep the order from the last entry to the first; reading restores it.
        RecentSessions restored(dir.path());
        restored.FromSettings(recent.ToSettings());
        QCOMPARE(restored.Entries(), recent.Entries());
        QCOMPARE(restored.FileOf("s3.ses"), dir.filePath("Sessions/s3.ses"));
    }
};

QTEST_GUILESS_MAIN(TestSmartSaveRecent)
#include "tst_smart_save_recent.moc"
