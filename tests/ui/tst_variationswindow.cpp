#include "colour/ColourText.h"
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
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

namespace {

using CloseWay = std::function<void(VariationsWindow*)>;

// A point inside cell (row, column), `offset` pixels from its top-left corner.
QPoint InCell(int row, int column, QPoint offset = QPoint(7, 7))
{
    return VariationsWindow::CellOrigin(row, column) + offset;
}

QString HexAt(const VariationsWindow* window, QPoint imagePos)
{
    const QRgb pixel = window->image().pixel(imagePos);
    return FormatHashHex(
        Rgb{std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel))});
}

} // namespace

class VariationsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pointAndPress_data();
    void pointAndPress();
    void gridIsPaintedOnlyWhileOpen_data();
    void gridIsPaintedOnlyWhileOpen();
    void copiesTheWholeImageAsABitmap();
    void positionKeysAreApplied_data();
    void positionKeysAreApplied();

private:
    VariationsWindow* Window() const { return m_feature->window(); }
    void Open() { QTest::mouseClick(PanelButtonOf(m_kit->window, "moreButton"), Qt::LeftButton); }
    void SetLightness(int value) { ValuesPanelOf(m_kit->window)->hslBar(2)->setValue(value); }

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

void VariationsWindowTest::pointAndPress_data()
{
    QTest::addColumn<QPoint>("imagePos");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("dragged"); // empty: no drag starts
    const QString lightest = QStringLiteral("R: 204, G: 237, B: 255 ( #CCEDFF )");
    const QString white = QStringLiteral("R: 255, G: 255, B: 255 ( #FFFFFF )");
    QTest::newRow("row 0, column 9") << InCell(0, 9) << Qt::LeftButton << lightest << "$00FFEDCC";
    QTest::newRow("its last pixel")
        << InCell(0, 9, QPoint(14, 14)) << Qt::LeftButton << lightest << "$00FFEDCC";
    QTest::newRow("gap right of it")
        << InCell(0, 9, QPoint(15, 7)) << Qt::LeftButton << white << "$00FFFFFF";
    QTest::newRow("gap below it") << InCell(0, 9, QPoint(7, 15)) << Qt::LeftButton << white
                                  << "$00FFFFFF";
    QTest::newRow("row 6, the complement")
        << InCell(6, 5) << Qt::LeftButton << "R: 255, G: 89, B: 0 ( #FF5900 )"
        << "$000059FF";
    QTest::newRow("right button") << InCell(0, 9) << Qt::RightButton << lightest << "";
}

void VariationsWindowTest::pointAndPress()
{
    QFETCH(QPoint, imagePos);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, readout);
    QFETCH(QString, dragged);
    Open();
    QWidget* view = Window()->imageView();
    QMouseEvent move(QEvent::MouseMove, imagePos, view->mapToGlobal(imagePos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QCOMPARE(Window()->readout()->text(), readout);

    const std::optional<DraggedColour> drag = Window()->TakePress(imagePos, button);
    QCOMPARE(Window()->draggedColour(), dragged);
    QCOMPARE(bool(drag), !dragged.isEmpty());
    if (!drag)
        return;
    // The grid changing before the drop does not change what was pressed.
    SetLightness(80);
    const std::unique_ptr<QMimeData> data(CreateColourMimeData(*drag));
    ColourSwatch* main = WheelPanelOf(m_kit->window)->mainSwatch();
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(main, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(main, &drop);
    QCOMPARE(FormatPackedText(m_kit->colour.rgb()), dragged);
}

void VariationsWindowTest::gridIsPaintedOnlyWhileOpen_data()
{
    QTest::addColumn<CloseWay>("close");
    QTest::newRow("X box") << CloseWay(
        [](VariationsWindow* window) { QTest::mouseClick(window->closeBox(), Qt::LeftButton); });
    QTest::newRow("hidden by another window")
        << CloseWay([](VariationsWindow* window) { window->hide(); });
}

void VariationsWindowTest::gridIsPaintedOnlyWhileOpen()
{
    QFETCH(CloseWay, close);
    VariationsWindow* window = Window();
    const QPoint cell = InCell(0, 0); // column 0 keeps the main colour's lightness
    SetLightness(40);
    QCOMPARE(HexAt(window, cell), QStringLiteral("#FFFFFF"));

    Open();
    QVERIFY(window->IsOpen());
    const uchar* pixels = window->image().constBits();
    QCOMPARE(HexAt(window, cell), QStringLiteral("#0085CC"));
    SetLightness(30);
    QCOMPARE(HexAt(window, cell), QStringLiteral("#006499"));
    QCOMPARE(window->image().constBits(), pixels); // painted in place

    close(window);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->IsOpen());
    SetLightness(70);
    QCOMPARE(HexAt(window, cell), QStringLiteral("#006499"));
    Open();
    QCOMPARE(HexAt(window, cell), QStringLiteral("#66CAFF"));
}

void VariationsWindowTest::copiesTheWholeImageAsABitmap()
{
    Open();
    const QList<QAction*> entries = Window()->contextMenu()->actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0)->text(), QStringLiteral("Copy Variations as Bitmap"));
    entries.at(0)->trigger();
    const QImage copied = m_kit->fake.clipboard.image;
    QCOMPARE(copied.size(), QSize(214, 251));
    QCOMPARE(copied, Window()->image());
    // A snapshot: later repaints leave it alone.
    SetLightness(10);
    QVERIFY(Window()->image() != copied);
    QCOMPARE(m_kit->fake.clipboard.image, copied);
}

void VariationsWindowTest::positionKeysAreApplied_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("none") << QString() << QString() << QPoint(347, 235) << none;
    QTest::newRow("stored") << QStringLiteral("-12") << QStringLiteral("600") << QPoint(-12, 600)
                            << none;
    QTest::newRow("bad top") << QStringLiteral("20") << QStringLiteral("1x") << QPoint(20, 235)
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

QTEST_MAIN(VariationsWindowTest)
#include "tst_variationswindow.moc"
