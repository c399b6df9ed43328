#include "app/translations.h"
#include "storage/translate.h"

#include <QDir>
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
};

QTEST_GUILESS_MAIN(TestTranslate)
#include "tst_translate.moc"
