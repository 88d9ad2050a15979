#include "platform/ScreenPicture.h"
#include "platform/SessionPlatform.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

ScreenPicture Picture(const QRect& geometry, const QSize& pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::black);
    return ScreenPicture{image, geometry};
}

} // namespace

class ScreenPickingTest : public QObject
{
    Q_OBJECT
private slots:
    void pixelUnderTheCursor_data();
    void pixelUnderTheCursor();
    void everyPixelOfAScaledScreenCanBeReached_data();
    void everyPixelOfAScaledScreenCanBeReached();
    void xWaylandUnlessAPlatformWasChosen_data();
    void xWaylandUnlessAPlatformWasChosen();
};

void ScreenPickingTest::pixelUnderTheCursor_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<std::optional<QPoint>>("pixel");
    const QRect plain(0, 0, 100, 80);
    const auto at = [](int x, int y) { return std::optional<QPoint>(QPoint(x, y)); };
    const std::optional<QPoint> none;
    QTest::newRow("plain") << plain << QSize(100, 80) << QPoint(99, 79) << at(99, 79);
    QTest::newRow("plain, one beyond") << plain << QSize(100, 80) << QPoint(100, 10) << none;
    QTest::newRow("scaled 2") << plain << QSize(200, 160) << QPoint(37, 5) << at(74, 10);
    // The last device pixel's position, 99.5, rounds to 100.
    QTest::newRow("scaled 2, one beyond: the last pixel")
        << plain << QSize(200, 160) << QPoint(100, 80) << at(199, 159);
    QTest::newRow("scaled 2, two beyond") << plain << QSize(200, 160) << QPoint(101, 10) << none;
    QTest::newRow("scaled 1.5") << plain << QSize(150, 120) << QPoint(3, 3) << at(4, 4);
    QTest::newRow("second screen")
        << QRect(1280, 0, 100, 80) << QSize(200, 160) << QPoint(1290, 1) << at(20, 2);
}

void ScreenPickingTest::pixelUnderTheCursor()
{
    QFETCH(QRect, geometry);
    QFETCH(QSize, pixels);
    QFETCH(QPoint, cursor);
    QFETCH(std::optional<QPoint>, pixel);
    QCOMPARE(Picture(geometry, pixels).PixelAtCursor(cursor), pixel);
}

void ScreenPickingTest::everyPixelOfAScaledScreenCanBeReached_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("1") << QRect(0, 0, 64, 48) << QSize(64, 48);
    QTest::newRow("1.5") << QRect(10, 20, 64, 48) << QSize(96, 72);
    QTest::newRow("2") << QRect(-64, 0, 64, 48) << QSize(128, 96);
    QTest::newRow("3") << QRect(0, 0, 64, 48) << QSize(192, 144);
}

void ScreenPickingTest::everyPixelOfAScaledScreenCanBeReached()
{
    QFETCH(QRect, geometry);
    QFETCH(QSize, pixels);
    const ScreenPicture picture = Picture(geometry, pixels);
    const bool plain = pixels == geometry.size();
    // An arrow key puts the cursor on the position standing for the pixel: on the
    // screen (scaled, perhaps one beyond its far edges), on the pixel or next to it.
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint cursor = picture.CursorPositionOf(QPoint(x, y));
            QVERIFY(geometry.adjusted(0, 0, plain ? 0 : 1, plain ? 0 : 1).contains(cursor));
            const std::optional<QPoint> under = picture.PixelAtCursor(cursor);
            QVERIFY(under);
            QVERIFY(qAbs(under->x() - x) <= (plain ? 0 : 1));
            QVERIFY(qAbs(under->y() - y) <= (plain ? 0 : 1));
        }
    QCOMPARE(picture.PixelRect(geometry), QRect(QPoint(0, 0), pixels));
}

void ScreenPickingTest::xWaylandUnlessAPlatformWasChosen_data()
{
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("xwayland");
    const QByteArray w("wayland-0");
    const QByteArray x(":0");
    const QList<QByteArray> plain{"qbkromi", "/home/a/x.cll"};
    QTest::newRow("Wayland and XWayland") << w << x << QByteArray() << plain << true;
    QTest::newRow("X11 session") << QByteArray() << x << QByteArray() << plain << false;
    QTest::newRow("no X server") << w << QByteArray() << QByteArray() << plain << false;
    QTest::newRow("QT_QPA_PLATFORM") << w << x << QByteArray("wayland") << plain << false;
    QTest::newRow("-platform") << w << x << QByteArray()
                               << QList<QByteArray>{"qbkromi", "-platform", "wayland"} << false;
}

void ScreenPickingTest::xWaylandUnlessAPlatformWasChosen()
{
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, platform);
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(bool, xwayland);
    QCOMPARE(PreferXWayland(wayland, display, platform, arguments), xwayland);
}

QTEST_MAIN(ScreenPickingTest)
#include "tst_screenpicking.moc"
