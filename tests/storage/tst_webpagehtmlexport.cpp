#include "storage/WebPageHtmlExport.h"

#include <QtTest>

class WebPageHtmlExportTest : public QObject
{
    Q_OBJECT
private slots:
    void escaping_data();
    void escaping();
    void fontDeclarations_data();
    void fontDeclarations();
    void pageRules_data();
    void pageRules();
    void typedMarkupStaysText();
};

void WebPageHtmlExportTest::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("script") << "<script>alert(1)</script>"
                            << "&lt;script&gt;alert(1)&lt;/script&gt;";
    QTest::newRow("the five") << "a & b < c > d \" e ' f"
                              << "a &amp; b &lt; c &gt; d &quot; e &#39; f";
    QTest::newRow("Latin-1 and beyond") << QStringLiteral("\u00e9\u20ac") << "&#233;&#8364;";
    QTest::newRow("beyond U+FFFF") << QString::fromUcs4(U"\U0001F600") << "&#128512;";
    QTest::newRow("lone surrogate") << QString(QChar(0xDC00)) << "&#65533;";
    QTest::newRow("line breaks") << "a\r\nb\nc\rd"
                                 << "a&#10;b&#10;c&#10;d";
    QTest::newRow("controls left out, tab kept")
        << QString(QChar(0x01)) + QStringLiteral("a\tb") + QChar(0x7F) + QChar(0x85) << "a\tb";
}

void WebPageHtmlExportTest::escaping()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(HtmlEscaped(text), escaped);
}

void WebPageHtmlExportTest::fontDeclarations_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("styleBits"); // bold 1, italic 2, underline 4, strike-out 8
    QTest::addColumn<QString>("css");
    QTest::newRow("bold Arial")
        << "Arial" << 24 << 1
        << "font-family: \"Arial\", sans-serif; font-size: 24pt; font-weight: bold; "
           "font-style: normal; text-decoration: none; color: #0A141E;";
    QTest::newRow("underlined and struck out")
        << "MS Sans Serif" << 8 << 14
        << "font-family: \"MS Sans Serif\", sans-serif; font-size: 8pt; font-weight: normal; "
           "font-style: italic; text-decoration: underline line-through; color: #0A141E;";
    QTest::newRow("a name that tries to leave the style")
        << "x\"</style><script>" << 9 << 0
        << "font-family: \"x\\22 \\3C \\2F style\\3E \\3C script\\3E \", sans-serif; "
           "font-size: 9pt; font-weight: normal; font-style: normal; text-decoration: none; "
           "color: #0A141E;";
}

void WebPageHtmlExportTest::fontDeclarations()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(int, styleBits);
    QFETCH(QString, css);
    FontSpec font;
    font.family = family;
    font.pointSize = points;
    font.colour = PackColour(10, 20, 30);
    font.bold = styleBits & 1;
    font.italic = styleBits & 2;
    font.underline = styleBits & 4;
    font.strikeOut = styleBits & 8;
    QCOMPARE(CssFontDeclarations(font), css);
}

void WebPageHtmlExportTest::pageRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("page shows the border colour")
        << QByteArray("#page { position: relative; overflow: hidden; width: 385px; height: 297px; "
                      "background: #A52A2A; }");
    QTest::newRow("footer collapsed")
        << QByteArray("#footer { left: 0px; top: 297px; width: 385px; height: 0px; "
                      "background: #313D0F; }");
    QTest::newRow("link column") << QByteArray(
        "#linkcolumn { left: 0px; top: 62px; width: 40px; height: 233px; "
        "background: #82A329; }");
    QTest::newRow("body text wraps with the body")
        << QByteArray("#bodytext { left: 8px; top: 32px; font-family: \"MS Sans Serif\", "
                      "sans-serif; font-size: 8pt; font-weight: normal; font-style: normal; "
                      "text-decoration: none; color: #000000; width: 324px; white-space: "
                      "pre-wrap; }");
    QTest::newRow("link text in its part")
        << QByteArray("<div class=\"part\" id=\"linkcolumn\">\r\n<div class=\"text\" "
                      "id=\"link1\">This is link 1</div>");
}

void WebPageHtmlExportTest::pageRules()
{
    QFETCH(QByteArray, line);
    WebPageStyle style = InitialWebPageStyle();
    style.borderColour = PackColour(165, 42, 42);
    style.partSizes = {60, 0, 40};
    const QByteArray page = ExportWebPageAsHtml(style);
    QVERIFY2(page.contains("\r\n" + line), line.constData());
}

void WebPageHtmlExportTest::typedMarkupStaysText()
{
    WebPageStyle style = InitialWebPageStyle();
    for (WebPageText& text : style.texts)
        text.text = QStringLiteral("<script>alert(1)</script> \u00e9");
    style.text(WebText::Link2).font.family = QStringLiteral("</style><script>alert(2)</script>");
    const QByteArray page = ExportWebPageAsHtml(style);

    QCOMPARE(page.count("&lt;script&gt;alert(1)&lt;/script&gt; &#233;"), kWebTextCount + 1);
    QVERIFY(!page.contains("<script"));
    QVERIFY(!page.contains("</style><"));
    QCOMPARE(page.count("</style>"), 1);
    QVERIFY(page.startsWith("<!DOCTYPE html>\r\n"));
    QVERIFY(page.endsWith("</html>\r\n"));
    QCOMPARE(page.count('\n'), page.count("\r\n"));
    for (char c : page)
        QVERIFY(uchar(c) < 0x80);
}

QTEST_APPLESS_MAIN(WebPageHtmlExportTest)
#include "tst_webpagehtmlexport.moc"
