// Tire labels: the layout checks, the dialog's entries, and where TPrtLabels puts the labels on the pages
// of a fake printer.
#include "workshop/label_printer.h"
#include "workshop/tire_labels.h"

#include <QTest>

namespace {

// Records what would be printed; 100 dots per inch, text 10 pixels high.
class FakePrinter : public LabelPrinter {
  public:
    int pageHeight = 1000;
    int textHeight = 10;
    bool started = false, ended = false;
    int pages = 1;
    QStringList out; // "page:x,y:text"

    bool BeginDocument(const QString&, int) override { return started = true; }
    void NewPage() override { ++pages; }
    void EndDocument() override { ended = true; }
    int PageHeight() const override { return pageHeight; }
    int DotsPerInchX() const override { return 100; }
    int DotsPerInchY() const override { return 100; }
    int TextHeight(const QString&) const override { return textHeight; }
    void TextOut(int x, int y, const QString& text) override {
        out << QString("%1:%2,%3:%4").arg(pages).arg(x).arg(y).arg(text);
    }
};

LabelLayout Inches(int columns, double width, double height, double left = 0.5, double top = 0.25) {
    LabelLayout layout;
    layout.millimetres = false;
    layout.columns = columns;
    layout.labelWidth = width;
    layout.labelHeight = height;
    layout.leftIndent = left;
    layout.topIndent = top;
    return layout;
}

} // namespace

class TestLabelPrinter : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void geometryInPrinterPixels() {
        FakePrinter printer;
        TPrtLabels labels(printer);
        QVERIFY(labels.BeginJob(Inches(3, 2, 0.555)));
        QCOMPARE(labels.ColumnX(), std::vector<int>({50, 250, 450}));
        QCOMPARE(labels.LabelHeight(), 55); // truncated
        QCOMPARE(labels.LinesPerLabel(), 5);

        LabelLayout metric;
        metric.millimetres = true;
        metric.columns = 2;
        metric.labelWidth = 50.8;
        metric.labelHeight = 25.4;
        metric.leftIndent = 0;
        metric.topIndent = 0;
        QVERIFY(labels.BeginJob(metric));
        QCOMPARE(labels.ColumnX(), std::vector<int>({0, 200}));
        QCOMPARE(labels.LabelHeight(), 100);
    }

    void sevenLabelsInThreeColumnsMakeThreeRows() {
        FakePrinter printer;
        TPrtLabels labels(printer);
        QVERIFY(labels.BeginJob(Inches(3, 2, 1)));
        for (int i = 1; i <= 7; ++i)
            labels.AddLabel({QString("L%1").arg(i), QString("second %1").arg(i)});
        labels.EndJob();
        QVERIFY(printer.ended);
        QCOMPARE(printer.out.size(), 14);
        QCOMPARE(printer.out.mid(0, 6),
                 QStringList({"1:50,25:L1", "1:250,25:L2", "1:450,25:L3", "1:50,35:second 1",
                              "1:250,35:second 2", "1:450,35:second 3"}));
        QCOMPARE(printer.out.mid(6, 1), QStringList({"1:50,125:L4"}));
        QCOMPARE(printer.out.mid(12), QStringList({"1:50,225:L7", "1:50,235:second 7"}));
    }

    void aRowThatDoesNotFitStartsANewPage() {
        FakePrinter printer;
        printer.pageHeight = 250;
        TPrtLabels labels(printer);
        QVERIFY(labels.BeginJob(Inches(1, 2, 1, 0, 0.1)));
        for (int i = 1; i <= 4; ++i)
            labels.AddLabel({QString("L%1").arg(i)});
        labels.EndJob();
        // Row starts 10, 110; the third would need 110 + 200 > 250: a new page.
        QCOMPARE(printer.out, QStringList({"1:0,10:L1", "1:0,110:L2", "2:0,10:L3", "2:0,110:L4"}));
    }

    void labelsKeepTheLinesThatFit() {
        FakePrinter printer;
        TPrtLabels labels(printer);
        QVERIFY(labels.BeginJob(Inches(2, 1, 0.25))); // 25 pixels: two lines
        labels.AddLabel({"a", "b", "c"});
        labels.AddLabel({"d"});
        labels.EndJob();
        QCOMPARE(printer.out, QStringList({"1:50,25:a", "1:150,25:d", "1:50,35:b"}));
    }

    void aFontWithoutHeightPrintsNoTextAndNeverDivides() {
        FakePrinter printer;
        printer.textHeight = 0;
        TPrtLabels labels(printer);
        QVERIFY(labels.BeginJob(Inches(2, 1, 1)));
        QCOMPARE(labels.LinesPerLabel(), 0);
        labels.AddLabel({"a"});
        labels.EndJob();
        QVERIFY(printer.out.isEmpty());
        QVERIFY(printer.ended);
    }

    void badLayoutsAreRefusedBeforePrinting_data() {
        QTest::addColumn<QStringList>("entries"); // columns, width, height, left, top
        QTest::addColumn<QString>("error");
        QTest::newRow("good") << QStringList({"3", "70", "67,7", "5", "0"}) << "";
        QTest::newRow("no columns") << QStringList({"0", "70", "67.7", "5", "5"}) << "The number of columns*";
        QTest::newRow("columns not whole")
            << QStringList({"2.5", "70", "67.7", "5", "5"}) << "The number of columns*";
        QTest::newRow("width text") << QStringList({"3", "wide", "67.7", "5", "5"}) << "Bad format*";
        QTest::newRow("height 0") << QStringList({"3", "70", "0", "5", "5"}) << "The label width and height*";
        QTest::newRow("negative indent") << QStringList({"3", "70", "67.7", "-1", "5"}) << "The indents*";
        QTest::newRow("empty top") << QStringList({"3", "70", "67.7", "5", ""}) << "Bad format*";
    }
    void badLayoutsAreRefusedBeforePrinting() {
        QFETCH(QStringList, entries);
        QFETCH(QString, error);
        LabelDialogValues values;
        values.columns = entries[0];
        values.labelWidth = entries[1];
        values.labelHeight = entries[2];
        values.leftIndent = entries[3];
        values.topIndent = entries[4];
        const LabelDialogResult result = LabelLayoutOf(values, true);
        if (error.isEmpty()) {
            QVERIFY(result.layout);
            QCOMPARE(result.layout->labelHeight, 67.7);
            return;
        }
        QVERIFY(!result.layout);
        QVERIFY2(result.error.startsWith(error.chopped(1)), qPrintable(result.error));
        FakePrinter printer;
        TPrtLabels labels(printer);
        LabelLayout bad = Inches(0, 1, 1);
        QVERIFY(!labels.BeginJob(bad));
        QVERIFY(!printer.started);
    }

    void labelTexts() {
        TireRecord tire;
        tire.fields[tire_col::Id] = "K7";
        tire.fields[tire_col::Mileage] = "16.09";
        tire.fields[tire_col::CircCurrent] = "254";
        tire.history << QStringList({"2024-05-01", "Ann", "FL", "Assen", "Race", "12", "16.09", "", ""});
        const QStringList front = TireLabelFront(tire, VehicleType::Kart, true);
        QCOMPARE(front.first(), "Id : K7");
        QVERIFY(front.contains("Mileage : 10.000 miles"));
        QVERIFY(front.contains("Circ. curr : 10.000"));
        QCOMPARE(front.size(), 10);
        QCOMPARE(TireLabelFront(tire, VehicleType::Motorcycle, false).size(), 9);
        QCOMPARE(TireLabelHistory(tire), QStringList({"2024-05-01 : Assen 12 laps "}));
    }
};

QTEST_GUILESS_MAIN(TestLabelPrinter)
#include "tst_label_printer.moc"
