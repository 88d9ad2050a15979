#include "copy/CopyPayload.h"
#include "copy/FastPng.h"

#include <QtTest>

namespace {

QStringList Entries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QStringLiteral("#%1%2%3")
                       .arg((i * 37) % 256, 2, 16, QLatin1Char('0'))
                       .arg((i * 11) % 256, 2, 16, QLatin1Char('0'))
                       .arg(255 - i % 256, 2, 16, QLatin1Char('0'))
                       .toUpper();
    return entries;
}

QRgb Colour(const QString& entry)
{
    return 0xFF000000u | entry.mid(1).toUInt(nullptr, 16);
}

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Rows of the list picture between `from` and `to` (exclusive) that hold text ink.
QVector<int> InkRows(const QImage& image, int from, int to)
{
    QVector<int> rows;
    for (int y = from; y < to; ++y) {
        for (int x = kListTextLeft; x < image.width(); ++x) {
            if (image.pixel(x, y) != kWhite) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(CopyFormat)

class CopyPicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void swatchesSize_data();
    void swatchesSize();
    void wheelColoursAtTheDefaults();
    void swatchPixels_data();
    void swatchPixels();
    void listPicture();
    void emptySources();
    void hugeListIsBuiltOrRefused();
    void mainColourAndWheelBitmaps();
    void payloads();
    void previewHoldsWhatShows_data();
    void previewHoldsWhatShows();
    void tooLargeIsSaidInThePreview();
    void fastPngReadsBackAsThePicture_data();
    void fastPngReadsBackAsThePicture();
};

void CopyPicturesTest::swatchesSize_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("space");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("12 in 12") << 12 << 20 << 12 << 3 << QSize(276, 23);
    QTest::newRow("1 in 12") << 1 << 20 << 12 << 3 << QSize(276, 20);
    QTest::newRow("5 in 12") << 5 << 20 << 12 << 3 << QSize(276, 20);
    QTest::newRow("13 in 12") << 13 << 20 << 12 << 3 << QSize(276, 43);
    QTest::newRow("24 in 12, empty row below") << 24 << 20 << 12 << 3 << QSize(276, 66);
    QTest::newRow("none") << 0 << 20 << 12 << 3 << QSize(276, 20);
    QTest::newRow("2 in 1") << 2 << 10 << 1 << 0 << QSize(10, 30);
    QTest::newRow("10000 in 50 of 60") << 10000 << 60 << 50 << 15 << QSize(3750, 15060);
}

void CopyPicturesTest::swatchesSize()
{
    QFETCH(int, count);
    QFETCH(int, size);
    QFETCH(int, columns);
    QFETCH(int, space);
    QFETCH(QSize, expected);
    const SwatchOptions options{size, columns, space, true};
    QCOMPARE(SwatchesPictureSize(count, options), expected);
    if (count <= 100) {
        const PictureResult picture = BuildSwatchesBitmap(Entries(count), options);
        QVERIFY(picture.ok());
        QCOMPARE(picture.image.size(), expected);
    }
}

void CopyPicturesTest::wheelColoursAtTheDefaults()
{
    CopySourceInput input;
    Harmonies harmonies;
    ComputeHarmonies(Rgb{6, 167, 255}, harmonies);
    input.wheelColours = harmonies.wheel;
    const QStringList entries = GatherSourceColours(CopySource::ColorWheel, input);
    const QVector<QRect> cells = SwatchCells(entries.size(), SwatchOptions{});
    QCOMPARE(cells.size(), 12);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(cells.at(i), QRect(23 * i, 0, 20, 20));

    const QImage image = BuildSwatchesBitmap(entries, SwatchOptions{}).image;
    QCOMPARE(image.size(), QSize(276, 23));
    for (int i = 0; i < 12; ++i) {
        const int left = 23 * i;
        QCOMPARE(image.pixel(left, 0), kBlack);
        QCOMPARE(image.pixel(left + 19, 19), kBlack);
        QCOMPARE(image.pixel(left + 10, 10), Colour(entries.at(i)));
        QCOMPARE(image.pixel(left + 20, 10), kWhite);
        QCOMPARE(image.pixel(left + 10, 20), kWhite);
    }
}

void CopyPicturesTest::swatchPixels_data()
{
    QTest::addColumn<bool>("outline");
    QTest::addColumn<int>("space");
    QTest::newRow("outline, space 3") << true << 3;
    QTest::newRow("no outline, space 3") << false << 3;
    QTest::newRow("outline, space 0") << true << 0;
    QTest::newRow("no outline, space 0") << false << 0;
}

void CopyPicturesTest::swatchPixels()
{
    QFETCH(bool, outline);
    QFETCH(int, space);
    // Seven colours in three columns: the fill runs along the rows.
    const QStringList entries = Entries(7);
    const SwatchOptions options{10, 3, space, outline};
    const QImage image = BuildSwatchesBitmap(entries, options).image;
    const int step = 10 + space;
    QCOMPARE(image.size(), QSize(3 * step, 3 * 10 + 2 * space));
    for (int i = 0; i < 9; ++i) {
        const int left = i % 3 * step;
        const int top = i / 3 * step;
        const QRgb inside = i < 7 ? Colour(entries.at(i)) : kWhite;
        const QRgb edge = i < 7 && outline ? kBlack : inside;
        QCOMPARE(image.pixel(left + 5, top + 5), inside);
        QCOMPARE(image.pixel(left, top), edge);
        QCOMPARE(image.pixel(left + 9, top + 9), edge);
        QCOMPARE(image.pixel(left + 1, top + 8), inside);
        if (space > 0)
            QCOMPARE(image.pixel(left + 10, top + 5), kWhite);
    }
}

void CopyPicturesTest::listPicture()
{
    const QStringList entries{"#06A7FF", "#FF0000", "#000000"};
    QCOMPARE(ListPictureLines(entries.at(0)),
             (QStringList{"RGB: 6,167,255", "HSL: 201,100,51", "HEX: #06A7FF"}));
    const PictureResult picture = BuildListBitmap(entries);
    QVERIFY(picture.ok());
    const QImage& image = picture.image;
    QCOMPARE(image.size(), QSize(125, 105));
    for (int i = 0; i < 3; ++i) {
        const int top = 35 * i;
        QCOMPARE(image.pixel(0, top), Colour(entries.at(i)));
        QCOMPARE(image.pixel(34, top + 34), Colour(entries.at(i)));
        QCOMPARE(image.pixel(35, top + 17), kWhite);
        QCOMPARE(image.pixel(37, top + 17), kWhite);
        // Each of the three lines has ink starting within a few pixels of its top.
        for (int line = 0; line < 3; ++line) {
            const int lineTop = top + 11 * line;
            const QVector<int> rows = InkRows(image, lineTop, lineTop + 11);
            QVERIFY2(!rows.isEmpty(), qPrintable(QStringLiteral("line %1").arg(lineTop)));
            QVERIFY(rows.first() <= lineTop + 4);
        }
    }
    // Grey text: no coloured ink, none darker than the text colour.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = kListTextLeft; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            QVERIFY(qRed(p) >= 128);
        }
    }
    QVERIFY(!BuildListBitmap({"#06A7FF", "#QQ"}).ok());
}

void CopyPicturesTest::emptySources()
{
    const PictureResult swatches = BuildSwatchesBitmap({}, SwatchOptions{});
    QVERIFY(swatches.ok());
    QCOMPARE(swatches.image.size(), QSize(276, 20));
    QCOMPARE(swatches.image.pixel(0, 0), kWhite);
    const PictureResult list = BuildListBitmap({});
    QVERIFY(list.ok());
    QVERIFY(list.image.isNull());
    QVERIFY(!BuildSwatchesBitmap({}, SwatchOptions{20, 0, 3, true}).ok());
}

void CopyPicturesTest::hugeListIsBuiltOrRefused()
{
    const QStringList entries = Entries(10000);
    const PictureResult picture = BuildListBitmap(entries);
    if (!picture.ok()) {
        QVERIFY(picture.image.isNull());
        QVERIFY(picture.error.contains(QStringLiteral("125 x 350000")));
        return;
    }
    const QImage& image = picture.image;
    QCOMPARE(image.size(), QSize(125, 350000));
    QCOMPARE(image.pixel(17, 349990), Colour(entries.last()));
    QVERIFY(!InkRows(image, 349965, 350000).isEmpty());
}

void CopyPicturesTest::mainColourAndWheelBitmaps()
{
    const QImage main = BuildMainColourBitmap(Rgb{6, 167, 255});
    QCOMPARE(main.size(), QSize(60, 60));
    QCOMPARE(main.pixel(0, 0), qRgb(6, 167, 255));
    QCOMPARE(main.pixel(59, 59), qRgb(6, 167, 255));

    Harmonies harmonies;
    ComputeHarmonies(Rgb{6, 167, 255}, harmonies);
    const WheelColours colours = WheelColoursOf(PackColour(6, 167, 255), harmonies.wheel);
    WheelGeometry geometry = DefaultWheelGeometry();
    QImage wheel = BuildWheelBitmap(geometry, colours);
    // The default wheel spans x 34..166 and y 108..240.
    QCOMPARE(wheel.size(), QSize(132, 132));
    QCOMPARE(wheel.pixel(0, 0), kWhite);
    for (int i = 0; i < kWheelShapes; ++i) {
        const ShapeGeometry& shape = geometry[std::size_t(i)];
        const QPoint centre(shape.left - 34 + shape.width / 2, shape.top - 108 + shape.height / 2);
        const Rgb c = UnpackColour(colours[std::size_t(i)]);
        QCOMPARE(wheel.pixel(centre), qRgb(c.red, c.green, c.blue));
        // A circle leaves its box's corners white and touches its edges in black.
        QCOMPARE(wheel.pixel(shape.left - 34 + 1, shape.top - 108 + 1), kWhite);
        QCOMPARE(wheel.pixel(shape.left - 34, centre.y()), kBlack);
    }

    for (ShapeGeometry& shape : geometry)
        shape.outline = ShapeOutline::Rectangle;
    geometry[0].left = 10; // the box grows to the left
    wheel = BuildWheelBitmap(geometry, colours);
    QCOMPARE(wheel.size(), QSize(156, 132));
    QCOMPARE(wheel.pixel(0, 36), kBlack);
    QCOMPARE(wheel.pixel(59, 95), kBlack);
    QCOMPARE(wheel.pixel(1, 37), qRgb(6, 167, 255));
}

void CopyPicturesTest::payloads()
{
    const QStringList entries{"#06A7FF", "#FF0000"};
    CopyOptions options;
    auto payload = BuildCopyPayload(CopyFormat::Css, entries, options);
    QVERIFY(payload.ok());
    QCOMPARE(payload.mimeData->text(), BuildCssText(entries, options.css));
    QVERIFY(!payload.mimeData->hasImage());

    payload = BuildCopyPayload(CopyFormat::Swatches, entries, options);
    QVERIFY(payload.ok());
    QVERIFY(payload.mimeData->hasImage());
    QCOMPARE(qvariant_cast<QImage>(payload.mimeData->imageData()).size(), QSize(276, 20));
    QVERIFY(!payload.mimeData->hasFormat(QStringLiteral("image/x-wmf")));
    // The PNG other programs ask for comes ready-made, never from the slow writer.
    QVERIFY(payload.mimeData->formats().contains(QStringLiteral("image/png")));
    QCOMPARE(QImage::fromData(payload.mimeData->data(QStringLiteral("image/png")), "PNG")
                 .convertToFormat(QImage::Format_RGB32),
             qvariant_cast<QImage>(payload.mimeData->imageData()));
    // image/bmp is served as it stands, not converted when another program asks.
    QVERIFY(payload.mimeData->formats().contains(QStringLiteral("image/bmp")));
    QCOMPARE(QImage::fromData(payload.mimeData->data(QStringLiteral("image/bmp")), "BMP")
                 .convertToFormat(QImage::Format_RGB32),
             BuildSwatchesBitmap(entries, options.swatches).image);

    for (CopyFormat format : {CopyFormat::Swatches, CopyFormat::List}) {
        options.swatchesKind = PictureKind::Wmf;
        options.listKind = PictureKind::Wmf;
        payload = BuildCopyPayload(format, entries, options);
        QVERIFY(payload.ok());
        const QMimeData& data = *payload.mimeData;
        const QByteArray wmf = data.data(QStringLiteral("image/wmf"));
        QVERIFY(wmf.startsWith(QByteArray::fromHex("D7CDC69A")));
        for (const QString& type : WmfMimeTypes())
            QCOMPARE(data.data(type), wmf);
        QVERIFY(data.formats().contains(
            QStringLiteral("application/x-openoffice-wmf;windows_formatname=\"Image WMF\"")));
        QVERIFY(data.hasFormat(QStringLiteral("image/png")));
        const QImage png = QImage::fromData(data.data(QStringLiteral("image/png")), "PNG");
        const QImage image = qvariant_cast<QImage>(data.imageData());
        QCOMPARE(png.size(), format == CopyFormat::List ? QSize(125, 70) : QSize(276, 20));
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), image);
    }

    const CopyPreview preview = BuildCopyPreview(CopyFormat::List, entries, options);
    QVERIFY(preview.ok());
    QCOMPARE(preview.image.size(), QSize(125, 70));
    const CopyPayload refused = BuildCopyPayload(CopyFormat::Text, {"#GG0000"}, options);
    QVERIFY(!refused.ok());
    QVERIFY(!refused.mimeData);
    QCOMPARE(refused.error, QStringLiteral("'$000000GG' is not a valid integer value"));
    QVERIFY(!BuildCopyPayload(CopyFormat::List, Entries(1000), options).ok());

    options.listKind = PictureKind::Bmp;
    payload = BuildCopyPayload(CopyFormat::List, {}, options);
    QVERIFY(payload.ok());
    QVERIFY(payload.mimeData->formats().isEmpty());
}

void CopyPicturesTest::previewHoldsWhatShows_data()
{
    QTest::addColumn<CopyFormat>("format");
    for (CopyFormat format : {CopyFormat::Swatches, CopyFormat::List, CopyFormat::Css,
                              CopyFormat::Value, CopyFormat::Text})
        QTest::newRow(qPrintable(CopyFormatCaptions()[int(format)])) << format;
}

// A long list previews only what fits, and what fits is exactly the whole result's
// top-left part (the Copy window's preview area: 465 x 241 pixels, 17 lines).
void CopyPicturesTest::previewHoldsWhatShows()
{
    QFETCH(CopyFormat, format);
    const QStringList entries = Entries(500);
    CopyOptions options;
    options.css.backgroundColor = true;
    options.swatches = SwatchOptions{15, 20, 3, true};
    const PreviewArea area{QSize(465, 241), 17};
    const CopyPreview whole = BuildCopyPreview(format, entries, options);
    const CopyPreview shown = BuildCopyPreview(format, entries, options, {}, area);
    QVERIFY(shown.ok());
    QVERIFY(PreviewEntryCount(format, int(entries.size()), options, area) < entries.size());
    if (CopyFormats().IsPicture(format)) {
        const QRect visible = QRect(QPoint(), area.pixels) & whole.image.rect();
        QCOMPARE(shown.image.copy(visible), whole.image.copy(visible));
    } else {
        QCOMPARE(shown.text.split(QStringLiteral("\r\n")).mid(0, area.lines),
                 whole.text.split(QStringLiteral("\r\n")).mid(0, area.lines));
    }
}

void CopyPicturesTest::tooLargeIsSaidInThePreview()
{
    // 100,000 list colours make 125 x 3,500,000 pixels: more than a picture may hold.
    const QStringList entries = Entries(100000);
    const CopyPreview preview = BuildCopyPreview(CopyFormat::List, entries, CopyOptions(), {},
                                                 PreviewArea{QSize(465, 241), 17});
    QVERIFY(preview.image.isNull());
    QCOMPARE(preview.error,
             QStringLiteral("A picture of 125 x 3500000 pixels is too large (at most 1024 MB)."));
    QCOMPARE(BuildCopyPayload(CopyFormat::List, entries, CopyOptions()).error, preview.error);
}

void CopyPicturesTest::fastPngReadsBackAsThePicture_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("swatches: repeated rows, outlines, space")
        << BuildSwatchesBitmap(Entries(40), SwatchOptions{15, 7, 4, true}).image;
    QTest::newRow("white: every row after the first repeats")
        << BuildSwatchesBitmap({}, SwatchOptions{}).image;
    QTest::newRow("one pixel") << BuildMainColourBitmap(Rgb{6, 167, 255}).copy(0, 0, 1, 1);
    QImage gradient(33, 17, QImage::Format_RGB888);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 7, y * 13, (x * y) % 256));
    QTest::newRow("every row different, another format") << gradient;
    QImage translucent(5, 3, QImage::Format_ARGB32);
    translucent.fill(qRgba(10, 20, 30, 128));
    QTest::newRow("translucent") << translucent;
}

void CopyPicturesTest::fastPngReadsBackAsThePicture()
{
    QFETCH(QImage, picture);
    const QImage read = QImage::fromData(EncodeFastPng(picture), "PNG");
    const QImage::Format format =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    QCOMPARE(read.convertToFormat(format), picture.convertToFormat(format));
}

QTEST_MAIN(CopyPicturesTest)
#include "tst_copypictures.moc"
