// The HTML writer's templates, line by line, and its property and file rules.
#include "reports/html_writer.h"
#include "storage/date_time.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using WriterCall = std::function<void(THTMLWriter&)>;
Q_DECLARE_METATYPE(WriterCall)

namespace {

// Lines of the written text; every line must end in CR LF.
QStringList LinesOf(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// A writer with distinct property values, so a test sees which property lands where.
void StyleWriter(THTMLWriter& writer) {
    writer.Open(QStringLiteral("unused.htm"));
    writer.FontFace = QStringLiteral("Face");
    writer.TextColor = QStringLiteral("#111111");
    writer.HeaderColor = QStringLiteral("#222222");
    writer.ContentColor = QStringLiteral("#333333");
    writer.BackgroundColor = QStringLiteral("#444444");
}

const QString P = QStringLiteral("<FONT FACE=\"Face\" COLOR=\"#111111\" SIZE=\"2\">");
const QString Spacer = QStringLiteral("<TD WIDTH=\"5\">&nbsp;</TD>");
const QString RowStart = QStringLiteral("<TR VALIGN=\"top\"><TD ALIGN=\"right\">");
QString Plain(const QString& x) {
    return P + x + QStringLiteral("</FONT>");
}
QString Bold(const QString& x) {
    return P + QStringLiteral("<B>") + x + QStringLiteral("</B></FONT>");
}
QString Heading(const QString& x) {
    return QStringLiteral("<FONT FACE=\"Face\" COLOR=\"#111111\" SIZE=\"4\"><B>") + x +
           QStringLiteral("</B></FONT>");
}
QString Cell(const QString& x, bool last = false) {
    return QStringLiteral("<TD ALIGN=\"left\">") + Plain(x) + (last ? "</TD></TR>" : "</TD>");
}

} // namespace

class TestHtmlWriter : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void operationWritesItsLines_data();
    void operationWritesItsLines();
    void documentStartDeclaresTheCharacterSet();
    void footerCarriesCaptionAndDateTime_data();
    void footerCarriesCaptionAndDateTime();
    void sectionCellSpansAfterOneTitleHeaderOnly();
    void gridCellKeepsTextColor();
    void openResetsPropertiesButBackground();
    void closeWritesCrLfInDeclaredSetAndReportsFailure();
};

void TestHtmlWriter::operationWritesItsLines_data() {
    QTest::addColumn<WriterCall>("call");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("rowsAdded");

    QTest::newRow("line verbatim") << WriterCall([](THTMLWriter& w) { w.WriteLine("<b>&amp; x</b>"); })
                                   << QStringList{"<b>&amp; x</b>"} << 0;
    QTest::newRow("text verbatim") << WriterCall([](THTMLWriter& w) { w.WriteText("a < b & c"); })
                                   << QStringList{Plain("a < b & c")} << 0;
    QTest::newRow("bold text") << WriterCall([](THTMLWriter& w) { w.WriteBoldText("x"); })
                               << QStringList{Bold("x")} << 0;
    QTest::newRow("heading") << WriterCall([](THTMLWriter& w) { w.WriteHeading("H"); })
                             << QStringList{Heading("H")} << 0;
    QTest::newRow("title") << WriterCall([](THTMLWriter& w) { w.WriteTitle("T"); })
                           << QStringList{"<FONT FACE=\"Face\" COLOR=\"#111111\" SIZE=\"6\"><B>T</B></FONT>"}
                           << 0;
    QTest::newRow("page break") << WriterCall([](THTMLWriter& w) { w.WritePageBreak(); })
                                << QStringList{"<P CLASS=\"breakhere\">"} << 0;
    QTest::newRow("document end") << WriterCall([](THTMLWriter& w) { w.WriteDocumentEnd(); })
                                  << QStringList{"</BODY>", "</HTML>"} << 0;
    QTest::newRow("link plain") << WriterCall([](THTMLWriter& w) { w.WriteLink("Go", "a.htm", "", ""); })
                                << QStringList{P + "<A HREF=\"a.htm\">Go</A></FONT>"} << 0;
    QTest::newRow("link with status and tip")
        << WriterCall([](THTMLWriter& w) { w.WriteLink("Go", "a.htm", "st", "tip"); })
        << QStringList{P + "<A TITLE='tip' HREF=\"a.htm\" onmouseover=\"window.status='st';return true;\" "
                           "onmouseout=\"window.status='';\">Go</A></FONT>"}
        << 0;
    QTest::newRow("bold link with tip")
        << WriterCall([](THTMLWriter& w) { w.WriteBoldLink("Go", "a.htm", "", "t"); })
        << QStringList{P + "<A TITLE='t' HREF=\"a.htm\"><B>Go</B></A></FONT>"} << 0;
    QTest::newRow("begin table") << WriterCall([](THTMLWriter& w) { w.BeginTable(); })
                                 << QStringList{"<TABLE CELLSPACING=\"1\" CELLPADDING=\"1\">"} << 0;
    QTest::newRow("end table") << WriterCall([](THTMLWriter& w) { w.EndTable(); })
                               << QStringList{"</TABLE>", "<FONT SIZE=\"1\">&nbsp;</FONT>"} << 0;
    QTest::newRow("row") << WriterCall([](THTMLWriter& w) { w.WriteRow("L", "V"); })
                         << QStringList{RowStart + Bold("L") + "</TD>", Spacer, Cell("V", true)} << 1;
    QTest::newRow("row with empty label")
        << WriterCall([](THTMLWriter& w) { w.WriteRow("", "V"); })
        << QStringList{RowStart + Bold("") + "</TD>", Spacer, Cell("V", true)} << 1;
    QTest::newRow("row with empty value")
        << WriterCall([](THTMLWriter& w) { w.WriteRow("L", ""); }) << QStringList{} << 0;
    QTest::newRow("row3 fills empty values") << WriterCall([](THTMLWriter& w) {
        w.WriteRow3("L", "a", "", "");
    }) << QStringList{RowStart + Bold("L") + "</TD>",
                      Spacer,
                      Cell("a"),
                      Spacer,
                      Cell("&nbsp;"),
                      Spacer,
                      Cell("&nbsp;", true)} << 1;
    QTest::newRow("row3 all empty") << WriterCall([](THTMLWriter& w) { w.WriteRow3("L", "", "", ""); })
                                    << QStringList{} << 0;
    QTest::newRow("row5") << WriterCall([](THTMLWriter& w) { w.WriteRow5("L", "1", "2", "3", "4", "5"); })
                          << QStringList{RowStart + Bold("L") + "</TD>",
                                         Spacer,
                                         Cell("1"),
                                         Spacer,
                                         Cell("2"),
                                         Spacer,
                                         Cell("3"),
                                         Spacer,
                                         Cell("4"),
                                         Spacer,
                                         Cell("5", true)}
                          << 1;
    QTest::newRow("rowN 1 uses first value") << WriterCall([](THTMLWriter& w) {
        w.WriteRowN(1, "L", {"a", "b"});
    }) << QStringList{RowStart + Bold("L") + "</TD>", Spacer, Cell("a", true)}
                                             << 1;
    QTest::newRow("rowN 2") << WriterCall([](THTMLWriter& w) {
        w.WriteRowN(2, "L", {"", "b", "c"});
    }) << QStringList{RowStart + Bold("L") + "</TD>", Spacer, Cell("&nbsp;"), Spacer, Cell("b", true)}
                            << 1;
    QTest::newRow("rowN 0") << WriterCall([](THTMLWriter& w) { w.WriteRowN(0, "L", {"a"}); }) << QStringList{}
                            << 0;
    QTest::newRow("rowN 6") << WriterCall([](THTMLWriter& w) {
        w.WriteRowN(6, "L", {"a", "b", "c", "d", "e", "f"});
    }) << QStringList{} << 0;
    QTest::newRow("column header row3 keeps empty titles")
        << WriterCall([](THTMLWriter& w) { w.WriteColumnHeaderRow3("A", "", "C"); })
        << QStringList{"<TR VALIGN=\"top\"><TD ALIGN=\"left\">" + Bold("&nbsp;") + "</TD>",
                       Spacer,
                       "<TD ALIGN=\"left\">" + Bold("A") + "</TD>",
                       Spacer,
                       "<TD ALIGN=\"left\">" + Bold("") + "</TD>",
                       Spacer,
                       "<TD ALIGN=\"left\">" + Bold("C") + "</TD></TR>"}
        << 0;
    QTest::newRow("column header rowN 2")
        << WriterCall([](THTMLWriter& w) {
               w.WriteColumnHeaderRowN(2, {"A", "B", "C"});
           })
        << QStringList{"<TR VALIGN=\"top\"><TD ALIGN=\"left\">" + Bold("&nbsp;") + "</TD>", Spacer,
                       "<TD ALIGN=\"left\">" + Bold("A") + "</TD>", Spacer,
                       "<TD ALIGN=\"left\">" + Bold("B") + "</TD></TR>"}
        << 0;
    QTest::newRow("column header rowN 1")
        << WriterCall([](THTMLWriter& w) { w.WriteColumnHeaderRowN(1, {"A"}); }) << QStringList{} << 0;
    QTest::newRow("column header rowN 6") << WriterCall([](THTMLWriter& w) {
        w.WriteColumnHeaderRowN(6, {"A", "B", "C", "D", "E", "F"});
    }) << QStringList{} << 0;
    QTest::newRow("rule row") << WriterCall([](THTMLWriter& w) { w.WriteRuleRow(); })
                              << QStringList{"<TR><TD ALIGN=\"right\" COLSPAN=\"3\"><HR></TD></TR>"} << 0;
    QTest::newRow("ratio row")
        << WriterCall([](THTMLWriter& w) { w.WriteRatioRow("1st", "14", "41", "2.93", ""); })
        << QStringList{RowStart + Bold("1st") + "</TD>", Spacer,
                       "<TD ALIGN=\"left\">" + P + "14/41&nbsp;&nbsp;(2.93)</FONT></TD>",
                       "<TD ALIGN=\"left\">" + P + "&nbsp;&nbsp;</FONT></TD></TR>"}
        << 1;
    QTest::newRow("ratio row without ratio")
        << WriterCall([](THTMLWriter& w) { w.WriteRatioRow("1st", "14", "41", "", "note"); }) << QStringList{}
        << 0;
    QTest::newRow("frame") << WriterCall([](THTMLWriter& w) { w.BeginFrame("90%"); })
                           << QStringList{"",
                                          "<TABLE CELLPADDING=\"0\" CELLSPACING=\"0\" BGCOLOR=\"#000000\" "
                                          "WIDTH=\"90%\" ALIGN=\"center\">",
                                          "<TR VALIGN=\"top\"><TD>",
                                          "<TABLE CELLPADDING=\"5\" CELLSPACING=\"1\" WIDTH=\"100%\">"}
                           << 0;
    QTest::newRow("frame with attributes")
        << WriterCall([](THTMLWriter& w) { w.BeginFrameWith("WIDTH=\"50%\""); })
        << QStringList{"", "<TABLE CELLPADDING=\"0\" CELLSPACING= \"0\" BGCOLOR=\"#000000\" WIDTH=\"50%\">",
                       "<TR VALIGN=\"top\"><TD>",
                       "<TABLE CELLPADDING=\"5\" CELLSPACING=\"1\" WIDTH=\"100%\">"}
        << 0;
    QTest::newRow("end frame") << WriterCall([](THTMLWriter& w) { w.EndFrame(); })
                               << QStringList{"</TABLE>", "</TD></TR>", "</TABLE>"} << 0;
    QTest::newRow("section header two titles half width")
        << WriterCall([](THTMLWriter& w) { w.WriteSectionHeader("A", "B", true); })
        << QStringList{"",
                       "<TR VALIGN=\"top\" ><TD BGCOLOR=\"#222222\" WIDTH=\"50%\">",
                       Heading("A"),
                       "</TD>",
                       "<TD BGCOLOR=\"#222222\" WIDTH=\"50%\">",
                       Heading("B"),
                       "</TD>",
                       "</TR>",
                       "<TR VALIGN=\"top\">"}
        << 0;
    QTest::newRow("section header two titles")
        << WriterCall([](THTMLWriter& w) { w.WriteSectionHeader("A", "B", false); })
        << QStringList{"",
                       "<TR VALIGN=\"top\" ><TD BGCOLOR=\"#222222\" >",
                       Heading("A"),
                       "</TD>",
                       "<TD BGCOLOR=\"#222222\" >",
                       Heading("B"),
                       "</TD>",
                       "</TR>",
                       "<TR VALIGN=\"top\">"}
        << 0;
    QTest::newRow("section header one title")
        << WriterCall([](THTMLWriter& w) { w.WriteSectionHeader("A", "", true); })
        << QStringList{"",           "<TR VALIGN=\"top\"><TD BGCOLOR=\"#222222\" COLSPAN=\"2\">",
                       Heading("A"), "</TD>",
                       "</TR>",      "<TR VALIGN=\"top\">"}
        << 0;
    QTest::newRow("anchored header two titles")
        << WriterCall([](THTMLWriter& w) { w.WriteAnchoredSectionHeader("A", "B", "tiresetup"); })
        << QStringList{"",
                       "<TR VALIGN=\"top\"><TD BGCOLOR=\"#222222\" WIDTH=\"50%\">",
                       "<A NAME=\"tiresetup\">",
                       Heading("A"),
                       "</A>",
                       "</TD>",
                       "<TD BGCOLOR=\"#222222\" WIDTH=\"50%\">",
                       Heading("B"),
                       "</TD>",
                       "</TR>",
                       "<TR VALIGN=\"top\">"}
        << 0;
    QTest::newRow("anchored header one title")
        << WriterCall([](THTMLWriter& w) { w.WriteAnchoredSectionHeader("A", "", "x"); })
        << QStringList{"",
                       "<TR VALIGN=\"top\"><TD BGCOLOR=\"#222222\" COLSPAN=\"2\">",
                       "<A NAME=\"x\">",
                       Heading("A"),
                       "</A>",
                       "</TD>",
                       "</TR>",
                       "<TR VALIGN=\"top\">"}
        << 0;
    QTest::newRow("section cell after open") << WriterCall([](THTMLWriter& w) { w.BeginSectionCell(); })
                                             << QStringList{"", "<TD BGCOLOR=\"#333333\" >"} << 0;
    QTest::newRow("end section cell and row") << WriterCall([](THTMLWriter& w) {
        w.EndSectionCell();
        w.EndSectionRow();
    }) << QStringList{"</TD>", "</TR>"} << 0;
    QTest::newRow("grid row") << WriterCall([](THTMLWriter& w) {
        w.BeginGridRow();
        w.EndGridRow();
    }) << QStringList{"<TR VALIGN=\"top\">", "</TR>"}
                              << 0;
    QTest::newRow("grid header cell") << WriterCall([](THTMLWriter& w) { w.WriteGridHeaderCell("Lap"); })
                                      << QStringList{"<TD BGCOLOR=\"#222222\">", Bold("Lap"), "</TD>"} << 0;
    QTest::newRow("grid cell is black on white")
        << WriterCall([](THTMLWriter& w) { w.WriteGridCell("1:23.456"); })
        << QStringList{"<TD BGCOLOR=\"#FFFFFF\">",
                       "<FONT FACE=\"Face\" COLOR=\"#000000\" SIZE=\"2\">1:23.456</FONT>", "</TD>"}
        << 0;
    QTest::newRow("grid bold cell")
        << WriterCall([](THTMLWriter& w) { w.WriteGridBoldCell("best"); })
        << QStringList{"<TD BGCOLOR=\"#FFFFFF\">",
                       "<FONT FACE=\"Face\" COLOR=\"#000000\" SIZE=\"2\"><B>best</B></FONT>", "</TD>"}
        << 0;
}

void TestHtmlWriter::operationWritesItsLines() {
    QFETCH(WriterCall, call);
    QFETCH(QStringList, lines);
    QFETCH(int, rowsAdded);
    THTMLWriter writer;
    StyleWriter(writer);
    writer.RowCount = 7;
    call(writer);
    QCOMPARE(LinesOf(writer.Text()), lines);
    QCOMPARE(writer.RowCount, 7 + rowsAdded);
    QVERIFY(!QString(writer.Text()).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')));
}

void TestHtmlWriter::documentStartDeclaresTheCharacterSet() {
    THTMLWriter writer;
    StyleWriter(writer);
    writer.WriteDocumentStart(QStringLiteral("Report"));
    const QStringList expected{
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">",
        "<HTML>",
        "<HEAD>",
        "<META http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">",
        "<TITLE>Report</TITLE>",
        "",
        "<STYLE TYPE=\"text/css\">",
        "P.breakhere {page-break-before: always}",
        "</STYLE>",
        "",
        "</HEAD>",
        "",
        "<BODY BGCOLOR=\"#444444\">"};
    QCOMPARE(LinesOf(writer.Text()), expected);

    THTMLWriter other;
    other.Charset = HtmlCharset::Windows1252;
    other.Open(QStringLiteral("x.htm"));
    other.WriteDocumentStart(QStringLiteral("T"));
    QCOMPARE(
        LinesOf(other.Text()).at(3),
        QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"));
}

void TestHtmlWriter::footerCarriesCaptionAndDateTime_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("shown");
    QTest::newRow("afternoon") << QDateTime(QDate(2008, 5, 1), QTime(14, 32)) << "2008-05-01 14.32";
    QTest::newRow("midnight shows the date alone")
        << QDateTime(QDate(2008, 5, 1), QTime(0, 0)) << "2008-05-01";
}

void TestHtmlWriter::footerCarriesCaptionAndDateTime() {
    QFETCH(QDateTime, now);
    QFETCH(QString, shown);
    THTMLWriter writer;
    StyleWriter(writer);
    writer.Caption = QStringLiteral("Vorlapa v3.0");
    writer.Now = [now] { return DayNumberFromDateTime(now); };
    writer.WriteFooter();
    const QString font = QStringLiteral("<FONT FACE=\"Arial\" COLOR=\"#111111\" SIZE=\"1\">");
    const QStringList expected{
        "", "<P ALIGN=\"center\">",
        font + "Generated by Vorlapa v3.0&nbsp;&nbsp;&nbsp;" + shown + "</FONT><BR>",
        font + "<a href=\"" + writer.SiteAddress + "\">" + writer.SiteText + "</A></FONT>", "</P>"};
    QCOMPARE(LinesOf(writer.Text()), expected);
}

void TestHtmlWriter::sectionCellSpansAfterOneTitleHeaderOnly() {
    THTMLWriter writer;
    writer.Open(QStringLiteral("x.htm"));
    QCOMPARE(writer.SectionColumns, 2);
    writer.WriteSectionHeader(QStringLiteral("A"), QString(), false);
    QCOMPARE(writer.SectionColumns, 1);
    writer.Open(QStringLiteral("x.htm"));
    writer.WriteSectionHeader(QStringLiteral("A"), QString(), false);
    writer.BeginSectionCell();
    QCOMPARE(LinesOf(writer.Text()).last(), QStringLiteral("<TD BGCOLOR=\"#ffffff\" COLSPAN=\"2\">"));
    writer.WriteSectionHeader(QStringLiteral("A"), QStringLiteral("B"), false);
    writer.BeginSectionCell();
    QCOMPARE(LinesOf(writer.Text()).last(), QStringLiteral("<TD BGCOLOR=\"#ffffff\" >"));
    writer.WriteAnchoredSectionHeader(QStringLiteral("A"), QString(), QStringLiteral("a"));
    QCOMPARE(writer.SectionColumns, 1);
}

void TestHtmlWriter::gridCellKeepsTextColor() {
    THTMLWriter writer;
    StyleWriter(writer);
    writer.WriteGridCell(QStringLiteral("x"));
    writer.WriteGridBoldCell(QStringLiteral("y"));
    QCOMPARE(writer.TextColor, QStringLiteral("#111111"));
    writer.WriteText(QStringLiteral("z"));
    QCOMPARE(LinesOf(writer.Text()).constLast(), Plain("z"));
}

void TestHtmlWriter::openResetsPropertiesButBackground() {
    THTMLWriter writer;
    StyleWriter(writer);
    writer.RowCount = 5;
    writer.SectionColumns = 1;
    writer.WriteLine(QStringLiteral("old"));
    writer.Open(QStringLiteral("second.htm"));
    QCOMPARE(writer.TextColor, QStringLiteral("#000000"));
    QCOMPARE(writer.FontFace, QStringLiteral("Arial, Helvetica, sans-serif"));
    QCOMPARE(writer.HeaderColor, QStringLiteral("#ffffff"));
    QCOMPARE(writer.ContentColor, QStringLiteral("#ffffff"));
    QCOMPARE(writer.SectionColumns, 2);
    QCOMPARE(writer.RowCount, 0);
    QCOMPARE(writer.BackgroundColor, QStringLiteral("#444444"));
    QVERIFY(writer.Text().isEmpty());
}

void TestHtmlWriter::closeWritesCrLfInDeclaredSetAndReportsFailure() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.htm"));
    THTMLWriter writer;
    writer.Open(path);
    writer.WriteLine(QStringLiteral("Gr\u00fc\u00dfe <b>"));
    writer.WriteLine(QStringLiteral("\u20ac \u0416 \U0001F3C1"));
    QVERIFY(writer.Close().has_value());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Gr\xfc\xdf"
                                        "e <b>\r\n&#8364; &#1046; &#127937;\r\n"));

    // Windows-1252 has a byte for the euro sign.
    writer.Charset = HtmlCharset::Windows1252;
    writer.Open(path);
    writer.WriteLine(QStringLiteral("\u20ac"));
    QVERIFY(writer.Close().has_value());
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\x80\r\n"));

    writer.Open(dir.filePath(QStringLiteral("missing/folder/report.htm")));
    writer.WriteLine(QStringLiteral("x"));
    const auto result = writer.Close();
    QVERIFY(!result.has_value());
    QVERIFY(!result.error().isEmpty());
}

QTEST_GUILESS_MAIN(TestHtmlWriter)
#include "tst_html_writer.moc"
