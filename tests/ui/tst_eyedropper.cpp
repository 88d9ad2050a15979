#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "support/MainWindowKit.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/widgets/MagnifierView.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/TitleStrip.h"
#include "ui/windows/EyeDropperPanel.h"
#include "ui/windows/EyeDropperWindow.h"

#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kNeverMs = 3600 * 1000;
constexpr int kToolWindows = 6;

// Every pixel a colour of its own: red = x, green = y, blue = 7.
QImage GradientPicture(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, 7));
    return image;
}

ColorRef PixelColour(const QPoint& pixel)
{
    return PackColour(std::uint8_t(pixel.x() & 0xff), std::uint8_t(pixel.y() & 0xff), 7);
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

enum class Action
{
    LeftClick,
    RightClick,
    F2,
    F3,
    F4,
    Escape,
    CloseBox,
    QuitButton
};

} // namespace

Q_DECLARE_METATYPE(Action)

class EyeDropperTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void panelLayout();
    void twoCapturesInOneOpening_data();
    void twoCapturesInOneOpening();
    void closingOrCapturingBeforeTheFirstSampleChangesNothing_data();
    void closingOrCapturingBeforeTheFirstSampleChangesNothing();
    void toolWindowsComeBackAsTheyWere();
    void arrowKeysMoveTheSampledPixel_data();
    void arrowKeysMoveTheSampledPixel();
    void overThePanelItsOwnPixelsAreSampled();
    void desktopPickerWhereTheScreenCannotBeRead_data();
    void desktopPickerWhereTheScreenCannotBeRead();

private:
    void OpenEyeDropper();
    void Do(Action action);
    EyeDropperWindow* Window() const { return m_feature->window(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowKit> m_kit;
    std::unique_ptr<EyeDropperFeature> m_feature;
    std::array<std::unique_ptr<QWidget>, kToolWindows> m_tools;
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
    m_feature->SetToolWindows(m_tools[0].get(), m_tools[1].get(), m_tools[2].get(),
                              m_tools[3].get(), m_tools[4].get(), m_tools[5].get());
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
    QVERIFY(Window()->isVisible());
}

void EyeDropperTest::Do(Action action)
{
    // Away from the panel; where a click lands does not matter, the sample does.
    const QPoint onPicture(500, 400);
    switch (action) {
    case Action::LeftClick:
        QTest::mouseClick(Window(), Qt::LeftButton, {}, onPicture);
        break;
    case Action::RightClick:
        QTest::mouseClick(Window(), Qt::RightButton, {}, onPicture);
        break;
    case Action::F2:
        QTest::keyClick(Window(), Qt::Key_F2);
        break;
    case Action::F3:
        QTest::keyClick(Window(), Qt::Key_F3);
        break;
    case Action::F4:
        QTest::keyClick(Window(), Qt::Key_F4);
        break;
    case Action::Escape:
        QTest::keyClick(Window(), Qt::Key_Escape);
        break;
    case Action::CloseBox:
        QTest::mouseClick(Window()->panel()->closeBox(), Qt::LeftButton);
        break;
    case Action::QuitButton:
        QTest::mouseClick(Window()->panel()->quitButton(), Qt::LeftButton);
        break;
    }
}

void EyeDropperTest::panelLayout()
{
    EyeDropperPanel* panel = Window()->panel();
    QVERIFY(!Window()->isVisible());
    QCOMPARE(panel->geometry(), QRect(16, 16, 206, 257));
    QCOMPARE(panel->titleStrip()->caption(), QStringLiteral("Eye Dropper"));
    QCOMPARE(panel->closeBox()->geometry(), QRect(188, 0, 15, 15));
    QCOMPARE(panel->swatch()->geometry(), QRect(8, 24, 190, 49));
    QCOMPARE(panel->valueReadout()->pos(), QPoint(6, 77));
    QCOMPARE(panel->valueReadout()->text(), QStringLiteral("255"));
    QCOMPARE(panel->hexReadout()->pos(), QPoint(132, 77));
    QCOMPARE(panel->hexReadout()->text(), QStringLiteral("HEX (HTML)"));
    QCOMPARE(panel->keyHelp()->geometry(), QRect(8, 96, 190, 49));
    QCOMPARE(panel->keyHelp()->text(),
             QStringLiteral("F2 / Click - Capture only one color\nF3 / Right Click - Capture "
                            "continuously. \nF4 - Quit capture mode."));
    QCOMPARE(panel->quitButton()->geometry(), QRect(6, 235, 192, 17));
    QCOMPARE(panel->quitButton()->text(), QStringLiteral("Quit"));
    QVERIFY(QRect(QPoint(0, 0), panel->size()).contains(panel->magnifier()->geometry()));
}

void EyeDropperTest::twoCapturesInOneOpening_data()
{
    QTest::addColumn<Action>("stay");
    QTest::addColumn<Action>("close");
    QTest::newRow("right click, left click") << Action::RightClick << Action::LeftClick;
    QTest::newRow("F3, F2") << Action::F3 << Action::F2;
}

void EyeDropperTest::twoCapturesInOneOpening()
{
    QFETCH(Action, stay);
    QFETCH(Action, close);
    // The first colour is listed already: it still becomes the main colour and
    // enters the history, and the list keeps one item of it.
    m_kit->list.AddMainColourToList(PixelColour(QPoint(440, 300)));
    OpenEyeDropper();
    FakeScreen& screen = m_kit->fake.screen;

    screen.cursorPosition = QPoint(440, 300);
    Window()->Sample();
    screen.cursorPosition = QPoint(441, 300); // the capture takes the sample, not a fresh read
    Do(stay);
    QCOMPARE(m_kit->colour.colour(), PixelColour(QPoint(440, 300)));
    QVERIFY(Window()->IsOpen());
    QVERIFY(!m_kit->window.isVisible());

    screen.cursorPosition = QPoint(600, 400);
    Window()->Sample();
    QCOMPARE(Window()->panel()->valueReadout()->text(), QStringLiteral("R: 88 G: 144 B: 7"));
    QCOMPARE(Window()->panel()->hexReadout()->text(), QStringLiteral("#589007"));
    Do(close);
    QCOMPARE(m_kit->colour.colour(), PixelColour(QPoint(600, 400)));
    QVERIFY(!Window()->IsOpen());
    QVERIFY(!Window()->isVisible());
    QVERIFY(m_kit->window.isVisible());

    QCOMPARE(m_kit->list.count(), 2);
    QCOMPARE(m_kit->list.item(0).colour, PixelColour(QPoint(440, 300)));
    QCOMPARE(m_kit->list.item(1).colour, PixelColour(QPoint(600, 400)));
    QCOMPARE(m_kit->history.count(), 2);
    QCOMPARE(m_kit->history.colourAt(0), PixelColour(QPoint(440, 300)));
    QCOMPARE(m_kit->history.colourAt(1), PixelColour(QPoint(600, 400)));
}

void EyeDropperTest::closingOrCapturingBeforeTheFirstSampleChangesNothing_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("closes");
    QTest::newRow("F4") << Action::F4 << true;
    QTest::newRow("Escape") << Action::Escape << true;
    QTest::newRow("X box") << Action::CloseBox << true;
    QTest::newRow("Quit") << Action::QuitButton << true;
    QTest::newRow("F2") << Action::F2 << false;
    QTest::newRow("left click") << Action::LeftClick << false;
    QTest::newRow("F3") << Action::F3 << false;
}

void EyeDropperTest::closingOrCapturingBeforeTheFirstSampleChangesNothing()
{
    QFETCH(Action, action);
    QFETCH(bool, closes);
    // A sample in an earlier opening is not taken in this one.
    OpenEyeDropper();
    Window()->Sample();
    QTest::keyClick(Window(), Qt::Key_F4);
    m_kit->history.ClearHistory();
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
    ShowRecorder shownOrder;
    for (const auto& tool : m_tools)
        tool->installEventFilter(&shownOrder);

    // Every tool window showing, then only Shape Test and History, then none: one
    // that was showing in an earlier opening stays closed.
    for (const QList<int>& showing :
         {QList<int>{0, 1, 2, 3, 4, 5}, QList<int>{2, 5}, QList<int>{}}) {
        for (int i = 0; i < kToolWindows; ++i)
            m_tools[i]->setVisible(showing.contains(i));
        OpenEyeDropper();
        QCOMPARE(control.topmost.value(&m_kit->window), false);
        for (const auto& tool : m_tools)
            QVERIFY(!tool->isVisible());
        shownOrder.shown.clear();
        QTest::keyClick(Window(), Qt::Key_F4);
        QVERIFY(m_kit->window.isVisible());
        QList<QObject*> expected;
        for (int i = 0; i < kToolWindows; ++i) {
            QCOMPARE(m_tools[i]->isVisible(), showing.contains(i));
            if (showing.contains(i))
                expected << m_tools[i].get();
        }
        // In their order: Variations first, History last.
        QCOMPARE(shownOrder.shown, expected);
        QCOMPARE(control.topmost.value(&m_kit->window), true);
    }

    m_kit->window.SetStayOnTop(false);
    OpenEyeDropper();
    QTest::keyClick(Window(), Qt::Key_F4);
    QCOMPARE(control.topmost.value(&m_kit->window), false);
}

void EyeDropperTest::arrowKeysMoveTheSampledPixel_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cursor");
    // The cursor starts at (400, 300): pixel (400, 300) on a plain screen, (800, 600)
    // on a screen scaled by 2.
    QTest::newRow("right") << 1 << int(Qt::Key_Right) << false << QPoint(401, 300)
                           << QPoint(401, 300);
    QTest::newRow("left") << 1 << int(Qt::Key_Left) << false << QPoint(399, 300)
                          << QPoint(399, 300);
    QTest::newRow("up") << 1 << int(Qt::Key_Up) << false << QPoint(400, 299) << QPoint(400, 299);
    QTest::newRow("shift+down") << 1 << int(Qt::Key_Down) << true << QPoint(400, 310)
                                << QPoint(400, 310);
    QTest::newRow("scaled right: the odd pixel")
        << 2 << int(Qt::Key_Right) << false << QPoint(801, 600) << QPoint(401, 300);
    QTest::newRow("scaled left") << 2 << int(Qt::Key_Left) << false << QPoint(799, 600)
                                 << QPoint(400, 300);
    QTest::newRow("scaled shift+up")
        << 2 << int(Qt::Key_Up) << true << QPoint(800, 590) << QPoint(400, 295);
}

void EyeDropperTest::arrowKeysMoveTheSampledPixel()
{
    QFETCH(int, scale);
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
    QCOMPARE(*Window()->samplePixel(), QPoint(400, 300) * scale);

    QTest::keyClick(Window(), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(screen.cursorPosition, cursor);
    QCOMPARE(*Window()->samplePixel(), pixel);
    QCOMPARE(*Window()->sampledColour(), PixelColour(pixel));
    // The next tick keeps the finer place while the cursor stays where the key put it.
    Window()->Sample();
    QCOMPARE(*Window()->samplePixel(), pixel);
    MagnifierView* magnifier = Window()->panel()->magnifier();
    QCOMPARE(magnifier->PixelShown(0, 0), qRgb(pixel.x() & 0xff, pixel.y() & 0xff, 7));
    QCOMPARE(magnifier->PixelShown(-4, 4), qRgb((pixel.x() - 4) & 0xff, (pixel.y() + 4) & 0xff, 7));
    QCOMPARE(Window()->panel()->placeReadout()->text(),
             QStringLiteral("X: %1 Y: %2").arg(pixel.x()).arg(pixel.y()));

    // A real move of the cursor wins again.
    screen.cursorPosition = QPoint(300, 280);
    Window()->Sample();
    QCOMPARE(*Window()->samplePixel(), QPoint(300, 280) * scale);
}

void EyeDropperTest::overThePanelItsOwnPixelsAreSampled()
{
    OpenEyeDropper();
    EyeDropperPanel* panel = Window()->panel();
    // Between the key help and the magnifier the panel is plain white.
    m_kit->fake.screen.cursorPosition = panel->pos() + QPoint(100, 147);
    Window()->Sample();
    QCOMPARE(*Window()->sampledColour(), PackColour(255, 255, 255));
    QTest::keyClick(Window(), Qt::Key_F2);
    QCOMPARE(m_kit->colour.colour(), PackColour(255, 255, 255));
}

void EyeDropperTest::desktopPickerWhereTheScreenCannotBeRead_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("message");
    QTest::newRow("picked") << int(PickedColour::Outcome::Picked) << QColor(18, 52, 86)
                            << QString();
    QTest::newRow("cancelled") << int(PickedColour::Outcome::Cancelled) << QColor()
                               << QStringLiteral("cancelled");
    QTest::newRow("refused") << int(PickedColour::Outcome::Refused) << QColor()
                             << QStringLiteral("did not pick");
    QTest::newRow("no portal") << int(PickedColour::Outcome::Unavailable) << QColor()
                               << QStringLiteral("not available (no such service)");
}

void EyeDropperTest::desktopPickerWhereTheScreenCannotBeRead()
{
    QFETCH(int, outcome);
    QFETCH(QColor, colour);
    QFETCH(QString, message);
    FakePlatform& fake = m_kit->fake;
    fake.screen.canGrab = false;
    const ColorRef before = m_kit->colour.colour();
    m_kit->commands.Run(Command::EyeDropper);
    QCOMPARE(fake.colourPicker.requests, 1);
    // The windows stay as they are while the desktop picks.
    QVERIFY(!m_feature->IsOpening());
    QVERIFY(m_kit->window.isVisible());

    QVERIFY(fake.colourPicker.Answer(
        {PickedColour::Outcome(outcome), colour, QStringLiteral("no such service")}));
    if (message.isEmpty()) {
        const ColorRef taken = PackColour(18, 52, 86);
        QCOMPARE(m_kit->colour.colour(), taken);
        QCOMPARE(m_kit->list.count(), 1);
        QCOMPARE(m_kit->list.item(0).colour, taken);
        QCOMPARE(m_kit->history.count(), 1);
        QVERIFY(fake.messages.shown.isEmpty());
    } else {
        QCOMPARE(m_kit->colour.colour(), before);
        QCOMPARE(m_kit->list.count(), 0);
        QCOMPARE(m_kit->history.count(), 0);
        QCOMPARE(fake.messages.shown.size(), 1);
        QVERIFY2(fake.messages.shown[0].text.contains(message),
                 qPrintable(fake.messages.shown[0].text));
    }
    QVERIFY(!Window()->isVisible());
}

QTEST_MAIN(EyeDropperTest)
#include "tst_eyedropper.moc"
