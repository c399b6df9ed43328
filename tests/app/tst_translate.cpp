#include "app/translations.h"
#include "storage/translate.h"

#include <QCoreApplication>
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
                 QStringLiteral("Es gibt ungespeicherte Änderungen (Session), jetzt speichern?"));
        // Texts the catalogue lacks stay English.
        QCOMPARE(Translate("Not in any catalogue"), QStringLiteral("Not in any catalogue"));
    }

    // Danish and Finnish catalogues hold only their header; an unknown code finds no catalogue.
    void languagesWithoutTextsStayEnglish_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Danish") << "da";
        QTest::newRow("Finnish") << "fi_FI";
        QTest::newRow("unknown") << "xx";
    }
    void languagesWithoutTextsStayEnglish() {
        QFETCH(QString, language);
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), language));
        QCOMPARE(Translate("Motorcycle"), QStringLiteral("Motorcycle"));
    }

    void norwegianBokmalFindsTheNorwegianCatalogue() {
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("nb_NO")));
        QCOMPARE(Translate("Motorcycle"), QStringLiteral("Motorsykkel"));
    }

    void unsafeLanguageCodeIsRefused() {
        // The code never reaches a path; the environment decides instead.
        qputenv("LANG", "it_IT.UTF-8");
        QVERIFY(!UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("../locale/de")));
        QCOMPARE(qgetenv("LANGUAGE"), QByteArray("it_IT:it"));
        qunsetenv("LANG");
    }

    // The standard buttons and edit menus: Qt's own translations, this program's catalogue for Swedish,
    // English for a language without either.
    void standardTextsFollowTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("cut");
        QTest::newRow("French from Qt") << "fr"
                                        << "&Oui"
                                        << "Co&uper";
        QTest::newRow("Swedish, own") << "sv_SE"
                                      << "&Ja"
                                      << "Klipp &ut";
        QTest::newRow("Danish stays English") << "da"
                                              << "&Yes"
                                              << "Cu&t";
        QTest::newRow("unknown") << "xx"
                                 << "&Yes"
                                 << "Cu&t";
    }
    void standardTextsFollowTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        QFETCH(QString, cut);
        QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), language));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "Cu&t"), cut);
        // A text the catalogue lacks stays English.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "No such text"), QStringLiteral("No such text"));
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
