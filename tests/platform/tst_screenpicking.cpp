#include "platform/PortalColourPicker.h"
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
    void portalColourToBytes_data();
    void portalColourToBytes();
    void xWaylandIsPreferredUnlessAPlatformWasChosen_data();
    void xWaylandIsPreferredUnlessAPlatformWasChosen();
};

void ScreenPickingTest::pixelUnderTheCursor_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<std::optional<QPoint>>("pixel");
    const QRect plain(0, 0, 100, 80);
    const QRect right(1280, 0, 100, 80); // a second screen to the right
    const auto at = [](int x, int y) { return std::optional<QPoint>(QPoint(x, y)); };
    QTest::newRow("plain") << plain << QSize(100, 80) << QPoint(37, 5) << at(37, 5);
    QTest::newRow("plain, last pixel") << plain << QSize(100, 80) << QPoint(99, 79) << at(99, 79);
    QTest::newRow("plain, just beyond")
        << plain << QSize(100, 80) << QPoint(100, 10) << std::optional<QPoint>();
    QTest::newRow("plain, left of it")
        << plain << QSize(100, 80) << QPoint(-1, 10) << std::optional<QPoint>();
    QTest::newRow("scaled 2") << plain << QSize(200, 160) << QPoint(37, 5) << at(74, 10);
    // The last device pixel's position, 99.5, rounds to 100.
    QTest::newRow("scaled 2, one beyond: last pixel")
        << plain << QSize(200, 160) << QPoint(100, 80) << at(199, 159);
    QTest::newRow("scaled 2, two beyond")
        << plain << QSize(200, 160) << QPoint(101, 10) << std::optional<QPoint>();
    QTest::newRow("scaled 1.5") << plain << QSize(150, 120) << QPoint(3, 3) << at(4, 4);
    QTest::newRow("moved origin") << right << QSize(200, 160) << QPoint(1290, 1) << at(20, 2);
    QTest::newRow("moved origin, left of it")
        << right << QSize(200, 160) << QPoint(1279, 1) << std::optional<QPoint>();
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
    QTest::newRow("1.25") << QRect(0, 0, 64, 48) << QSize(80, 60);
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
    // screen (or, scaled, one beyond its far edges), on the pixel or its neighbour.
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint pixel(x, y);
            const QPoint cursor = picture.CursorPositionOf(pixel);
            QVERIFY(geometry.adjusted(0, 0, plain ? 0 : 1, plain ? 0 : 1).contains(cursor));
            const std::optional<QPoint> under = picture.PixelAtCursor(cursor);
            QVERIFY(under);
            QVERIFY2(qAbs(under->x() - x) <= 1 && qAbs(under->y() - y) <= 1,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            if (plain)
                QCOMPARE(*under, pixel);
        }
    // A global rectangle covers exactly its pixels.
    QCOMPARE(picture.PixelRect(geometry), QRect(QPoint(0, 0), pixels));
}

void ScreenPickingTest::portalColourToBytes_data()
{
    QTest::addColumn<double>("red");
    QTest::addColumn<double>("green");
    QTest::addColumn<double>("blue");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("web colour") << 0.2 << 0.4 << 0.6 << QColor(51, 102, 153);
    QTest::newRow("extremes") << 0.0 << 1.0 << 0.0 << QColor(0, 255, 0);
    QTest::newRow("from bytes") << 6 / 255.0 << 167 / 255.0 << 1.0 << QColor(6, 167, 255);
    QTest::newRow("just under a half step")
        << 0.5 / 255 - 1e-9 << 0.5 << 0.999 << QColor(0, 128, 255);
    QTest::newRow("outside 0..1") << -0.3 << 1.7 << qQNaN() << QColor(0, 255, 0);
}

void ScreenPickingTest::portalColourToBytes()
{
    QFETCH(double, red);
    QFETCH(double, green);
    QFETCH(double, blue);
    QFETCH(QColor, colour);
    QCOMPARE(PortalColourToColour(red, green, blue), colour);
}

void ScreenPickingTest::xWaylandIsPreferredUnlessAPlatformWasChosen_data()
{
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("xwayland");
    const QList<QByteArray> plain{"qbkromi"};
    QTest::newRow("Wayland with XWayland")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray() << plain << true;
    QTest::newRow("with a list argument")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
        << QList<QByteArray>{"qbkromi", "/home/a/x.cll"} << true;
    QTest::newRow("X11 session") << QByteArray() << QByteArray(":0") << QByteArray() << plain
                                 << false;
    QTest::newRow("Wayland without an X server")
        << QByteArray("wayland-0") << QByteArray() << QByteArray() << plain << false;
    QTest::newRow("QT_QPA_PLATFORM chosen")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("wayland") << plain << false;
    QTest::newRow("-platform chosen")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
        << QList<QByteArray>{"qbkromi", "-platform", "wayland"} << false;
    QTest::newRow("--platform chosen")
        << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
        << QList<QByteArray>{"qbkromi", "--platform", "wayland"} << false;
}

void ScreenPickingTest::xWaylandIsPreferredUnlessAPlatformWasChosen()
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
