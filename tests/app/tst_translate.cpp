#include "app/translations.h"
#include "storage/translate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The catalogue path from po/ to Translate(): the German catalogue built with the program.
class TestTranslate : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void germanCatalogueTranslatesBeforeFilling() {
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("de")));
        QCOMPARE(Translate("Motorcycle"), QStringLiteral("Motorrad"));
        QCOMPARE(Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")),
                 QStringLiteral("Ungespeicherte Änderungen (Sitzung), jetzt speichern?"));
        // Texts the catalogue lacks stay English.
        QCOMPARE(Translate("Kart"), QStringLiteral("Kart"));
        QCOMPARE(Translate("Reading tracks..."), QStringLiteral("Reading tracks..."));
    }

    void unknownLanguageStaysEnglish() {
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("xx")));
        QCOMPARE(Translate("Motorcycle"), QStringLiteral("Motorcycle"));
    }

    void unsafeLanguageCodeIsRefused() {
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("de")));
        QVERIFY(!UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("../locale/de")));
        QCOMPARE(qgetenv("LANGUAGE"), QByteArray("de"));
    }

    void catalogueFolderBesideTheProgram() {
        QCOMPARE(FindCatalogueFolder(QStringLiteral("/nowhere"), QStringLiteral("/given")),
                 QStringLiteral("/given"));
        const QString buildTree = QStringLiteral(VORLAPA_LOCALE_DIR);
        // The program lives two folders below the build folder (build/src/gui).
        QCOMPARE(FindCatalogueFolder(buildTree + QStringLiteral("/../src/gui"), QString()),
                 QDir::cleanPath(buildTree));
    }

    void catalogueFolderOfAnInstalledProgram() {
        // PREFIX/bin/vorlapa with PREFIX/share/locale, the folder every program shares: it is this program's
        // catalogue folder only once it holds one of its catalogues.
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        const QDir root(prefix.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")));
        QVERIFY(root.mkpath(QStringLiteral("share/locale/de/LC_MESSAGES")));
        QFile other(root.filePath(QStringLiteral("share/locale/de/LC_MESSAGES/other.mo")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        const QString bin = root.filePath(QStringLiteral("bin"));
        QCOMPARE(FindCatalogueFolder(bin, QString()), QString());
        QFile own(root.filePath(QStringLiteral("share/locale/de/LC_MESSAGES/vorlapa.mo")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();
        QCOMPARE(FindCatalogueFolder(bin, QString()), root.filePath(QStringLiteral("share/locale")));
    }
};

QTEST_GUILESS_MAIN(TestTranslate)
#include "tst_translate.moc"
