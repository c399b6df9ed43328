// Escaping of user text for the reports, and the conversion into the declared character set.
#include "reports/html_charset.h"
#include "reports/html_escape.h"

#include <QTest>

class TestHtmlEscape : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void elementText_data();
    void elementText();
    void attributeValue_data();
    void attributeValue();
    void scriptString_data();
    void scriptString();
    void linkTarget_data();
    void linkTarget();
    void encodingKeepsEveryCharacter_data();
    void encodingKeepsEveryCharacter();
};

void TestHtmlEscape::elementText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("escaped");
    const int latin1 = int(HtmlCharset::Latin1);
    const int cp1252 = int(HtmlCharset::Windows1252);
    QTest::newRow("script tag") << "<script>alert(1)</script>" << latin1
                                << "&lt;script&gt;alert(1)&lt;/script&gt;";
    QTest::newRow("ampersand, not double-escaped")
        << "Fish & Chips &amp;" << latin1 << "Fish &amp; Chips &amp;amp;";
    QTest::newRow("quotes and apostrophes")
        << "Rider's \"fast\" lap" << latin1 << "Rider&#39;s &quot;fast&quot; lap";
    QTest::newRow("latin-1 letters stay")
        << QString::fromUtf8("Nürburg Åre ß") << latin1 << QString::fromUtf8("Nürburg Åre ß");
    QTest::newRow("cyrillic and greek as references")
        << QString::fromUtf8("Жк Ω") << latin1 << "&#1046;&#1082; &#937;";
    QTest::newRow("euro under latin-1") << QString::fromUtf8("5 €") << latin1 << "5 &#8364;";
    QTest::newRow("euro under windows-1252")
        << QString::fromUtf8("5 €") << cp1252 << QString::fromUtf8("5 €");
    QTest::newRow("emoji as one reference") << QString::fromUtf8("🏁") << latin1 << "&#127937;";
    QTest::newRow("controls dropped, line breaks kept") << QString("a\x01"
                                                                   "b\r\nc") +
                                                               QChar(0x85)
                                                        << latin1 << "ab\r\nc";
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << latin1 << "&#65533;";
}

void TestHtmlEscape::elementText() {
    QFETCH(QString, text);
    QFETCH(int, charset);
    QFETCH(QString, escaped);
    QCOMPARE(HtmlEscapeText(text, HtmlCharset(charset)), escaped);
}

void TestHtmlEscape::attributeValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("breaks out of single quotes") << "x' onmouseover='alert(1)"
                                                 << "x&#39; onmouseover=&#39;alert(1)";
    QTest::newRow("breaks out of double quotes") << "x\" onclick=\"y"
                                                 << "x&quot; onclick=&quot;y";
    QTest::newRow("line break kept as reference") << "a\r\nb\tc"
                                                  << "a&#13;&#10;b&#9;c";
    QTest::newRow("non-latin") << QString::fromUtf8("Łódź <1>")
                               << QString::fromUtf8("&#321;ód&#378; &lt;1&gt;");
}

void TestHtmlEscape::attributeValue() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(HtmlEscapeAttribute(text), escaped);
}

void TestHtmlEscape::scriptString_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain stays") << "Session 2008-05-01 14.32 (Ring)"
                                 << "Session 2008-05-01 14.32 (Ring)";
    QTest::newRow("apostrophe ends no string") << "Rider's"
                                               << "Rider\\x27s";
    QTest::newRow("double quote ends no attribute") << "a\"b"
                                                    << "a\\x22b";
    QTest::newRow("backslash") << "C:\\x"
                               << "C:\\x5Cx";
    QTest::newRow("script end tag") << "</script><b>"
                                    << "\\x3C/script\\x3E\\x3Cb\\x3E";
    QTest::newRow("ampersand and reference") << "&#39;"
                                             << "\\x26#39;";
    QTest::newRow("line breaks") << "a\r\nb"
                                 << "a\\x0D\\x0Ab";
    QTest::newRow("non-ascii") << QString::fromUtf8("é€") << "\\xE9\\u20AC";
    QTest::newRow("line separator") << QString(QChar(0x2028)) << "\\u2028";
}

void TestHtmlEscape::scriptString() {
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    const QString result = HtmlEscapeScriptString(text);
    QCOMPARE(result, escaped);
    // Safe in an event attribute and in a script element whatever the quote: no markup character left.
    for (const QChar c : QStringLiteral("'\"<>&\r\n"))
        QVERIFY(!result.contains(c));
}

void TestHtmlEscape::linkTarget_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("written");
    QTest::newRow("web address") << "http://www.example.com/a?b=1&c=2"
                                 << "http://www.example.com/a?b=1&amp;c=2";
    QTest::newRow("secure, upper case scheme") << "HTTPS://example.com"
                                               << "HTTPS://example.com";
    QTest::newRow("mail") << "mailto:team@example.com"
                          << "mailto:team@example.com";
    QTest::newRow("relative file") << "session_Ring 2008-05-01.htm"
                                   << "session_Ring%202008-05-01.htm";
    QTest::newRow("relative with anchor") << "setup_x.htm#tiresetup"
                                          << "setup_x.htm#tiresetup";
    QTest::newRow("anchor only") << "#tiresetup"
                                 << "#tiresetup";
    QTest::newRow("data path") << ".\\Tracks\\Movies\\lap.avi"
                               << ".\\Tracks\\Movies\\lap.avi";
    QTest::newRow("colon after the path is no scheme") << "a/b:c.htm"
                                                       << "a/b:c.htm";
    QTest::newRow("quote cannot end the attribute") << "a\"onclick=x.htm"
                                                    << "a&quot;onclick=x.htm";
    QTest::newRow("blank cannot end an unquoted value") << "mailto:a onmouseover=x"
                                                        << "mailto:a%20onmouseover=x";
    QTest::newRow("non-latin file name")
        << QString::fromUtf8("Трек.htm") << "&#1058;&#1088;&#1077;&#1082;.htm";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "#";
    QTest::newRow("javascript mixed case and blanks") << "  JaVaScRiPt:alert(1)"
                                                      << "#";
    QTest::newRow("javascript split by a line break") << "java\nscript:alert(1)"
                                                      << "#";
    QTest::newRow("javascript split by a tab") << "java\tscript:alert(1)"
                                               << "#";
    QTest::newRow("data") << "data:text/html,<script>x</script>"
                          << "#";
    QTest::newRow("vbscript") << "vbscript:msgbox"
                              << "#";
    QTest::newRow("file scheme") << "file:///etc/passwd"
                                 << "#";
    QTest::newRow("drive path") << "C:\\Windows\\x.exe"
                                << "#";
    QTest::newRow("absolute path") << "/etc/passwd"
                                   << "#";
    QTest::newRow("network path") << "\\\\server\\share\\x"
                                  << "#";
    QTest::newRow("protocol-relative") << "//evil.example/x"
                                       << "#";
    QTest::newRow("backslash protocol-relative") << "/\\evil.example/x"
                                                 << "#";
}

void TestHtmlEscape::linkTarget() {
    QFETCH(QString, target);
    QFETCH(QString, written);
    QCOMPARE(HtmlLinkTarget(target), written);
}

void TestHtmlEscape::encodingKeepsEveryCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin-1 letters as single bytes")
        << QString::fromUtf8("äöü") << int(HtmlCharset::Latin1) << QByteArray("\xe4\xf6\xfc");
    QTest::newRow("markup untouched")
        << "<a href=\"x\">&amp;</a>" << int(HtmlCharset::Latin1) << QByteArray("<a href=\"x\">&amp;</a>");
    QTest::newRow("outside latin-1") << QString::fromUtf8("€Ж") << int(HtmlCharset::Latin1)
                                     << QByteArray("&#8364;&#1046;");
    QTest::newRow("windows-1252 quotes")
        << QString::fromUtf8("“x” – €") << int(HtmlCharset::Windows1252) << QByteArray("\x93x\x94 \x96 \x80");
    QTest::newRow("C1 control under latin-1 not a byte")
        << QString(QChar(0x80)) << int(HtmlCharset::Latin1) << QByteArray("&#128;");
}

void TestHtmlEscape::encodingKeepsEveryCharacter() {
    QFETCH(QString, text);
    QFETCH(int, charset);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeHtml(text, HtmlCharset(charset)), bytes);
}

QTEST_GUILESS_MAIN(TestHtmlEscape)
#include "tst_html_escape.moc"
