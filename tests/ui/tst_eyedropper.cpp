#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "support/MainWindowKit.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/widgets/MagnifierView.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/TitleStrip.h"
#include "ui/windows/EyeDropperPanel.h"
#include "ui/windows/EyeDropperWindow.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kNeverMs = 3600 * 1000;

// Every pixel a colour of its own: red = x, green = y (low bytes), blue = 7.
QImage GradientPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, 7));
    return image;
}

ColorRef PixelColour(int x, int y)
{
    return PackColour(std::uint8_t(x & 0xff), std::uint8_t(y & 0xff), 7);
}

// Records the order in which watched widgets are shown.
class ShowRecorder : public QObject
{
public:
    QList<QObject*> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            shown << watched;
        return false;
    }
};

} // namespace

class EyeDropperTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void panelLayout();
    void twoCapturesInOneOpening_data();
    void twoCapturesInOneOpening();
    void nothingChangesBeforeTheFirstSample_data();
    void nothingChangesBeforeTheFirstSample();
    void toolWindowsComeBackAsTheyWere();
    void arrowKeysMoveTheSampledPixel_data();
    void arrowKeysMoveTheSampledPixel();
    void overThePanelItsOwnPixelsAreSampled();
    void readoutFollowsEveryCursorMove();
    void desktopPickerWhereTheScreenCannotBeRead();

private:
    void OpenEyeDropper();
    // A key, or a click on the picture with Qt::Key_1 (left) or Qt::Key_2 (right),
    // on the "X" box with Qt::Key_X, on "Quit" with Qt::Key_Q.
    void Do(int action);
    EyeDropperWindow* Window() const { return m_feature->window(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowKit> m_kit;
    std::unique_ptr<EyeDropperFeature> m_feature;
    std::array<std::unique_ptr<QWidget>, 6> m_tools;
};

void EyeDropperTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_kit = std::make_unique<MainWindowKit>(m_dir->path() + QLatin1Char('/'));
    m_kit->fake.screen.screenSize = QSize(640, 480);
    m_kit->fake.screen.image = GradientPicture(QSize(640, 480));
    m_feature = std::make_unique<EyeDropperFeature>(m_kit->context);
    // Samples come from the test only.
    Window()->samplingTimer().setInterval(kNeverMs);
    for (auto& tool : m_tools)
        tool = std::make_unique<QWidget>();
    QList<QWidget*> tools;
    for (auto& tool : m_tools)
        tools << tool.get();
    m_feature->SetToolWindows(tools);
    m_kit->window.show();
}

void EyeDropperTest::cleanup()
{
    m_feature.reset();
    for (auto& tool : m_tools)
        tool.reset();
    m_kit.reset();
    m_dir.reset();
}

void EyeDropperTest::OpenEyeDropper()
{
    m_kit->commands.Run(Command::EyeDropper);
    QVERIFY(m_feature->IsOpening());
    QVERIFY(!m_kit->window.isVisible());
    QTRY_VERIFY(Window()->IsOpen());
}

void EyeDropperTest::Do(int action)
{
    // Away from the panel: where a click lands does not matter, the sample does.
    const QPoint onPicture(500, 400);
    if (action == Qt::Key_1 || action == Qt::Key_2)
        QTest::mouseClick(Window(), action == Qt::Key_1 ? Qt::LeftButton : Qt::RightButton, {},
                          onPicture);
    else if (action == Qt::Key_X)
        QTest::mouseClick(Window()->panel()->closeBox(), Qt::LeftButton);
    else if (action == Qt::Key_Q)
        QTest::mouseClick(Window()->panel()->quitButton(), Qt::LeftButton);
    else
        QTest::keyClick(Window(), Qt::Key(action));
}

void EyeDropperTest::panelLayout()
{
    EyeDropperPanel* panel = Window()->panel();
    QCOMPARE(panel->geometry(), QRect(16, 16, 206, 257));
    QCOMPARE(panel->titleStrip()->caption(), QStringLiteral("Eye Dropper"));
    QCOMPARE(panel->valueReadout()->text(), QStringLiteral("255"));
    QCOMPARE(panel->hexReadout()->text(), QStringLiteral("HEX (HTML)"));
    QCOMPARE(panel->keyHelp()->text(),
             QStringLiteral("F2 / Click - Capture only one color\nF3 / Right Click - Capture "
                            "continuously. \nF4 - Quit capture mode."));
    QCOMPARE(panel->quitButton()->geometry(), QRect(6, 235, 192, 17));
    QVERIFY(panel->rect().contains(panel->magnifier()->geometry()));
}

void EyeDropperTest::twoCapturesInOneOpening_data()
{
    QTest::addColumn<int>("stay");
    QTest::addColumn<int>("close");
    QTest::newRow("right click, left click") << int(Qt::Key_2) << int(Qt::Key_1);
    QTest::newRow("F3, F2") << int(Qt::Key_F3) << int(Qt::Key_F2);
}

void EyeDropperTest::twoCapturesInOneOpening()
{
    QFETCH(int, stay);
    QFETCH(int, close);
    // The first colour is listed already: it still becomes the main colour and
    // enters the history, and the list keeps one item of it.
    m_kit->list.AddMainColourToList(PixelColour(440, 300));
    OpenEyeDropper();
    FakeScreen& screen = m_kit->fake.screen;
    screen.cursorPosition = QPoint(440, 300);
    Window()->Sample();
    screen.cursorPosition = QPoint(441, 300); // a capture takes the sample, not a fresh read
    Do(stay);
    QCOMPARE(m_kit->colour.colour(), PixelColour(440, 300));
    QVERIFY(Window()->IsOpen());

    screen.cursorPosition = QPoint(600, 400);
    Window()->Sample();
    QCOMPARE(Window()->panel()->valueReadout()->text(), QStringLiteral("R: 88 G: 144 B: 7"));
    QCOMPARE(Window()->panel()->hexReadout()->text(), QStringLiteral("#589007"));
    Do(close);
    QCOMPARE(m_kit->colour.colour(), PixelColour(600, 400));
    QVERIFY(!Window()->isVisible());
    QVERIFY(m_kit->window.isVisible());
    QCOMPARE(m_kit->list.count(), 2);
    QCOMPARE(m_kit->list.item(1).colour, PixelColour(600, 400));
    QCOMPARE(m_kit->history.count(), 2);
    QCOMPARE(m_kit->history.colourAt(0), PixelColour(440, 300));
    QCOMPARE(m_kit->history.colourAt(1), PixelColour(600, 400));
}

void EyeDropperTest::nothingChangesBeforeTheFirstSample_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("closes");
    QTest::newRow("F4") << int(Qt::Key_F4) << true;
    QTest::newRow("X box") << int(Qt::Key_X) << true;
    QTest::newRow("Quit") << int(Qt::Key_Q) << true;
    QTest::newRow("F2 takes nothing") << int(Qt::Key_F2) << false;
    QTest::newRow("left click takes nothing") << int(Qt::Key_1) << false;
}

void EyeDropperTest::nothingChangesBeforeTheFirstSample()
{
    QFETCH(int, action);
    QFETCH(bool, closes);
    // A sample of an earlier opening is not taken in this one.
    OpenEyeDropper();
    Window()->Sample();
    Do(Qt::Key_F4);
    const ColorRef before = m_kit->colour.colour();

    OpenEyeDropper();
    Do(action);
    QCOMPARE(m_kit->colour.colour(), before);
    QCOMPARE(m_kit->list.count(), 0);
    QCOMPARE(m_kit->history.count(), 0);
    QCOMPARE(Window()->IsOpen(), !closes);
    QCOMPARE(m_kit->window.isVisible(), closes);
}

void EyeDropperTest::toolWindowsComeBackAsTheyWere()
{
    FakeWindowControl& control = m_kit->fake.windowControl;
    m_kit->window.SetStayOnTop(true);
    ShowRecorder recorder;
    for (const auto& tool : m_tools)
        tool->installEventFilter(&recorder);
    // All six showing, then two, then none: one showing at an earlier opening
    // stays closed.
    for (const QList<int>& showing :
         {QList<int>{0, 1, 2, 3, 4, 5}, QList<int>{2, 5}, QList<int>{}}) {
        QList<QObject*> expected;
        for (int i = 0; i < 6; ++i) {
            m_tools[i]->setVisible(showing.contains(i));
            if (showing.contains(i))
                expected << m_tools[i].get();
        }
        OpenEyeDropper();
        QCOMPARE(control.topmost.value(&m_kit->window), false);
        for (const auto& tool : m_tools)
            QVERIFY(!tool->isVisible());
        recorder.shown.clear();
        Do(Qt::Key_F4);
        QVERIFY(m_kit->window.isVisible());
        // Variations first, History last.
        QCOMPARE(recorder.shown, expected);
        QCOMPARE(control.topmost.value(&m_kit->window), true);
    }
}

void EyeDropperTest::arrowKeysMoveTheSampledPixel_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cursor");
    // From the cursor at (400, 300): pixel (400, 300), or (800, 600) scaled by 2.
    QTest::newRow("right") << 1.0 << int(Qt::Key_Right) << false << QPoint(401, 300)
                           << QPoint(401, 300);
    QTest::newRow("shift+up") << 1.0 << int(Qt::Key_Up) << true << QPoint(400, 290)
                              << QPoint(400, 290);
    QTest::newRow("scaled, left: an odd pixel")
        << 2.0 << int(Qt::Key_Left) << false << QPoint(799, 600) << QPoint(400, 300);
    QTest::newRow("scaled, right")
        << 2.0 << int(Qt::Key_Right) << false << QPoint(801, 600) << QPoint(401, 300);
    // Fractional scales: (400, 300) is device pixel (500, 375) at 1.25, (600, 450) at 1.5.
    QTest::newRow("1.25, right") << 1.25 << int(Qt::Key_Right) << false << QPoint(501, 375)
                                 << QPoint(401, 300);
    QTest::newRow("1.25, shift+down")
        << 1.25 << int(Qt::Key_Down) << true << QPoint(500, 385) << QPoint(400, 308);
    QTest::newRow("1.5, left") << 1.5 << int(Qt::Key_Left) << false << QPoint(599, 450)
                               << QPoint(399, 300);
    QTest::newRow("1.5, up") << 1.5 << int(Qt::Key_Up) << false << QPoint(600, 449)
                             << QPoint(400, 299);
}

void EyeDropperTest::arrowKeysMoveTheSampledPixel()
{
    QFETCH(qreal, scale);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cursor);
    FakeScreen& screen = m_kit->fake.screen;
    screen.geometry = QRect(0, 0, 640, 480);
    screen.image = GradientPicture(QSize(640, 480) * scale);
    OpenEyeDropper();
    screen.cursorPosition = QPoint(400, 300);
    Window()->Sample();
    QCOMPARE(*Window()->samplePixel(), (QPointF(400, 300) * scale).toPoint());

    QTest::keyClick(Window(), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(screen.cursorPosition, cursor);
    // The next tick keeps the finer place while the cursor stays there.
    Window()->Sample();
    QCOMPARE(*Window()->samplePixel(), pixel);
    QCOMPARE(*Window()->sampledColour(), PixelColour(pixel.x(), pixel.y()));
    const QRgb left = Window()->panel()->magnifier()->PixelShown(-4, 0);
    QCOMPARE(left, qRgb((pixel.x() - 4) & 0xff, pixel.y() & 0xff, 7));
}

void EyeDropperTest::overThePanelItsOwnPixelsAreSampled()
{
    OpenEyeDropper();
    // Between the key help and the magnifier the panel is plain white.
    m_kit->fake.screen.cursorPosition = Window()->panel()->pos() + QPoint(100, 147);
    Window()->Sample();
    QCOMPARE(*Window()->sampledColour(), PackColour(255, 255, 255));
}

// Between two ticks of the timer (which never comes here) the readout, the swatch's
// colour and the magnifier already show the pixel under the moved cursor.
void EyeDropperTest::readoutFollowsEveryCursorMove()
{
    OpenEyeDropper();
    for (const QPoint& at : {QPoint(300, 200), QPoint(301, 200), QPoint(520, 410)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(Window(), &move);
        QCOMPARE(*Window()->sampledColour(), PixelColour(at.x(), at.y()));
        QCOMPARE(Window()->panel()->hexReadout()->text(),
                 FormatHashHex(UnpackColour(PixelColour(at.x(), at.y()))));
        QCOMPARE(Window()->panel()->magnifier()->PixelShown(1, 0),
                 qRgb((at.x() + 1) & 0xff, at.y() & 0xff, 7));
    }
    Do(Qt::Key_F2);
    QCOMPARE(m_kit->colour.colour(), PixelColour(520, 410));
}

void EyeDropperTest::desktopPickerWhereTheScreenCannotBeRead()
{
    FakePlatform& fake = m_kit->fake;
    fake.screen.canGrab = false;
    fake.colourPicker.answer = {PickedColour::Outcome::Picked, QColor(18, 52, 86), QString()};
    m_kit->commands.Run(Command::EyeDropper);
    QCOMPARE(fake.colourPicker.requests, 1);
    QCOMPARE(m_kit->colour.colour(), PackColour(18, 52, 86));
    QCOMPARE(m_kit->list.count(), 1);
    QCOMPARE(m_kit->history.count(), 1);
    // The desktop picks over the windows as they are.
    QVERIFY(!m_feature->IsOpening());
    QVERIFY(m_kit->window.isVisible());
}

QTEST_MAIN(EyeDropperTest)
#include "tst_eyedropper.moc"
