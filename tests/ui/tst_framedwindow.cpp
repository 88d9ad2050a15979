#include "ui/Fonts.h"
#include "ui/widgets/FramedWindow.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/PinPicture.h"
#include "ui/widgets/SectionHeading.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

class FramedWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void geometry_data();
    void geometry();
    void edgeLinesAreSilverAndTheRestWhite();
    void closeBoxClosesOnLeftClickOnly();
    void boxClicksOnlyWhenReleasedInside();
    void doubleClickSuperMinimizesAndRestores();
    void doubleClickWithoutHeightOnlySignals();
    void toggleWithoutHeightUsesTheClientHeight();
    void stripDragMovesTheWindowWithoutWindowManager();
    void panelButtonLowersWhilePressed_data();
    void panelButtonLowersWhilePressed();
    void pinPictureFromProgramDirectoryElseDefault();
    void tipsShowWhileAnotherWindowIsActive();
    void headingCaptionsAreNeverCut();

private:
    static void SendMouse(QWidget* target, QEvent::Type type, QPoint global,
                          Qt::MouseButtons buttons, Qt::MouseButton button = Qt::LeftButton);
};

void FramedWindowTest::SendMouse(QWidget* target, QEvent::Type type, QPoint global,
                                 Qt::MouseButtons buttons, Qt::MouseButton button)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void FramedWindowTest::geometry_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("closeLeft");
    QTest::newRow("main window") << QSize(504, 457) << 486;
    QTest::newRow("variations") << QSize(300, 282) << 282;
}

void FramedWindowTest::geometry()
{
    QFETCH(QSize, client);
    QFETCH(int, closeLeft);
    FramedWindow window(QStringLiteral("Caption"), client);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), client);
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.titleStrip()->geometry(), QRect(0, 0, client.width(), 16));
    QCOMPARE(window.titleStrip()->caption(), QStringLiteral("Caption"));
    QCOMPARE(window.closeBox()->geometry(), QRect(closeLeft, 0, 15, 15));
    QCOMPARE(window.closeBox()->cursor().shape(), Qt::PointingHandCursor);
}

void FramedWindowTest::edgeLinesAreSilverAndTheRestWhite()
{
    FramedWindow window(QStringLiteral("Caption"), QSize(120, 80));
    const QImage picture = window.grab().toImage();
    const QColor silver(192, 192, 192);
    for (int y = 16; y < 80; ++y) {
        QCOMPARE(picture.pixelColor(0, y), silver);
        QCOMPARE(picture.pixelColor(119, y), silver);
    }
    for (int x = 0; x < 120; ++x)
        QCOMPARE(picture.pixelColor(x, 79), silver);
    QCOMPARE(picture.pixelColor(1, 17), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(60, 40), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(118, 78), QColor(Qt::white));
    QCOMPARE(picture.pixelColor(60, 15), silver); // the strip, under the caption's baseline
}

void FramedWindowTest::closeBoxClosesOnLeftClickOnly()
{
    FramedWindow window(QStringLiteral("Caption"), QSize(200, 100));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.closeBox(), Qt::RightButton);
    QVERIFY(window.isVisible());
    QTest::mouseClick(window.closeBox(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void FramedWindowTest::boxClicksOnlyWhenReleasedInside()
{
    FramedWindow window(QStringLiteral("Caption"), QSize(200, 100));
    ClickableBox* box = window.titleStrip()->AddBox(QStringLiteral("?"), 150);
    QCOMPARE(box->geometry(), QRect(150, 0, 15, 15));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(box, &ClickableBox::clicked);
    QSignalSpy moves(window.titleStrip(), &TitleStrip::moveFinished);

    QTest::mouseClick(box, Qt::RightButton);
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(40, 7));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    // Pressing a box never starts moving the window.
    QCOMPARE(moves.size(), 0);
}

void FramedWindowTest::doubleClickSuperMinimizesAndRestores()
{
    FramedWindow window(QStringLiteral("Variations"), QSize(300, 282));
    window.SetSuperMinimizeHeight(282);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy toggles(&window, &FramedWindow::superMinimizeToggled);
    const QPoint place = window.pos();

    for (int round = 0; round < 2; ++round) {
        QTest::mouseDClick(window.titleStrip(), Qt::LeftButton, {}, QPoint(50, 8));
        QCOMPARE(window.height(), 16);
        QVERIFY(window.IsSuperMinimized());
        QCOMPARE(window.width(), 300);
        QTest::mouseDClick(window.titleStrip(), Qt::LeftButton, {}, QPoint(50, 8));
        QCOMPARE(window.height(), 282);
        QVERIFY(!window.IsSuperMinimized());
    }
    QCOMPARE(toggles.size(), 4);
    QCOMPARE(toggles[0][0].toBool(), true);
    QCOMPARE(toggles[3][0].toBool(), false);
    QCOMPARE(window.pos(), place); // the presses of the double-clicks dragged nothing
}

void FramedWindowTest::doubleClickWithoutHeightOnlySignals()
{
    FramedWindow window(QStringLiteral("Reopen"), QSize(200, 457));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy doubleClicks(window.titleStrip(), &TitleStrip::doubleClicked);
    QTest::mouseDClick(window.titleStrip(), Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(doubleClicks.size(), 1);
    QCOMPARE(window.height(), 457);
    QVERIFY(!window.IsSuperMinimized());
}

void FramedWindowTest::toggleWithoutHeightUsesTheClientHeight()
{
    FramedWindow window(QStringLiteral("History"), QSize(200, 457));
    window.ToggleSuperMinimize();
    QCOMPARE(window.height(), 16);
    window.ToggleSuperMinimize();
    QCOMPARE(window.height(), 457);
}

void FramedWindowTest::stripDragMovesTheWindowWithoutWindowManager()
{
    FramedWindow window(QStringLiteral("Caption"), QSize(200, 100));
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moved(&window, &FramedWindow::moved);
    QSignalSpy finished(&window, &FramedWindow::moveFinished);
    TitleStrip* strip = window.titleStrip();
    const QPoint start = window.pos();
    const QPoint press = strip->mapToGlobal(QPoint(40, 8));

    SendMouse(strip, QEvent::MouseButtonPress, press, Qt::LeftButton);
    QVERIFY(strip->IsMoving());
    SendMouse(strip, QEvent::MouseMove, press + QPoint(10, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window.pos(), start + QPoint(10, 5));
    SendMouse(strip, QEvent::MouseMove, press + QPoint(60, -30), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(finished.size(), 0);
    SendMouse(strip, QEvent::MouseButtonRelease, press + QPoint(60, -30), Qt::NoButton);

    QCOMPARE(window.pos(), start + QPoint(60, -30));
    QVERIFY(!strip->IsMoving());
    QCOMPARE(finished.size(), 1);
    QVERIFY(moved.size() >= 2);
}

void FramedWindowTest::panelButtonLowersWhilePressed_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("lowered");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left, released inside") << Qt::LeftButton << QPoint(30, 8) << true << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(200, 8) << true << 0;
    QTest::newRow("right") << Qt::RightButton << QPoint(30, 8) << false << 0;
}

void FramedWindowTest::panelButtonLowersWhilePressed()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, lowered);
    QFETCH(int, clicks);
    QWidget parent;
    PanelButton save(QStringLiteral("Save As"), &parent);
    save.setGeometry(10, 10, 65, 17);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicked(&save, &PanelButton::clicked);

    QVERIFY(!save.IsLowered());
    QTest::mousePress(&save, button, {}, QPoint(30, 8));
    QCOMPARE(save.IsLowered(), lowered);
    QTest::mouseRelease(&save, button, {}, releaseAt);
    QVERIFY(!save.IsLowered());
    QCOMPARE(clicked.size(), clicks);

    save.setText(QStringLiteral("Load"));
    QCOMPARE(save.text(), QStringLiteral("Load"));
}

void FramedWindowTest::pinPictureFromProgramDirectoryElseDefault()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto rgb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32);
    };
    const QImage defaultOn = rgb(QImage(QStringLiteral(":/pin/pin_on.png")));
    const QImage defaultOff = rgb(QImage(QStringLiteral(":/pin/pin_off.png")));
    QCOMPARE(defaultOn.size(), QSize(15, 15));
    QCOMPARE(defaultOff.size(), QSize(15, 15));
    QVERIFY(defaultOn != defaultOff);
    QCOMPARE(rgb(LoadPinPicture(folder.path(), true).toImage()), defaultOn);

    QImage own(15, 15, QImage::Format_RGB32);
    own.fill(QColor(0, 128, 0));
    QVERIFY(own.save(folder.filePath(QStringLiteral("top2.bmp")), "BMP"));
    QCOMPARE(LoadPinPicture(folder.path() + QLatin1Char('/'), true).toImage().pixelColor(7, 7),
             QColor(0, 128, 0));
    QCOMPARE(rgb(LoadPinPicture(folder.path(), false).toImage()), defaultOff);
}

void FramedWindowTest::tipsShowWhileAnotherWindowIsActive()
{
    FramedWindow target(QStringLiteral("Target"), QSize(200, 100));
    auto* text = new QLabel(QStringLiteral("Text"), &target);
    text->setGeometry(20, 40, 100, 20);
    text->setToolTip(QStringLiteral("Contrast"));
    target.move(0, 0);
    target.show();
    FramedWindow active(QStringLiteral("Active"), QSize(200, 100));
    active.move(300, 0);
    active.show();
    QApplication::setActiveWindow(&active);
    QVERIFY(QTest::qWaitForWindowActive(&active));
    QVERIFY(!target.isActiveWindow());

    QTest::mouseMove(text, QPoint(10, 10));
    QTest::mouseMove(text, QPoint(12, 10));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Contrast"));
}

void FramedWindowTest::headingCaptionsAreNeverCut()
{
    QWidget window;
    const QString caption = QStringLiteral(" Saved Schemes");
    QLabel* narrow = MakeSectionHeading(&window, caption, QRect(94, 90, 73, 14));
    QVERIFY(QFontMetrics(narrow->font()).horizontalAdvance(caption) <= 73);
    QLabel* wide = MakeSectionHeading(&window, caption, QRect(0, 0, 300, 14));
    QCOMPARE(wide->font(), VerdanaPixels(11));
}

QTEST_MAIN(FramedWindowTest)
#include "tst_framedwindow.moc"
