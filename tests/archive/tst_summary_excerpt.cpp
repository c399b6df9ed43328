// The excerpt of a session file gives the same summary row as the whole file, for ordinary files and
// for the odd layouts a tag-file reader has to get right.
#include "archive/session_summary.h"
#include "archive/summary_excerpt.h"
#include "gen_session_files.h"
#include "storage/text_codec.h"
#include "storage/txt_parser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList RowOf(const QString& text) {
    TTxtParser parser;
    parser.OpenReadText(text);
    SummaryOptions options;
    QStringList row = ReadSummaryRow(parser, "x.ses", 40000, options);
    row << (IsOtherVehicle(parser, options) ? "other" : "listed");
    return row;
}

void CompareWholeAndExcerpt(const QByteArray& bytes) {
    const auto excerpt = SummaryExcerpt(bytes);
    QVERIFY(excerpt.has_value());
    QCOMPARE(RowOf(*excerpt), RowOf(DecodeFileText(bytes)));
}

} // namespace

class TestSummaryExcerpt : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void generatedSessionsGiveTheSameRow() {
        QTemporaryDir dir;
        const QStringList paths = GenerateSessionFiles(dir.path(), 40, 11);
        QCOMPARE(paths.size(), 40);
        for (const QString& path : paths) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            CompareWholeAndExcerpt(file.readAll());
        }
    }

    void oddLayoutsGiveTheSameRow_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray notes = "[session_notes]\r\nnotes=notes_begin;\r\nsee [link] here\r\nnotes_end\r\n"
                                 "notes_vehicle=notes_begin;\r\nchain\r\nnotes_end\r\ntop_speed=201;\r\n";
        const QByteArray laps = "[lap_times]\r\nsplits_per_lap=0;\r\ndriver1_name=Anna;\r\n"
                                "driver1_split_times=61000,60500;\r\n";
        QTest::newRow("bracket inside a note") << notes + laps;
        QTest::newRow("block past the section")
            << QByteArray("[session_notes]\nnotes=notes_begin;\n[lap_times]\ndriver1_name=Bert;\nnotes_end\n"
                          "[lap_times]\ndriver1_split_times=59000;\n");
        QTest::newRow("block without end")
            << QByteArray("[session_notes]\nnotes_vehicle=notes_begin;\nrest\n");
        QTest::newRow("block to the end, empty last line")
            << QByteArray("[session_notes]\r\nnotes=notes_begin;\r\na\r\n\r\n");
        QTest::newRow("block to the end, lone CR")
            << QByteArray("[session_notes]\rnotes=notes_begin;\ra\r\r");
        QTest::newRow("block to the end, no final break")
            << QByteArray("[session_notes]\nnotes=notes_begin;\na");
        QTest::newRow("header on the last line") << QByteArray("[lap_times]\ndriver1_name=A;\n[conditions]");
        QTest::newRow("header case and duplicates")
            << QByteArray("[Conditions]\ntrack=Hill;\n[conditions]\ntrack=Lake;\n[CONDITIONS] \nclass=x;\n") +
                   laps;
        QTest::newRow("lone CR line ends")
            << QByteArray("[conditions]\rtrack=Hill;\r\r[lap_times]\rdriver1_name=C;\r");
        QTest::newRow("section ended by a bracket line")
            << QByteArray("[conditions]\ntrack=Hill;\nsome ] text\nclass=Late;\n[engine]\nengine=E1;\n");
        QTest::newRow("key on the line that ends the section")
            << QByteArray("[conditions]\ntrack=Hill;\nclass=[A];\nposition=3;\n");
        QTest::newRow("keys in other case and without terminator")
            << QByteArray("[gearing]\nCOUNTERSHAFT=14;\nrear_sprocket=40\nuses_shaftdrive=true;\n"
                          "shaftdrive_input=11;shaftdrive_output=3;\n[information]\nvehicle=car;\n");
        QTest::newRow("notes key before its section")
            << QByteArray("notes=notes_begin;\nx\nnotes_end\n") + notes;
        QTest::newRow("empty") << QByteArray();
    }
    void oddLayoutsGiveTheSameRow() {
        QFETCH(QByteArray, bytes);
        CompareWholeAndExcerpt(bytes);
    }

    void nonAsciiFilesAreDecodedWhole() {
        QVERIFY(!SummaryExcerpt(QByteArray("[conditions]\ntrack=G\xc3\xb6teborg;\n")).has_value());
        QVERIFY(!SummaryExcerpt(QByteArray("[conditions]\ntrack=G\xf6teborg;\n")).has_value());
    }
};

QTEST_GUILESS_MAIN(TestSummaryExcerpt)
#include "tst_summary_excerpt.moc"
