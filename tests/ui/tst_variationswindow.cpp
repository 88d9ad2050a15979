#include "colour/ColourText.h"
#include "support/MainWindowKit.h"
#include "ui/ColourDrag.h"
#include "ui/features/VariationsFeature.h"
#include "ui/widgets/ColourSwatch.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/VariationsWindow.h"
#include "ui/windows/WheelPanel.h"

#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(Qt::MouseButton)
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Rgb)

// Failure messages show the colour.
char* toString(const Rgb& c)
{
    return QTest::toString(FormatHashHex(c));
}

namespace {

const QString kWhiteReadout = QStringLiteral("R: 255, G: 255, B: 255 ( #FFFFFF )");
const QString kLightestReadout = QStringLiteral("R: 204, G: 237, B: 255 ( #CCEDFF )");

// A point inside cell (row, column), `offset` pixels from its top-left corner.
QPoint InCell(int row, int column, QPoint offset = QPoint(7, 7))
{
    return VariationsWindow::CellOrigin(row, column) + offset;
}

Rgb PixelOf(const VariationsWindow* window, QPoint imagePos)
{
    const QRgb pixel = window->image().pixel(imagePos);
    return Rgb{std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel))};
}

} // namespace

class VariationsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frameAndLayout();
    void pointerReadsTheImage_data();
    void pointerReadsTheImage();
    void pressDragsTheSampledColour_data();
    void pressDragsTheSampledColour();
    void gridIsPaintedOnlyWhileOpen_data();
    void gridIsPaintedOnlyWhileOpen();
    void copiesTheWholeImageAsABitmap();
    void keysRunTheMainWindowMap_data();
    void keysRunTheMainWindowMap();
    void positionKeysAreApplied_data();
    void positionKeysAreApplied();
    void positionKeysAreWritten();

private:
    VariationsWindow* Window() const { return m_feature->window(); }
    void OpenWithMoreButton();
    void SetLightness(int lightness);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindowKit> m_kit;
    std::unique_ptr<VariationsFeature> m_feature;
};

void VariationsWindowTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_kit = std::make_unique<MainWindowKit>(m_folder->path() + QLatin1Char('/'));
    m_kit->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_kit->window));
    m_feature = std::make_unique<VariationsFeature>(m_kit->context);
}

void VariationsWindowTest::cleanup()
{
    m_feature.reset();
    m_kit.reset();
    m_folder.reset();
}

void VariationsWindowTest::OpenWithMoreButton()
{
    QTest::mouseClick(m_kit->window.moreButton(), Qt::LeftButton);
}

void VariationsWindowTest::SetLightness(int lightness)
{
    m_kit->window.valuesPanel()->hslBar(2)->setValue(lightness);
}

void VariationsWindowTest::frameAndLayout()
{
    VariationsWindow* window = Window();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->size(), QSize(217, 282));
    QCOMPARE(window->titleStrip()->caption(), QStringLiteral("Variations"));
    QCOMPARE(window->closeBox()->geometry(), QRect(199, 0, 15, 15));
    QCOMPARE(window->imageView()->geometry(), QRect(1, 13, 214, 251));
    QCOMPARE(window->image().size(), QSize(214, 251));
    QCOMPARE(window->readout()->geometry(), QRect(4, 264, 209, 13));
    QVERIFY(window->readout()->text().isEmpty());
    // The strip lies over the image's top rows.
    QCOMPARE(window->childAt(100, 14), static_cast<QWidget*>(window->titleStrip()));

    OpenWithMoreButton();
    QTest::mouseDClick(window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(window->height(), 16);
    QTest::mouseDClick(window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(window->height(), 282);
}

void VariationsWindowTest::pointerReadsTheImage_data()
{
    QTest::addColumn<int>("lightness"); // the lightness bar; -1 leaves the start-up colour
    QTest::addColumn<QPoint>("imagePos");
    QTest::addColumn<QString>("readout");
    QTest::newRow("row 0, column 9") << -1 << InCell(0, 9) << kLightestReadout;
    QTest::newRow("last pixel of the cell")
        << -1 << InCell(0, 9, QPoint(14, 14)) << kLightestReadout;
    QTest::newRow("gap right of it") << -1 << InCell(0, 9, QPoint(15, 7)) << kWhiteReadout;
    QTest::newRow("gap below it") << -1 << InCell(0, 9, QPoint(7, 15)) << kWhiteReadout;
    QTest::newRow("margin") << -1 << QPoint(5, 100) << kWhiteReadout;
    // Column 0 keeps the main colour's own lightness.
    QTest::newRow("column 0 follows the bar")
        << 30 << InCell(0, 0) << QStringLiteral("R: 0, G: 100, B: 153 ( #006499 )");
    QTest::newRow("column 9 does not")
        << 30 << InCell(0, 9) << QStringLiteral("R: 204, G: 237, B: 255 ( #CCEDFF )");
    QTest::newRow("row 6 is the complement")
        << -1 << InCell(6, 5) << QStringLiteral("R: 255, G: 89, B: 0 ( #FF5900 )");
}

void VariationsWindowTest::pointerReadsTheImage()
{
    QFETCH(int, lightness);
    QFETCH(QPoint, imagePos);
    QFETCH(QString, readout);
    OpenWithMoreButton();
    if (lightness >= 0)
        SetLightness(lightness);
    QWidget* view = Window()->imageView();
    QMouseEvent move(QEvent::MouseMove, imagePos, view->mapToGlobal(imagePos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QCOMPARE(Window()->readout()->text(), readout);
}

void VariationsWindowTest::pressDragsTheSampledColour_data()
{
    QTest::addColumn<QPoint>("imagePos");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("dragged"); // empty: no drag starts
    QTest::addColumn<Rgb>("mainAfterDrop");
    QTest::newRow("cell") << InCell(0, 9) << Qt::LeftButton << "$00FFEDCC" << Rgb{204, 237, 255};
    QTest::newRow("gap") << InCell(3, 4, QPoint(17, 2)) << Qt::LeftButton << "$00FFFFFF"
                         << Rgb{255, 255, 255};
    QTest::newRow("darkest cell of row 6")
        << InCell(6, 1) << Qt::LeftButton << "$00001233" << Rgb{51, 18, 0};
    QTest::newRow("right button") << InCell(0, 9) << Qt::RightButton << "" << Rgb{};
    QTest::newRow("middle button") << InCell(0, 9) << Qt::MiddleButton << "" << Rgb{};
}

void VariationsWindowTest::pressDragsTheSampledColour()
{
    QFETCH(QPoint, imagePos);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, dragged);
    QFETCH(Rgb, mainAfterDrop);
    OpenWithMoreButton();
    const std::optional<DraggedColour> drag = Window()->TakePress(imagePos, button);
    QCOMPARE(Window()->draggedColour(), dragged);
    if (dragged.isEmpty()) {
        QVERIFY(!drag);
        return;
    }
    QVERIFY(drag);
    QCOMPARE(drag->kind, ColourSourceKind::VariationsImage);

    // The pointer moving away before the drop changes nothing.
    SetLightness(80);
    const std::unique_ptr<QMimeData> data(CreateColourMimeData(*drag));
    ColourSwatch* main = m_kit->window.wheelPanel()->mainSwatch();
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(main, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(main, &drop);
    QCOMPARE(m_kit->colour.rgb(), mainAfterDrop);
    QCOMPARE(m_kit->history.count(), 1);
}

void VariationsWindowTest::gridIsPaintedOnlyWhileOpen_data()
{
    QTest::addColumn<std::function<void(VariationsWindow*)>>("close");
    QTest::newRow("X box") << std::function<void(VariationsWindow*)>(
        [](VariationsWindow* window) { QTest::mouseClick(window->closeBox(), Qt::LeftButton); });
    QTest::newRow("hidden by another window")
        << std::function<void(VariationsWindow*)>([](VariationsWindow* window) { window->hide(); });
}

void VariationsWindowTest::gridIsPaintedOnlyWhileOpen()
{
    QFETCH(std::function<void(VariationsWindow*)>, close);
    VariationsWindow* window = Window();
    const QPoint cell = InCell(0, 0);
    // Created closed: nothing painted yet.
    QCOMPARE(PixelOf(window, cell), (Rgb{255, 255, 255}));
    SetLightness(40);
    QCOMPARE(PixelOf(window, cell), (Rgb{255, 255, 255}));

    OpenWithMoreButton();
    QVERIFY(window->isVisible());
    QVERIFY(window->IsOpen());
    const uchar* pixels = window->image().constBits();
    QCOMPARE(PixelOf(window, cell), (Rgb{0, 133, 204}));
    SetLightness(30);
    QCOMPARE(PixelOf(window, cell), (Rgb{0, 100, 153}));
    // Painted in place, not into a new picture.
    QCOMPARE(window->image().constBits(), pixels);

    close(window);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->IsOpen());
    SetLightness(70);
    QCOMPARE(PixelOf(window, cell), (Rgb{0, 100, 153}));

    OpenWithMoreButton();
    QCOMPARE(PixelOf(window, cell), (Rgb{102, 202, 255}));
}

void VariationsWindowTest::copiesTheWholeImageAsABitmap()
{
    OpenWithMoreButton();
    VariationsWindow* window = Window();
    QWidget* view = window->imageView();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(50, 50),
                              view->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(view, &request);
    QMenu* menu = window->contextMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Copy Variations as Bitmap"));
    menu->actions().at(0)->trigger();
    menu->hide();

    const QImage copied = m_kit->fake.clipboard.image;
    QCOMPARE(copied.size(), QSize(214, 251));
    QCOMPARE(copied, window->image());
    // Later repaints leave the clipboard's picture alone.
    SetLightness(10);
    QVERIFY(window->image() != copied);
    QCOMPARE(m_kit->fake.clipboard.image, copied);
}

void VariationsWindowTest::keysRunTheMainWindowMap_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Command>("command"); // None: the key runs nothing
    QTest::newRow("F5") << int(Qt::Key_F5) << Qt::KeyboardModifiers() << Command::CopyWindow;
    QTest::newRow("F11") << int(Qt::Key_F11) << Qt::KeyboardModifiers() << Command::Reopen;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << Command::AddToList;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << Command::QuickCopy;
    QTest::newRow("F2") << int(Qt::Key_F2) << Qt::KeyboardModifiers() << Command::None;
}

void VariationsWindowTest::keysRunTheMainWindowMap()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Command, command);
    m_kit->RecordUnhandledCommands();
    OpenWithMoreButton();
    QTest::keyClick(Window()->imageView(), Qt::Key(key), modifiers);
    QCOMPARE(m_kit->ran, command == Command::None ? QList<Command>() : QList<Command>{command});
}

void VariationsWindowTest::positionKeysAreApplied_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("none") << ""
                          << "" << QPoint(347, 235) << QStringList();
    QTest::newRow("stored") << "-12"
                            << "600" << QPoint(-12, 600) << QStringList();
    QTest::newRow("only top") << ""
                              << "7" << QPoint(347, 7) << QStringList();
    QTest::newRow("bad top") << "20"
                             << "1x" << QPoint(20, 235)
                             << QStringList{"'1x' is not a valid integer value"};
}

void VariationsWindowTest::positionKeysAreApplied()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, place);
    QFETCH(QStringList, messages);
    m_feature.reset();
    m_kit->settings.SetSetting(QStringLiteral("var.left"), left);
    m_kit->settings.SetSetting(QStringLiteral("var.top"), top);
    m_feature = std::make_unique<VariationsFeature>(m_kit->context);
    QCOMPARE(Window()->pos(), place);
    QStringList shown;
    for (const FakeMessageBoxes::Shown& message : m_kit->fake.messages.shown)
        shown << message.text;
    QCOMPARE(shown, messages);
}

void VariationsWindowTest::positionKeysAreWritten()
{
    Window()->move(123, -45);
    m_feature->WritePositionSettings();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("var.left")), QStringLiteral("123"));
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("var.top")), QStringLiteral("-45"));
}

QTEST_MAIN(VariationsWindowTest)
#include "tst_variationswindow.moc"
