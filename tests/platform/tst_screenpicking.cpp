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
    void pixelUnderAGlobalPosition_data();
    void pixelUnderAGlobalPosition();
    void everyPixelOfAScaledScreenCanBeReached_data();
    void everyPixelOfAScaledScreenCanBeReached();
    void portalColourToBytes_data();
    void portalColourToBytes();
    void xWaylandIsPreferredUnlessAPlatformWasChosen_data();
    void xWaylandIsPreferredUnlessAPlatformWasChosen();
};

void ScreenPickingTest::pixelUnderAGlobalPosition_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QPointF>("global");
    QTest::addColumn<std::optional<QPoint>>("pixel");
    const QRect plain(0, 0, 100, 80);
    const QRect right(1280, 0, 100, 80); // a second screen to the right
    QTest::newRow("plain") << plain << QSize(100, 80) << QPointF(37, 5)
                           << std::optional<QPoint>(QPoint(37, 5));
    QTest::newRow("plain, last pixel")
        << plain << QSize(100, 80) << QPointF(99.9, 79.9) << std::optional<QPoint>(QPoint(99, 79));
    QTest::newRow("plain, just outside")
        << plain << QSize(100, 80) << QPointF(100, 10) << std::optional<QPoint>();
    QTest::newRow("plain, left of it")
        << plain << QSize(100, 80) << QPointF(-0.5, 10) << std::optional<QPoint>();
    QTest::newRow("scaled 2, whole")
        << plain << QSize(200, 160) << QPointF(37, 5) << std::optional<QPoint>(QPoint(74, 10));
    QTest::newRow("scaled 2, half")
        << plain << QSize(200, 160) << QPointF(37.5, 5.5) << std::optional<QPoint>(QPoint(75, 11));
    QTest::newRow("scaled 1.5") << plain << QSize(150, 120) << QPointF(3, 3)
                                << std::optional<QPoint>(QPoint(4, 4));
    QTest::newRow("moved origin") << right << QSize(200, 160) << QPointF(1290.5, 1)
                                  << std::optional<QPoint>(QPoint(21, 2));
    QTest::newRow("moved origin, left of it")
        << right << QSize(200, 160) << QPointF(1279, 1) << std::optional<QPoint>();
}

void ScreenPickingTest::pixelUnderAGlobalPosition()
{
    QFETCH(QRect, geometry);
    QFETCH(QSize, pixels);
    QFETCH(QPointF, global);
    QFETCH(std::optional<QPoint>, pixel);
    QCOMPARE(Picture(geometry, pixels).PixelAt(global), pixel);
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
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint pixel(x, y);
            const QPointF global = picture.GlobalPositionOf(pixel);
            QVERIFY(global.x() > geometry.left() &&
                    global.x() < geometry.left() + geometry.width());
            QVERIFY(global.y() > geometry.top() && global.y() < geometry.top() + geometry.height());
            QCOMPARE(picture.PixelAt(global), std::optional<QPoint>(pixel));
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
