#include "app/language_choice.h"

#include <QTest>

// Which catalogues a start-up looks for, from "-lang", LANG and the system locale.
class TestLanguageChoice : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void chooseLanguage_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("candidates");
        QTest::newRow("-lang first") << "sv"
                                     << "de_DE.UTF-8"
                                     << "fr_FR"
                                     << "sv" << QStringList{"sv"};
        QTest::newRow("LANG without -lang") << ""
                                            << "sv_SE.UTF-8"
                                            << "fr_FR"
                                            << "sv_SE" << QStringList{"sv_SE", "sv"};
        QTest::newRow("LANG with a modifier") << ""
                                              << "de_DE@euro"
                                              << ""
                                              << "de_DE" << QStringList{"de_DE", "de"};
        QTest::newRow("system locale last") << ""
                                            << ""
                                            << "it_IT"
                                            << "it_IT" << QStringList{"it_IT", "it"};
        QTest::newRow("Bokmål is Norwegian") << ""
                                             << "nb_NO.UTF-8"
                                             << ""
                                             << "nb_NO" << QStringList{"nb_NO", "nb", "no"};
        QTest::newRow("Nynorsk is Norwegian") << "nn"
                                              << ""
                                              << ""
                                              << "nn" << QStringList{"nn", "no"};
        QTest::newRow("C is English") << ""
                                      << "C.UTF-8"
                                      << "sv_SE"
                                      << "" << QStringList{};
        QTest::newRow("POSIX is English") << ""
                                          << "POSIX"
                                          << "sv_SE"
                                          << "" << QStringList{};
        QTest::newRow("unsafe -lang is passed over") << "../../etc"
                                                     << "fi_FI"
                                                     << ""
                                                     << "fi_FI" << QStringList{"fi_FI", "fi"};
        QTest::newRow("nothing at all") << ""
                                        << ""
                                        << ""
                                        << "" << QStringList{};
    }
    void chooseLanguage() {
        QFETCH(QString, argument);
        QFETCH(QString, lang);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QFETCH(QStringList, candidates);
        QCOMPARE(ChooseLanguage(argument, lang, system), chosen);
        QCOMPARE(LanguageCandidates(chosen), candidates);
    }

    void standardTextsPerLanguage() {
        QCOMPARE(RuntimeTextsOf(QStringLiteral("fr")), RuntimeTexts::QtCatalogue);
        QCOMPARE(RuntimeTextsOf(QStringLiteral("de")), RuntimeTexts::QtCatalogue);
        QCOMPARE(RuntimeTextsOf(QStringLiteral("sv")), RuntimeTexts::Own);
        // Danish and Finnish show English throughout, the standard texts included.
        QCOMPARE(RuntimeTextsOf(QStringLiteral("da")), RuntimeTexts::None);
        QCOMPARE(RuntimeTextsOf(QStringLiteral("fi")), RuntimeTexts::None);
        QCOMPARE(RuntimeTextsOf(QStringLiteral("sv_SE")), RuntimeTexts::None);
    }
};

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "tst_language_choice.moc"
