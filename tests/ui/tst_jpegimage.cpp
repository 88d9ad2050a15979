#include "ui/JpegImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QtTest>

namespace {

const QColor kQuadrants[4] = {QColor(6, 167, 255), QColor(255, 0, 0), QColor(0, 160, 0),
                              QColor(250, 240, 20)};

// Four solid 32 x 24 blocks, so block centres survive JPEG's lossy coding.
QImage TestPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < 4; ++i)
        painter.fillRect((i % 2) * 32, (i / 2) * 24, 32, 24, kQuadrants[i]);
    return image;
}

// Test input only: written with Qt's own JPEG writer.
QByteArray Encode(const QImage& image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

bool Near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 &&
           qAbs(a.blue() - b.blue()) <= 8;
}

} // namespace

class JpegImageTest : public QObject
{
    Q_OBJECT
private slots:
    void decodesWhatWasWritten_data();
    void decodesWhatWasWritten();
    void damagedDataGivesNullImage_data();
    void damagedDataGivesNullImage();
    void productPictureIsInTheResources();
    void missingFileGivesNullImage();
    void reducedWhileDecoded_data();
    void reducedWhileDecoded();
};

void JpegImageTest::decodesWhatWasWritten_data()
{
    QTest::addColumn<bool>("grey");
    QTest::addColumn<bool>("progressive");
    QTest::newRow("colour") << false << false;
    QTest::newRow("colour progressive") << false << true;
    QTest::newRow("greyscale") << true << false;
}

void JpegImageTest::decodesWhatWasWritten()
{
    QFETCH(bool, grey);
    QFETCH(bool, progressive);
    QImage source = TestPicture();
    if (grey)
        source = source.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray bytes = Encode(source, progressive);
    QVERIFY(!bytes.isEmpty());

    const QImage decoded = DecodeJpeg(bytes);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.size(), QSize(64, 48));
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) {
        const QPoint centre((i % 2) * 32 + 16, (i / 2) * 24 + 12);
        const QColor expected = source.pixelColor(centre);
        QVERIFY2(Near(decoded.pixelColor(centre), expected), qPrintable(QString::number(i)));
    }
}

void JpegImageTest::damagedDataGivesNullImage_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = Encode(TestPicture(), false);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a jpeg") << QByteArray("\x89PNG\r\n\x1a\n0000000000000000", 24);
    QTest::newRow("start marker only") << good.left(2);
    QTest::newRow("headers only") << good.left(good.indexOf("\xff\xda"));
    QTest::newRow("cut in half") << good.left(good.size() / 2);
    QTest::newRow("end marker missing") << good.left(good.size() - 2);

    // A frame of width zero is refused by libjpeg.
    QByteArray zeroWidth = good;
    const int frame = zeroWidth.indexOf("\xff\xc0");
    QVERIFY(frame > 0);
    zeroWidth[frame + 7] = 0;
    zeroWidth[frame + 8] = 0;
    QTest::newRow("zero width") << zeroWidth;
}

void JpegImageTest::damagedDataGivesNullImage()
{
    QFETCH(QByteArray, data);
    QVERIFY(DecodeJpeg(data).isNull());
}

void JpegImageTest::productPictureIsInTheResources()
{
    const QImage picture = LoadJpeg(QStringLiteral(":/pictures/product.jpg"));
    QCOMPARE(picture.size(), QSize(589, 500));
}

void JpegImageTest::missingFileGivesNullImage()
{
    QVERIFY(LoadJpeg(QStringLiteral(":/pictures/no-such-picture.jpg")).isNull());
}

void JpegImageTest::reducedWhileDecoded_data()
{
    QTest::addColumn<qint64>("minPixels");
    QTest::addColumn<QSize>("size");
    QTest::addRow("whole") << qint64(0) << QSize(64, 48);
    QTest::addRow("no smaller than asked") << qint64(64 * 48 / 4 + 1) << QSize(64, 48);
    QTest::addRow("half") << qint64(64 * 48 / 4) << QSize(32, 24);
    QTest::addRow("an eighth at most") << qint64(1) << QSize(8, 6);
}

void JpegImageTest::reducedWhileDecoded()
{
    QFETCH(qint64, minPixels);
    const QImage image = DecodeJpeg(Encode(TestPicture(), false), minPixels);
    QTEST(image.size(), "size");
    for (int i = 0; i < 4; ++i) {
        const QPoint centre((i % 2) * image.width() / 2 + image.width() / 4,
                            (i / 2) * image.height() / 2 + image.height() / 4);
        QVERIFY(Near(image.pixelColor(centre), kQuadrants[i]));
    }
}

QTEST_GUILESS_MAIN(JpegImageTest)
#include "tst_jpegimage.moc"
