// The exported page as a real browser engine draws it. Runs where Debian's
// chromium-headless-shell is installed ("make deps"), skips elsewhere.

#include "storage/WebPageHtmlExport.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <QUrl>

class WebPageHtmlRenderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void partsAndDividersAtTheirPlaces_data();
    void partsAndDividersAtTheirPlaces();
    void typedScriptIsShownAsText();

private:
    // Runs the browser on the exported style; its standard output, or the
    // screenshot with an empty `output`.
    QString Run(const WebPageStyle& style, const QString& name, const QString& output = {});

    QString m_browser;
    QTemporaryDir m_dir;
    QImage m_page;
};

void WebPageHtmlRenderTest::initTestCase()
{
    m_browser = QStandardPaths::findExecutable(QStringLiteral("chromium-headless-shell"));
    if (m_browser.isEmpty())
        QSKIP("chromium-headless-shell is not installed");
    // Distinctive colours and sizes; short texts far from the probed pixels.
    WebPageStyle style = InitialWebPageStyle();
    style.partColours = {PackColour(255, 0, 0), PackColour(0, 0, 255), PackColour(0, 255, 0),
                         PackColour(255, 255, 0)};
    style.borderColour = PackColour(255, 0, 255);
    style.partSizes = {60, 40, 90};
    for (WebPageText& text : style.texts)
        text.text = QStringLiteral("x");
    m_page = QImage(Run(style, QStringLiteral("parts"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!m_page.isNull());
}

QString WebPageHtmlRenderTest::Run(const WebPageStyle& style, const QString& name,
                                   const QString& output)
{
    const QString html = m_dir.filePath(name + QStringLiteral(".htm"));
    const QString png = m_dir.filePath(name + QStringLiteral(".png"));
    if (!SaveWebPageAsHtml(html, style))
        return QString();
    QProcess browser;
    browser.start(m_browser,
                  {QStringLiteral("--no-sandbox"), QStringLiteral("--headless"),
                   QStringLiteral("--disable-gpu"), QStringLiteral("--hide-scrollbars"),
                   QStringLiteral("--force-device-scale-factor=1"),
                   QStringLiteral("--user-data-dir=") + m_dir.filePath(QStringLiteral("profile")),
                   QStringLiteral("--window-size=500,400"),
                   output.isEmpty() ? QStringLiteral("--screenshot=") + png : output,
                   QUrl::fromLocalFile(html).toString()});
    // A guard against a hung browser, not a timing check.
    if (!browser.waitForFinished(120000) || browser.exitCode() != 0)
        return QString();
    return output.isEmpty() ? png : QString::fromUtf8(browser.readAllStandardOutput());
}

void WebPageHtmlRenderTest::partsAndDividersAtTheirPlaces_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    // Page 385 x 297: header 0..59, divider 60..61, middle 62..254, divider 255..256,
    // footer 257..296; link column 0..89, divider 90..91, body 92..384.
    QTest::newRow("header") << QPoint(300, 45) << QColor(255, 0, 0);
    QTest::newRow("header divider") << QPoint(300, 61) << QColor(255, 0, 255);
    QTest::newRow("link column") << QPoint(60, 240) << QColor(0, 255, 0);
    QTest::newRow("link divider") << QPoint(91, 240) << QColor(255, 0, 255);
    QTest::newRow("body") << QPoint(370, 240) << QColor(255, 255, 0);
    QTest::newRow("footer divider") << QPoint(300, 255) << QColor(255, 0, 255);
    QTest::newRow("footer") << QPoint(300, 290) << QColor(0, 0, 255);
    QTest::newRow("right of the page") << QPoint(386, 100) << QColor(255, 255, 255);
    QTest::newRow("below the page") << QPoint(100, 298) << QColor(255, 255, 255);
}

void WebPageHtmlRenderTest::partsAndDividersAtTheirPlaces()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QCOMPARE(m_page.pixelColor(pixel), colour);
}

void WebPageHtmlRenderTest::typedScriptIsShownAsText()
{
    WebPageStyle style = InitialWebPageStyle();
    style.colour(WebPart::Header) = PackColour(255, 255, 255);
    for (WebPageText& text : style.texts)
        text.text.clear();
    style.text(WebText::HeaderText).text = QStringLiteral("<script>alert(1)</script>");
    style.text(WebText::HeaderText).font.pointSize = 20;
    const QByteArray html = ExportWebPageAsHtml(style);
    QVERIFY(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
    QVERIFY(!html.contains("<script"));

    // The parsed document holds the text as the header text's content, no element.
    const QString dom = Run(style, QStringLiteral("script"), QStringLiteral("--dump-dom"));
    QVERIFY(dom.contains(
        QStringLiteral("id=\"headertext\">&lt;script&gt;alert(1)&lt;/script&gt;</div>")));
    QVERIFY(!dom.contains(QStringLiteral("<script"), Qt::CaseInsensitive));

    // Drawn: dark glyphs along the width the whole text takes, none below it.
    const QImage page =
        QImage(Run(style, QStringLiteral("script"))).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!page.isNull());
    const auto darkPixels = [&page](int left, int right, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += qGray(page.pixel(x, y)) < 96 ? 1 : 0;
        return count;
    };
    QVERIFY(darkPixels(8, 100, 7, 45) > 50);   // "<scri"
    QVERIFY(darkPixels(200, 300, 7, 45) > 50); // ")</sc"
    QCOMPARE(darkPixels(0, 385, 47, 49), 0);   // the header's bottom rows stay white
}

QTEST_MAIN(WebPageHtmlRenderTest)
#include "tst_webpagehtmlrender.moc"
