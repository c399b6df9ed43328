#include "calc/jetting_guru.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QTest>

class TestJettingGuru : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void suggestion_data();
    void suggestion();
    void missingInputsLeaveSuggestion_data();
    void missingInputsLeaveSuggestion();
    void rowsWithoutSizesAreEmptied();
    void openingTakesValueAndCaptions();
    void editsMarkChanged();
    void settingsRoundTrip();
    void olderSettingsKeys();
    void unusableIndexesKeepDefaults();
};

void TestJettingGuru::suggestion_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("r1");
    QTest::addColumn<QString>("r2");
    QTest::addColumn<QString>("size1");
    QTest::addColumn<QString>("size2");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("result");
    const int linear = int(JettingMethod::Linear);
    const int root = int(JettingMethod::FourthRoot);
    const int flow = int(JetSizeKind::Flow);
    const int diameter = int(JetSizeKind::Diameter);
    QTest::newRow("linear flow") << linear << flow << "95"
                                 << "105"
                                 << "160"
                                 << "170"
                                 << "100"
                                 << "165";
    QTest::newRow("linear diameter") << linear << diameter << "95"
                                     << "105"
                                     << "160"
                                     << "170"
                                     << "100"
                                     << "165";
    QTest::newRow("linear diameter far") << linear << diameter << "95"
                                         << "105"
                                         << "160"
                                         << "170"
                                         << "125"
                                         << "188"; // sqrt(35500) = 188.4
    QTest::newRow("linear extrapolates") << linear << flow << "95"
                                         << "105"
                                         << "160"
                                         << "170"
                                         << "90"
                                         << "155";
    QTest::newRow("linear negative is 0") << linear << flow << "95"
                                          << "105"
                                          << "160"
                                          << "170"
                                          << "-100"
                                          << "0";
    QTest::newRow("linear decimal comma") << linear << flow << "1,1"
                                          << "1,3"
                                          << "160"
                                          << "170"
                                          << "1,2"
                                          << "165";
    QTest::newRow("4th root flow") << root << flow << "100"
                                   << ""
                                   << "160"
                                   << ""
                                   << "90"
                                   << "156";
    QTest::newRow("4th root diameter") << root << diameter << "100"
                                       << ""
                                       << "160"
                                       << ""
                                       << "90"
                                       << "152";
    QTest::newRow("4th root opposite signs") << root << flow << "100"
                                             << ""
                                             << "160"
                                             << ""
                                             << "-90"
                                             << "";
    QTest::newRow("4th root negative diameter") << root << diameter << "100"
                                                << ""
                                                << "-160"
                                                << ""
                                                << "90"
                                                << "";
}

void TestJettingGuru::suggestion() {
    QFETCH(int, method);
    QFETCH(int, kind);
    QFETCH(QString, r1);
    QFETCH(QString, r2);
    QFETCH(QString, size1);
    QFETCH(QString, size2);
    QFETCH(QString, selected);
    QFETCH(QString, result);
    JettingGuruSettings settings;
    settings.method = JettingMethod(method);
    settings.kind = JetSizeKind(kind);
    settings.reference1 = r1;
    settings.reference2 = r2;
    settings.rows[0] = {"Main", size1, size2};
    JettingSuggestion suggestion;
    QVERIFY(SuggestJetSizes(settings, selected, suggestion));
    QCOMPARE(suggestion[0].name, QString("Main"));
    QCOMPARE(suggestion[0].size, result);
}

void TestJettingGuru::missingInputsLeaveSuggestion_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("r1");
    QTest::addColumn<QString>("r2");
    QTest::addColumn<QString>("selected");
    const int linear = int(JettingMethod::Linear);
    const int root = int(JettingMethod::FourthRoot);
    QTest::newRow("linear equal references") << linear << "100"
                                             << "100"
                                             << "95";
    QTest::newRow("linear no reference 2") << linear << "100"
                                           << ""
                                           << "95";
    QTest::newRow("linear selected text") << linear << "95"
                                          << "105"
                                          << "abc";
    QTest::newRow("4th root reference 0") << root << "0"
                                          << ""
                                          << "95";
    QTest::newRow("4th root no selected") << root << "100"
                                          << ""
                                          << "";
}

void TestJettingGuru::missingInputsLeaveSuggestion() {
    QFETCH(int, method);
    QFETCH(QString, r1);
    QFETCH(QString, r2);
    QFETCH(QString, selected);
    JettingGuruSettings settings;
    settings.method = JettingMethod(method);
    settings.reference1 = r1;
    settings.reference2 = r2;
    settings.rows[0] = {"Main", "160", "170"};
    JettingSuggestion suggestion;
    suggestion[0] = {"Earlier", "150"};
    QVERIFY(!SuggestJetSizes(settings, selected, suggestion));
    QCOMPARE(suggestion[0].name, QString("Earlier"));
    QCOMPARE(suggestion[0].size, QString("150"));
}

void TestJettingGuru::rowsWithoutSizesAreEmptied() {
    JettingGuruSettings settings;
    settings.reference1 = "95";
    settings.reference2 = "105";
    settings.rows[0] = {"Main", "160", "170"};
    settings.rows[1] = {"Pilot", "40", ""};
    settings.rows[2] = {"Needle", "x", "2"};
    JettingSuggestion suggestion;
    suggestion[1] = {"Old", "1"};
    QVERIFY(SuggestJetSizes(settings, "100", suggestion));
    QCOMPARE(suggestion[1].name, QString());
    QCOMPARE(suggestion[1].size, QString());
    QCOMPARE(suggestion[2].size, QString());
    settings.method = JettingMethod::FourthRoot;
    QVERIFY(SuggestJetSizes(settings, "100", suggestion));
    QCOMPARE(suggestion[1].name, QString("Pilot")); // the second size is not used
    QCOMPARE(suggestion[1].size, QString("41"));    // 40 * (100/95)^(1/4) = 40.5
    QCOMPARE(suggestion[2].size, QString());
}

void TestJettingGuru::openingTakesValueAndCaptions() {
    JettingGuruModel guru;
    JettingGuruSettings settings;
    settings.reference1 = "95";
    settings.reference2 = "105";
    settings.rows[0] = {"Main", "160", "170"};
    guru.SetSettings(settings);
    guru.JettingGuruMenuItemClick("100", false);
    QCOMPARE(guru.SelectedValue(), QString("100"));
    QCOMPARE(guru.Suggestion()[0].size, QString("165"));
    QVERIFY(!guru.FormClose());
    QCOMPARE(guru.Captions().sentence, QString("\"With a RAD value of"));
    QCOMPARE(guru.Captions().unit, QString("%"));
    QCOMPARE(guru.Captions().reference1Heading, QString("Low RAD"));

    // A value text that is no number keeps the earlier selected value.
    guru.JettingGuruMenuItemClick("", true);
    QCOMPARE(guru.SelectedValue(), QString("100"));
    QCOMPARE(guru.Captions().sentence, QString("\"With an AD value of"));
    QCOMPARE(guru.Captions().unit, QString("kg/m³"));
    QCOMPARE(guru.Captions().reference2Heading, QString("High AD"));
    QCOMPARE(JettingGuruModel::SuggestText(), QString("I suggest the following jet sizes:\""));
    QCOMPARE(JettingGuruModel::WindowTitle(), QString("Jetting Guru!"));
}

void TestJettingGuru::editsMarkChanged() {
    JettingGuruModel guru;
    guru.JettingGuruMenuItemClick("100", false);
    guru.SetReference1("95");
    QVERIFY(guru.FormClose());
    guru.JettingGuruMenuItemClick("100", false);
    guru.SetReference2("105");
    guru.JettingGuruMenuItemClick("100", false);
    // A reference size typed in recomputes and has to be saved as well.
    guru.SetReferenceCell(0, 0, "Main");
    guru.SetReferenceCell(0, 1, "160");
    guru.SetReferenceCell(0, 2, "170");
    QVERIFY(guru.IsChanged());
    QCOMPARE(guru.Suggestion()[0].size, QString("165"));
    guru.SetMethod(JettingMethod::FourthRoot);
    QCOMPARE(guru.Suggestion()[0].size, QString("162")); // 160 * (100/95)^(1/4) = 162.06
}

void TestJettingGuru::settingsRoundTrip() {
    JettingGuruSettings settings;
    settings.method = JettingMethod::FourthRoot;
    settings.kind = JetSizeKind::Diameter;
    settings.reference1 = "95,5";
    settings.reference2 = "105";
    settings.rows[0] = {"Main", "160", "170"};
    settings.rows[18] = {"Last", "1", "2"};
    TTxtParser writer;
    writer.OpenWrite(QDir::temp().filePath("unused.ini"));
    SaveJettingSettings(writer, settings);
    QVERIFY(
        writer.WrittenText().contains("\r\n[jetting_guru]\r\nversion=1.0;\r\nmethod=1;\r\nref_rad1=95,5;\r\n"
                                      "ref_rad2=105;\r\njet_type_index=1;\r\nname_jet1=Main;\r\n"
                                      "ref_jet1=160;\r\nref_jet1-2=170;\r\n"));
    TTxtParser reader;
    reader.OpenReadText(writer.WrittenText());
    JettingGuruSettings loaded;
    LoadJettingSettings(reader, loaded);
    QVERIFY(loaded == settings);
}

void TestJettingGuru::olderSettingsKeys() {
    TTxtParser reader;
    reader.OpenReadText(
        "[jetting_guru]\r\nmethod=1;\r\nref_rad=96;\r\nref_rad2=104;\r\njet_type_index=1;\r\n"
        "name_jet1=Main;\r\nref_jet1=150;\r\nref_jet12=155;\r\nname_jet6=Six;\r\nref_jet6=1;\r\n"
        "ref_jet62=2;\r\nname_jet7=Seven;\r\n");
    JettingGuruSettings settings;
    LoadJettingSettings(reader, settings);
    QCOMPARE(settings.method, JettingMethod::Linear); // the older set has no method
    QCOMPARE(settings.reference1, QString("96"));
    QCOMPARE(settings.reference2, QString("104"));
    QCOMPARE(settings.kind, JetSizeKind::Diameter);
    QCOMPARE(settings.rows[0], JettingReferenceRow({"Main", "150", "155"}));
    QCOMPARE(settings.rows[5], JettingReferenceRow({"Six", "1", "2"}));
    QCOMPARE(settings.rows[6], JettingReferenceRow());
}

void TestJettingGuru::unusableIndexesKeepDefaults() {
    TTxtParser reader;
    reader.OpenReadText("[jetting_guru]\r\nversion=1.0;\r\nmethod=x;\r\njet_type_index=2;\r\n");
    JettingGuruSettings settings;
    LoadJettingSettings(reader, settings);
    QCOMPARE(settings.method, JettingMethod::Linear);
    QCOMPARE(settings.kind, JetSizeKind::Flow);
}

QTEST_GUILESS_MAIN(TestJettingGuru)
#include "tst_jetting_guru.moc"
