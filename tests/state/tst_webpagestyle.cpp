#include "state/WebPageStyle.h"

#include <QtTest>

namespace {

QString Rgb3(ColorRef colour)
{
    const Rgb c = UnpackColour(colour);
    return QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue);
}

// Everything a sample sets, in the order the samples set it.
QString SampleSummary(const WebPageStyle& style)
{
    QStringList parts;
    for (ColorRef colour : style.partColours)
        parts << Rgb3(colour);
    parts << Rgb3(style.borderColour);
    for (int size : style.partSizes)
        parts << QString::number(size);
    for (const WebPageText& text : style.texts)
        parts << text.text.left(20) + QLatin1Char(' ') + Rgb3(text.font.colour);
    return parts.join(QStringLiteral(" | "));
}

} // namespace

class WebPageStyleTest : public QObject
{
    Q_OBJECT
private slots:
    void samples_data();
    void samples();
    void fontKeptAcrossASample();
    void dividerResetBySample();
    void dragDivider_data();
    void dragDivider();
};

void WebPageStyleTest::samples_data()
{
    QTest::addColumn<int>("sample");
    QTest::addColumn<QString>("summary");
    QTest::newRow("sample 1")
        << 1
        << "200,224,133 | 49,61,15 | 130,163,41 | 246,250,235 | 0,0,0 | 49 | 25 | 113 | "
           "My Web Site 0,0,0 | Copyright 2003 Someo 246,250,235 | This is link 1 0,0,0 | "
           "This is link 2 0,0,0 | This is link 3 0,0,0 | This is link 4 0,0,0 | "
           "This is link 5 0,0,0 | Page 1 0,0,0 | This is a sample tex 0,0,0";
    QTest::newRow("sample 6")
        << 6
        << "21,15,61 | 165,153,255 | 143,133,224 | 210,204,255 | 165,153,255 | 47 | 0 | 76 | "
           "MyCompany 232,230,255 | Copyright 2003 Someo 61,44,15 | Home 232,230,255 | "
           "Products 232,230,255 | Downloads 232,230,255 | Company 232,230,255 | "
           "Contact 232,230,255 | Welcome! 61,44,15 | This is a sample tex 0,0,0";
}

void WebPageStyleTest::samples()
{
    QFETCH(int, sample);
    QFETCH(QString, summary);
    // From a page that differs everywhere, so nothing passes by being left alone.
    WebPageStyle style = InitialWebPageStyle();
    ApplyWebPageSample(style, 5);
    for (WebPageText& text : style.texts)
        text.text = QStringLiteral("typed");
    QVERIFY(ApplyWebPageSample(style, sample));
    QCOMPARE(SampleSummary(style), summary);
    QCOMPARE(style.text(WebText::BodyText).text, QString::fromLatin1(kWebPageBodyText));
    QCOMPARE(style.text(WebText::FooterText).text, QStringLiteral("Copyright 2003 Someone"));
    QVERIFY(!ApplyWebPageSample(style, 7));
}

void WebPageStyleTest::fontKeptAcrossASample()
{
    WebPageStyle style = InitialWebPageStyle();
    QCOMPARE(FontPixelSize(style.text(WebText::HeaderText).font.pointSize), 32);
    QCOMPARE(FontPixelSize(style.text(WebText::PageTitle).font.pointSize), 21);
    QCOMPARE(FontPixelSize(style.text(WebText::Link3).font.pointSize), 11);
    QCOMPARE(FontPointSize(21), 16);

    FontSpec chosen{
        QStringLiteral("Courier New"), 30, PackColour(1, 2, 3), false, true, false, true, 238};
    style.text(WebText::HeaderText).font = chosen;
    ApplyWebPageSample(style, 2);
    QCOMPARE(style.text(WebText::HeaderText).text, QStringLiteral("My Photo Collection"));
    chosen.colour = PackColour(0, 0, 0);
    QCOMPARE(style.text(WebText::HeaderText).font, chosen);
}

void WebPageStyleTest::dividerResetBySample()
{
    WebPageStyle style = InitialWebPageStyle();
    const QList<QRect> sampleOne{{0, 0, 385, 49},     {0, 272, 385, 25}, {0, 51, 113, 219},
                                 {115, 51, 270, 219}, {0, 49, 385, 2},   {0, 270, 385, 2},
                                 {113, 51, 2, 219}};
    const auto rects = [&style] {
        const WebPageLayout layout = LayOutWebPage(style);
        QList<QRect> all(layout.parts.begin(), layout.parts.end());
        return all + QList<QRect>(layout.dividers.begin(), layout.dividers.end());
    };
    QCOMPARE(rects(), sampleOne);
    QCOMPARE(BodyTextWidth(270), 251);

    DragDivider(style, WebDivider::BelowHeader, 120);
    DragDivider(style, WebDivider::RightOfLinkColumn, 10);
    ApplyWebPageSample(style, 6);
    QCOMPARE(LayOutWebPage(style).part(WebPart::Footer).height(), 0);
    QCOMPARE(LayOutWebPage(style).divider(WebDivider::AboveFooter), QRect(0, 295, 385, 2));
    ApplyWebPageSample(style, 1);
    QCOMPARE(rects(), sampleOne);
}

// Minimum 1, collapse to 0 below, and the body always keeps a pixel.
void WebPageStyleTest::dragDivider_data()
{
    QTest::addColumn<int>("divider");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("body");
    const int header = int(WebDivider::BelowHeader);
    const int footer = int(WebDivider::AboveFooter);
    const int links = int(WebDivider::RightOfLinkColumn);
    QTest::newRow("above the page collapses") << header << -40 << 0 << QRect(115, 2, 270, 268);
    QTest::newRow("0 collapses") << footer << 0 << 0 << QRect(115, 51, 270, 244);
    QTest::newRow("1 is kept") << links << 1 << 1 << QRect(3, 51, 382, 219);
    QTest::newRow("header past the footer") << header << 1000 << 267 << QRect(115, 269, 270, 1);
    QTest::newRow("footer past the header") << footer << 1000 << 243 << QRect(115, 51, 270, 1);
    QTest::newRow("links past the edge") << links << 1000 << 382 << QRect(384, 51, 1, 219);
}

void WebPageStyleTest::dragDivider()
{
    QFETCH(int, divider);
    QFETCH(int, requested);
    QFETCH(int, size);
    QFETCH(QRect, body);
    WebPageStyle style = InitialWebPageStyle();
    DragDivider(style, WebDivider(divider), requested);
    QCOMPARE(style.size(WebDivider(divider)), size);
    QCOMPARE(LayOutWebPage(style).part(WebPart::Body), body);
    QVERIFY(
        !SetPartSize(style, WebDivider(divider), MaximumPartSize(style, WebDivider(divider)) + 1));
}

QTEST_APPLESS_MAIN(WebPageStyleTest)
#include "tst_webpagestyle.moc"
