#include "storage/WebStyleFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every field differs from the initial page, every flag is on somewhere and off
// somewhere, and the texts hold what a line-based 8-bit file finds hardest.
WebPageStyle EveryFieldStyle()
{
    const QString special[kWebTextCount] = {
        QStringLiteral("Gr\u00fc\u00dfe \u2013 \u65e5\u672c\u8a9e ") +
            QString::fromUcs4(U"\U0001F600"),
        QStringLiteral("line 1\r\nline 2\nline 3\rend"),
        QStringLiteral("back\\slash \\n not a break \\u0041 \\"),
        QStringLiteral("  spaces around  "),
        QStringLiteral("a=b; c=d"),
        QStringLiteral("; looks like a comment"),
        QString(),
        QStringLiteral("\t tab ") + QChar(0x01) + QStringLiteral(" control ") + QChar(0x7F) +
            QStringLiteral(" del \u0085 next line \u00ff"),
        QString(QChar(0xD800)) + QStringLiteral("x") + QString(5000, QLatin1Char('w')),
    };
    WebPageStyle style;
    for (int i = 0; i < kWebPartCount; ++i)
        style.partColours[std::size_t(i)] = PackColour(10 + i, 20 + i, 30 + i);
    style.borderColour = PackColour(9, 8, 7);
    style.partSizes = {60, 30, 90};
    for (int i = 0; i < kWebTextCount; ++i) {
        WebPageText& text = style.texts[std::size_t(i)];
        text.text = special[i];
        text.font.family = i == 3 ? QStringLiteral("\uff2d\uff33 \u30b4\u30b7\u30c3\u30af")
                                  : QStringLiteral("Font %1").arg(i);
        text.font.pointSize = i == 8 ? kMaxFontPointSize : 1 + i * 100;
        text.font.colour = PackColour(100 + i, 150 + i, 200 + i);
        text.font.bold = i & 1;
        text.font.italic = i & 2;
        text.font.underline = i & 4;
        text.font.strikeOut = (i & 8) || i == 0;
        text.font.charSet = i == 8 ? 255 : i * 31;
    }
    return style;
}

ColorRef Red()
{
    return PackColour(255, 0, 0);
}

bool StyleIsSound(const WebPageStyle& style)
{
    for (int i = 0; i < kWebDividerCount; ++i) {
        const int size = style.partSizes[std::size_t(i)];
        if (size < 0 || size > MaximumPartSize(style, WebDivider(i)))
            return false;
    }
    for (const WebPageText& text : style.texts) {
        if (text.font.pointSize < 1 || text.font.pointSize > kMaxFontPointSize ||
            text.font.charSet < 0 || text.font.charSet > 255 || text.font.colour > 0xFFFFFF)
            return false;
    }
    for (ColorRef colour : style.partColours) {
        if (colour > 0xFFFFFF)
            return false;
    }
    return style.borderColour <= 0xFFFFFF;
}

} // namespace

class WebStyleFileTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripKeepsEveryField();
    void badLines_data();
    void badLines();
    void garbageNeverBreaksTheStyle();
    void unreadableFilesChangeNothing();
    void whatIsSavedLoadsBack();

private:
    QTemporaryDir m_dir;
};

void WebStyleFileTest::roundTripKeepsEveryField()
{
    const WebPageStyle saved = EveryFieldStyle();
    const QString path = m_dir.filePath(QStringLiteral("every.cls"));
    QVERIFY(SaveWebStyleFile(path, saved));

    WebPageStyle loaded = InitialWebPageStyle();
    const WebStyleLoadResult result = LoadWebStyleFile(path, loaded);
    QCOMPARE(result.status, WebStyleLoadResult::Status::Loaded);
    QCOMPARE(result.badLineNumber, 0);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(loaded, saved);

    // Lines of 8-bit text, each ended by CR LF: the texts' own breaks are escaped.
    const QByteArray data = WebStyleFileText(saved);
    QCOMPARE(data.count("\r\n"), 90);
    QCOMPARE(data.count('\r'), 90);
    QCOMPARE(data.count('\n'), 90);
    QVERIFY(data.endsWith("\r\n"));
    const QByteArray initial = WebStyleFileText(InitialWebPageStyle());
    for (const char* line : {"; QB Kromi Web Test Style\r\n", "\nheader.colour=$0085E0C8\r\n",
                             "\nlinkcolumn.width=113\r\n", "\nheadertext.font.size=24\r\n",
                             "\nlink1.font.underline=1\r\n"})
        QVERIFY2(initial.contains(line), line);
}

void WebStyleFileTest::badLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("badLine");
    QTest::addColumn<QString>("badText");
    QTest::addColumn<ColorRef>("header"); // every row but one sets the header red
    QTest::addColumn<QList<int>>("sizes");

    const QList<int> initialSizes{49, 25, 113};
    const QByteArray red = "header.colour=$000000FF\r\n";
    QTest::newRow("all good, LF only, comments and blanks")
        << QByteArray("; c\n\nHEADER.Colour=255\n  header.height = 60\n") << 0 << QString() << Red()
        << QList<int>{60, 25, 113};
    QTest::newRow("last of a repeated name counts")
        << red + "header.height=10\r\nheader.height=11\r\n"
        << 0 << QString() << Red() << QList<int>{11, 25, 113};
    QTest::newRow("no equals sign")
        << red + "border.colour" << 2 << "border.colour" << Red() << initialSizes;
    QTest::newRow("unknown name") << red + "header.colour.x=1\r\n"
                                  << 2 << "header.colour.x=1" << Red() << initialSizes;
    QTest::newRow("colour beyond 24 bits")
        << QByteArray("header.colour=$01000000\r\n") << 1 << "header.colour=$01000000"
        << PackColour(200, 224, 133) << initialSizes;
    QTest::newRow("header and footer leave no body")
        << red + "header.height=200\r\nfooter.height=93\r\n"
        << 3 << "footer.height=93" << Red() << initialSizes;
    QTest::newRow("unknown escape") << red + "link1.text=a\\qb\r\n"
                                    << 2 << "link1.text=a\\qb" << Red() << initialSizes;
    const QByteArray longLine = "link1.text=" + QByteArray(300, 'a') + "\\";
    QTest::newRow("long line, quoted in part")
        << longLine << 1 << QString::fromLatin1(longLine.left(200)) + QStringLiteral("...")
        << PackColour(200, 224, 133) << initialSizes;
    QTest::newRow("first of several bad lines")
        << "junk\r\n" + red + "more junk\r\nfooter.height=x\r\n"
        << 1 << "junk" << Red() << initialSizes;
}

void WebStyleFileTest::badLines()
{
    QFETCH(QByteArray, content);
    QFETCH(int, badLine);
    QFETCH(QString, badText);
    QFETCH(ColorRef, header);
    QFETCH(QList<int>, sizes);

    const WebPageStyle before = InitialWebPageStyle();
    WebPageStyle style = before;
    const WebStyleLoadResult result = ApplyWebStyleText(content, style);
    QCOMPARE(result.status, WebStyleLoadResult::Status::Loaded);
    QCOMPARE(result.badLineNumber, badLine);
    QCOMPARE(result.badLineText, badText);
    QCOMPARE(result.error.isEmpty(), badLine == 0);
    if (badLine != 0) {
        QVERIFY(result.error.contains(QStringLiteral("Line %1").arg(badLine)));
        QVERIFY(result.error.contains(badText));
    }
    QCOMPARE(style.colour(WebPart::Header), header);
    QCOMPARE(QList<int>(style.partSizes.begin(), style.partSizes.end()), sizes);
    // Lines that were not there leave their values alone.
    QCOMPARE(style.texts, before.texts);
    QCOMPARE(style.colour(WebPart::Body), before.colour(WebPart::Body));
}

// Random mixtures of the file's own pieces and random bytes: never a crash, and
// never a style the window could not show.
void WebStyleFileTest::garbageNeverBreaksTheStyle()
{
    QList<QByteArray> pieces = QByteArray("header.height= footer.height= linkcolumn.width= "
                                          "body.colour= link3.font.size= bodytext.text= "
                                          "pagetitle.font.charset= = \\ \\u \\uD83D $ - "
                                          "99999999999 0 292 ;")
                                   .split(' ');
    pieces << "\r\n"
           << "\n"
           << "\r" << QByteArray(1, '\0') << "\xff\xfe";
    QRandomGenerator random(20240515);
    for (int round = 0; round < 300; ++round) {
        QByteArray data;
        const int count = random.bounded(200);
        for (int i = 0; i < count; ++i) {
            if (random.bounded(4) == 0)
                data += char(random.bounded(256));
            else
                data += pieces.at(random.bounded(int(pieces.size())));
        }
        WebPageStyle style = InitialWebPageStyle();
        ApplyWebStyleText(data, style);
        QVERIFY2(StyleIsSound(style), data.toPercentEncoding().constData());
    }
}

void WebStyleFileTest::unreadableFilesChangeNothing()
{
    const QString huge = m_dir.filePath(QStringLiteral("huge.cls"));
    QVERIFY(WriteWholeFile(huge, QByteArray(kMaxWebStyleFileBytes + 1, 'x')));
    const QString missing = m_dir.filePath(QStringLiteral("missing.cls"));
    const QStringList paths = {huge, missing, m_dir.path()};
    const QStringList errors = {huge + QStringLiteral(" is too large to be a web test style file."),
                                QStringLiteral("Cannot open file ") + missing,
                                QStringLiteral("Cannot open file ") + m_dir.path()};
    for (int i = 0; i < paths.size(); ++i) {
        WebPageStyle style = EveryFieldStyle();
        const WebStyleLoadResult result = LoadWebStyleFile(paths.at(i), style);
        QCOMPARE(result.status, WebStyleLoadResult::Status::Failed);
        QCOMPARE(result.error, errors.at(i));
        QCOMPARE(style, EveryFieldStyle());
    }
}

// Two large styles loaded one after the other give texts that no style file may
// hold: saving such a style is refused; one just within the limit loads back.
void WebStyleFileTest::whatIsSavedLoadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.cls"));
    WebPageStyle style;
    const QString large(qsizetype(kMaxWebStyleFileBytes / 2), QLatin1Char('a'));
    style.text(WebText::HeaderText).text = large;
    QVERIFY(SaveWebStyleFile(path, style));
    const QByteArray saved = ReadWholeFile(path).data;
    style.text(WebText::FooterText).text = large;
    QVERIFY(!SaveWebStyleFile(path, style));
    QCOMPARE(ReadWholeFile(path).data, saved);

    style.text(WebText::FooterText).text =
        QString(kMaxWebStyleFileBytes - saved.size() - 100, QLatin1Char('b'));
    QVERIFY(SaveWebStyleFile(path, style));
    WebPageStyle loaded;
    QCOMPARE(LoadWebStyleFile(path, loaded).status, WebStyleLoadResult::Status::Loaded);
    QCOMPARE(loaded.text(WebText::FooterText).text, style.text(WebText::FooterText).text);
}

QTEST_APPLESS_MAIN(WebStyleFileTest)
#include "tst_webstylefile.moc"
