#include "state/ShapeLayouts.h"
#include "support/FocusWalk.h"
#include "support/MainWindowKit.h"
#include "ui/ColourDrag.h"
#include "ui/features/ShapeTestFeature.h"
#include "ui/ViewAs.h"
#include "ui/widgets/KeyboardFocus.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/TitleStrip.h"
#include "ui/windows/ConfusablePairsWindow.h"
#include "ui/windows/ShapeSchemeControls.h"
#include "ui/windows/ShapeTestArea.h"
#include "ui/windows/ShapeTestWindow.h"

#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ColourSourceKind)
Q_DECLARE_METATYPE(ShapeTestTarget)
Q_DECLARE_METATYPE(Command)

namespace {

constexpr ColorRef kRed = PackColour(255, 0, 0);
constexpr ColorRef kBlue = PackColour(0, 0, 255);
constexpr ColorRef kWhite = PackColour(255, 255, 255);
const QString kInitialHint = QStringLiteral("Select a test layout from the list. Drag and drop "
                                            "colors on the shapes. You can also change the "
                                            "background color.");

enum Layout
{
    Shapes1,
    Shapes2,
    Page1,
    More
};

} // namespace

class ShapeTestWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsInTheirPlaces_data();
    void controlsInTheirPlaces();
    void layoutsAsTheTablesDrawThem_data();
    void layoutsAsTheTablesDrawThem();
    void dropsByTargetAndSource_data();
    void dropsByTargetAndSource();
    void backgroundOutlivesLayoutsAndHiding();
    void textsCatchDropsOverTheirBoxAndThePictureNone();
    void hints();
    void viewAsChangesOnlyTheDrawing();
    void schemeRoundTrip();
    void schemeLoads_data();
    void schemeLoads();
    void saveRefusalsAndFailures_data();
    void saveRefusalsAndFailures();
    void deleteAndRestore();
    void editLayoutSuppressesDragsAndMovesItems();
    void settingsAtCreation_data();
    void settingsAtCreation();
    void keysAndCommands_data();
    void keysAndCommands();
    void tabVisitsTheAreaInReadingOrder_data();
    void tabVisitsTheAreaInReadingOrder();
    void keysDropTheMainColour_data();
    void keysDropTheMainColour();

private:
    void MakeFeature(bool firstStart = false);
    void Choose(QListWidget* list, const QString& entry);
    void DropOn(QWidget* target, const DraggedColour& dragged, QPoint at = QPoint(2, 2));
    void WriteScheme(const QString& name, const QByteArray& content);
    void Mouse(QWidget* widget, QEvent::Type type, QPoint at);
    void Press(QWidget* widget, QPoint at);
    FakeMessageBoxes::Shown LastMessage() const;
    ShapeTestWindow* Window() const { return m_feature->window(); }
    ShapeTestArea* Area() const { return Window()->area(); }
    ShapeSchemeControls* Schemes() const { return Window()->schemeControls(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<MainWindowKit> m_kit;
    std::unique_ptr<ShapeTestFeature> m_feature;
    QList<DraggedColour> m_drags;
};

void ShapeTestWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->path() + QLatin1Char('/');
    m_kit = std::make_unique<MainWindowKit>(m_folder);
    m_drags.clear();
}

void ShapeTestWindowTest::cleanup()
{
    m_feature.reset();
    m_kit.reset();
    m_dir.reset();
}

void ShapeTestWindowTest::MakeFeature(bool firstStart)
{
    m_feature = std::make_unique<ShapeTestFeature>(m_kit->context, firstStart);
    m_kit->RecordUnhandledCommands();
    Area()->SetDragStarter([this](QWidget*, const DraggedColour& dragged) { m_drags << dragged; });
    m_kit->commands.Run(Command::ShapeTest);
}

// A real click on the entry, as the user chooses a layout or a scheme.
void ShapeTestWindowTest::Choose(QListWidget* list, const QString& entry)
{
    const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(entry));
    const QRect place = list->visualItemRect(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

// As the desktop delivers a drop: the drag enters the target, then drops there.
void ShapeTestWindowTest::DropOn(QWidget* target, const DraggedColour& dragged, QPoint at)
{
    std::unique_ptr<QMimeData> data(CreateColourMimeData(dragged));
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

void ShapeTestWindowTest::WriteScheme(const QString& name, const QByteArray& content)
{
    QFile file(m_folder + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Sent straight to the widget, as the pointer grab of a press delivers them.
void ShapeTestWindowTest::Mouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    const bool move = type == QEvent::MouseMove;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), move ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void ShapeTestWindowTest::Press(QWidget* widget, QPoint at)
{
    Mouse(widget, QEvent::MouseButtonPress, at);
    Mouse(widget, QEvent::MouseButtonRelease, at);
}

FakeMessageBoxes::Shown ShapeTestWindowTest::LastMessage() const
{
    const auto& shown = m_kit->fake.messages.shown;
    return shown.isEmpty() ? FakeMessageBoxes::Shown{} : shown.last();
}

void ShapeTestWindowTest::controlsInTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // relative to the parent; width 0: sized to its text
    QTest::newRow("test area") << "testArea" << QRect(8, 40, 425, 385);
    QTest::newRow("side column") << "sideColumn" << QRect(439, 16, 177, 409);
    QTest::newRow("layout list") << "layoutList" << QRect(3, 18, 166, 359);
    QTest::newRow("Edit Layout") << "editLayoutButton" << QRect(2, 377, 167, 17);
    QTest::newRow("scheme list") << "schemeList" << QRect(94, 104, 73, 234);
    QTest::newRow("Save Scheme") << "saveSchemeButton" << QRect(94, 340, 73, 17);
    QTest::newRow("Restore") << "restoreButton" << QRect(2, 359, 167, 17);
    QTest::newRow("hint line") << "hintLine" << QRect(8, 432, 0, 0);
    QTest::newRow(" Test Area") << " Test Area" << QRect(8, 26, 425, 14);
    QTest::newRow(" Test Layouts") << " Test Layouts" << QRect(1, 4, 168, 14);
    QTest::newRow(" Saved Schemes") << " Saved Schemes" << QRect(94, 90, 73, 14);
}

void ShapeTestWindowTest::controlsInTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    MakeFeature();
    QWidget* widget = Window()->findChild<QWidget*>(name);
    for (QLabel* label : Window()->findChildren<QLabel*>())
        if (label->text() == name && label != Window()->hintLine())
            widget = label;
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (geometry.width() > 0)
        QCOMPARE(widget->size(), geometry.size());
    else
        QVERIFY(widget->width() > 0 && widget->height() > 0);
    QCOMPARE(Window()->size(), QSize(618, 451));
    QCOMPARE(Window()->closeBox()->geometry(), QRect(600, 0, 15, 15));
    QCOMPARE(Window()->titleStrip()->caption(), QStringLiteral("Shape Test"));
}

void ShapeTestWindowTest::layoutsAsTheTablesDrawThem_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<uint>("colour");
    QTest::newRow("Shapes 1") << int(Shapes1) << "Shape10" << QRect(104, 72, 233, 217)
                              << uint(PackColour(126, 255, 146));
    QTest::newRow("Shapes 2") << int(Shapes2) << "Shape8" << QRect(120, 165, 192, 25)
                              << uint(PackColour(255, 0, 4));
    QTest::newRow("Page 1") << int(Page1) << "Text5" << QRect(372, 368, 53, 19) << 0u;
    QTest::newRow("More...") << int(More) << "Shape2" << QRect(3, 263, 417, 4)
                             << uint(PackColour(226, 226, 226));
}

void ShapeTestWindowTest::layoutsAsTheTablesDrawThem()
{
    QFETCH(int, layout);
    QFETCH(QString, item);
    QFETCH(QRect, geometry);
    QFETCH(uint, colour);
    MakeFeature();
    Choose(Window()->layoutList(), QString::fromLatin1(ShapeLayouts()[layout].name));
    auto* found = Area()->findChild<ShapeTestItem*>(item);
    QVERIFY(found);
    QCOMPARE(found->geometry(), geometry);
    QCOMPARE(found->colour(), ColorRef(colour));

    // Every item as its table row says; outlines equal fills; the picture for "Page 1" only.
    const ShapeLayout& table = ShapeLayouts()[layout];
    for (int i = 0; i < kTestShapeCount; ++i) {
        const ShapeCell& cell = table.shapes[i];
        QCOMPARE(Area()->shape(i)->geometry(), QRect(cell.left, cell.top, cell.width, cell.height));
        QCOMPARE(Area()->shape(i)->outline(), cell.fill);
    }
    for (int i = 0; i < kTestTextCount; ++i) {
        const TextCell& cell = table.texts[i];
        const ShapeTestItem* text = Area()->text(i);
        QCOMPARE(text->geometry(), QRect(cell.left, cell.top, cell.width, cell.height));
        QCOMPARE(text->font().pointSize(), cell.pointSize);
        QCOMPARE(text->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(text->caption(), QString::fromLatin1(cell.caption));
    }
    QCOMPARE(Area()->picture()->isVisible(), layout == Page1);
    QCOMPARE(Area()->picture()->geometry(), QRect(221, 48, 64, 64));
    QCOMPARE(Area()->picture()->pixmap().size(), QSize(64, 64));
    // Stacking: a lower number lies above; every text above every shape.
    if (layout == Shapes1) {
        QCOMPARE(Area()->childAt(110, 80), static_cast<QWidget*>(Area()->shape(9)));
        QCOMPARE(Area()->childAt(200, 160), static_cast<QWidget*>(Area()->shape(6)));
    }
    QVERIFY(Area()->children().indexOf(Area()->shape(0)) <
            Area()->children().indexOf(Area()->text(9)));
}

void ShapeTestWindowTest::dropsByTargetAndSource_data()
{
    QTest::addColumn<ShapeTestTarget>("target");
    QTest::addColumn<ColourSourceKind>("kind");
    QTest::addColumn<bool>("taken");
    const struct
    {
        const char* name;
        ColourSourceKind kind;
    } kinds[] = {
        {"main swatch", ColourSourceKind::MainSwatch},
        {"window swatch", ColourSourceKind::WindowSwatch},
        {"colour list", ColourSourceKind::ColourList},
        {"variations", ColourSourceKind::VariationsImage},
        {"test shape", ColourSourceKind::TestShape},
        {"test text", ColourSourceKind::TestText},
        {"test area", ColourSourceKind::TestArea},
        {"web part", ColourSourceKind::WebPagePart},
        {"web text", ColourSourceKind::WebPageText},
    };
    for (const auto& source : kinds) {
        const bool web = source.kind == ColourSourceKind::WebPagePart ||
                         source.kind == ColourSourceKind::WebPageText;
        QTest::addRow("shape <- %s", source.name) << ShapeTestTarget::Shape << source.kind << true;
        QTest::addRow("text <- %s", source.name) << ShapeTestTarget::Text << source.kind << !web;
        QTest::addRow("area <- %s", source.name)
            << ShapeTestTarget::Area << source.kind << (source.kind != ColourSourceKind::TestArea);
    }
}

void ShapeTestWindowTest::dropsByTargetAndSource()
{
    QFETCH(ShapeTestTarget, target);
    QFETCH(ColourSourceKind, kind);
    QFETCH(bool, taken);
    QCOMPARE(ShapeTestTakes(target, kind), taken);

    MakeFeature();
    Choose(Window()->layoutList(), QStringLiteral("Page 1"));
    QWidget* widget = Area();
    if (target != ShapeTestTarget::Area)
        widget = target == ShapeTestTarget::Shape ? Area()->shape(0) : Area()->text(0);
    const ShapeTestColours before = Area()->colours();
    QVERIFY(!Schemes()->scheme().IsChanged());
    QObject source;
    DropOn(widget, DraggedColour{kRed, kind, &source});

    ShapeTestColours expected = before;
    if (taken && target == ShapeTestTarget::Shape)
        expected.shapeFills[0] = kRed;
    if (taken && target == ShapeTestTarget::Text)
        expected.textColours[0] = kRed;
    if (taken && target == ShapeTestTarget::Area)
        expected.background = kRed;
    QVERIFY(Area()->colours() == expected);
    QCOMPARE(Area()->shape(0)->colour(), expected.shapeFills[0]);
    QCOMPARE(Area()->shape(0)->outline(), expected.shapeFills[0]);
    QCOMPARE(Area()->text(0)->colour(), expected.textColours[0]);
    // The follow-up runs for refused sources too.
    QVERIFY(Schemes()->scheme().IsChanged());
    QCOMPARE(Schemes()->scheme().Record(), SchemeRecordLines(expected));
}

void ShapeTestWindowTest::backgroundOutlivesLayoutsAndHiding()
{
    MakeFeature();
    QVERIFY(Window()->isVisible());
    QCOMPARE(Window()->layoutList()->currentRow(), 0);
    QCOMPARE(Window()->hint(), kInitialHint);
    Choose(Window()->layoutList(), QStringLiteral("Shapes 2"));
    DropOn(Area(), DraggedColour{kWhite, ColourSourceKind::MainSwatch, nullptr});
    QCOMPARE(Schemes()->scheme().Record(),
             QStringList({"sc1=$00F2F2F2",     "sc2=$00E2E2E2", "sc3=$00CFCFCF", "sc4=$00BCBCBC",
                          "sc5=$00ADADAD",     "sc6=$009E9E9E", "sc7=$00959595", "sc8=$000400FF",
                          "sc9=$00B2D7FF",     "sc10=clBlack",  "tc1=clBlack",   "tc2=clBlack",
                          "tc3=clBlack",       "tc4=clBlack",   "tc5=clBlack",   "tc6=clBlack",
                          "tc7=clBlack",       "tc8=clBlack",   "tc9=clBlack",   "tc10=clBlack",
                          "background=clWhite"}));

    // The black shape of "Shapes 2" dragged onto the area turns it black.
    DropOn(Area(), DraggedColour{0, ColourSourceKind::TestShape, Area()->shape(9)});
    DropOn(Area()->shape(7), DraggedColour{kBlue, ColourSourceKind::ColourList, nullptr});
    Choose(Window()->layoutList(), QStringLiteral("Page 1"));
    QCOMPARE(Area()->colours().background, ColorRef(0));
    QCOMPARE(Area()->shape(7)->colour(), PackColour(139, 139, 139));

    Window()->hide();
    m_kit->commands.Run(Command::ShapeTest);
    QCOMPARE(Window()->layoutList()->currentRow(), 0);
    QCOMPARE(Area()->shape(7)->geometry(), QRect(153, 120, 136, 120));
    QCOMPARE(Area()->shape(7)->colour(), PackColour(255, 146, 128));
    QCOMPARE(Area()->colours().background, ColorRef(0));
    // Raising a window already showing builds nothing.
    DropOn(Area()->shape(7), DraggedColour{kBlue, ColourSourceKind::ColourList, nullptr});
    m_kit->commands.Run(Command::ShapeTest);
    QCOMPARE(Area()->shape(7)->colour(), kBlue);
}

void ShapeTestWindowTest::textsCatchDropsOverTheirBoxAndThePictureNone()
{
    MakeFeature();
    Choose(Window()->layoutList(), QStringLiteral("Page 1"));
    // Below the end of Text3's three short lines, still inside its box.
    const QPoint empty(290 + 125, 48 + 60);
    QCOMPARE(Area()->childAt(empty), static_cast<QWidget*>(Area()->text(2)));
    DropOn(Area()->text(2), DraggedColour{kRed, ColourSourceKind::WindowSwatch, nullptr},
           empty - QPoint(290, 48));
    QCOMPARE(Area()->text(2)->colour(), kRed);
    QCOMPARE(Area()->colours().background, kWhite);

    QCOMPARE(Area()->childAt(250, 80), static_cast<QWidget*>(Area()->picture()));
    const QStringList record = Schemes()->scheme().Record();
    DropOn(Area()->picture(), DraggedColour{kBlue, ColourSourceKind::WindowSwatch, nullptr});
    QCOMPARE(Area()->colours().background, kWhite);
    QCOMPARE(Schemes()->scheme().Record(), record);
}

void ShapeTestWindowTest::hints()
{
    MakeFeature();
    DropOn(Area()->shape(7),
           DraggedColour{PackColour(6, 167, 255), ColourSourceKind::MainSwatch, nullptr});
    QTest::mouseMove(Area()->shape(7), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral(" R: 6, G: 167, B: 255, HEX: #06A7FF "));
    QTest::mouseMove(Area(), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral("Drag and drop a color to change background "
                                              "color. R: 255, G: 255, B: 255, HEX: #FFFFFF "));
    QTest::mouseMove(Window()->editLayoutButton(), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral("Click to edit this layout."));
    QTest::mouseMove(Schemes()->schemeList()->viewport(), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral("Select a scheme from the list. Please note that "
                                              "all schemes may not be suitable for all layouts."));
    QTest::mouseMove(Schemes()->saveButton(), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral("Click to save scheme."));
    QTest::mouseMove(Schemes()->restoreButton(), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral("Click to restore to default colors."));
    QTest::mouseMove(Window(), QPoint(300, 445));
    QCOMPARE(Window()->hint(), kInitialHint);

    // A text's tooltip: its contrast on the test area, asked for when shown.
    DropOn(Area(),
           DraggedColour{PackColour(0x76, 0x76, 0x76), ColourSourceKind::WindowSwatch, nullptr});
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), Area()->text(0)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Area()->text(0), &help);
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("Contrast 4.62:1\n")));
}

void ShapeTestWindowTest::viewAsChangesOnlyTheDrawing()
{
    m_kit->settings.SetSetting(QStringLiteral("shp.view"), QStringLiteral("deuteranopia:1"));
    MakeFeature();
    QCOMPARE(Window()->viewAsButton()->text(), QStringLiteral("View as: Deuteranopia 1.0"));
    DropOn(Area()->shape(7), DraggedColour{kRed, ColourSourceKind::MainSwatch, nullptr});
    QCOMPARE(Area()->colours().shapeFills[7], kRed);
    // Shape8 of "Shapes 1" shows at 153, 120, inside Shape9 and below Shape7.
    const QImage seen = Area()->grab().toImage();
    QCOMPARE(seen.pixelColor(160, 125), QColor(0xA3, 0x90, 0x00));

    QTest::mouseMove(Area()->shape(7), QPoint(5, 5));
    QCOMPARE(Window()->hint(),
             QStringLiteral(" R: 255, G: 0, B: 0, HEX: #FF0000 | Simulated, seen: #A39000 "));
    // The longest readout still fits the window.
    QTest::mouseMove(Area(), QPoint(5, 5));
    QVERIFY(Window()->hint().endsWith(QStringLiteral("seen: #FFFFFF ")));
    QVERIFY(Window()->hintLine()->geometry().right() < Window()->width());

    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), Area()->text(0)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Area()->text(0), &help);
    QVERIFY(QToolTip::text().contains(QStringLiteral("\nAs seen with deuteranopia 1.0: 21:1")));

    // Choosing in the menu redraws and keeps the choice.
    Window()->viewAsMenu()->actions().first()->trigger();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("shp.view")), QStringLiteral("normal"));
    QCOMPARE(Area()->grab().toImage().pixelColor(160, 125), QColor(Qt::red));
    QTest::mouseMove(Area()->shape(7), QPoint(5, 5));
    QCOMPARE(Window()->hint(), QStringLiteral(" R: 255, G: 0, B: 0, HEX: #FF0000 "));

    // The scheme's pairs: red and the colour a deuteranope sees for it.
    DropOn(Area()->shape(6),
           DraggedColour{PackColour(0xA3, 0x90, 0), ColourSourceKind::MainSwatch, nullptr});
    Window()->ShowConfusablePairs();
    const QListWidget* pairs = Window()->pairsWindow()->pairList();
    QVERIFY(
        !pairs->findItems(QStringLiteral("Shape7 #A39000 and Shape8 #FF0000"), Qt::MatchStartsWith)
             .isEmpty());
}

void ShapeTestWindowTest::schemeRoundTrip()
{
    QByteArray ocean;
    for (int i = 1; i <= 10; ++i)
        ocean += "sc" + QByteArray::number(i) + "=" + QByteArray::number(i * 1000) + "\r\n";
    for (int i = 1; i <= 10; ++i)
        ocean += "TC" + QByteArray::number(i) + "=$00" +
                 QByteArray::number(i, 16).rightJustified(2, '0') + "0000\n";
    ocean += "background=clSkyBlue";
    WriteScheme(QStringLiteral("ocean.shm"), ocean);
    WriteScheme(QStringLiteral("Bay.SHM"), "background=clRed\r\n");
    MakeFeature();
    QListWidget* list = Schemes()->schemeList();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Bay.SHM"));

    Choose(list, QStringLiteral("ocean.shm"));
    QVERIFY(m_kit->fake.messages.shown.isEmpty()); // nothing changed, nothing asked
    const ShapeTestColours loaded = Area()->colours();
    QCOMPARE(loaded.shapeFills[5], ColorRef(6000)); // parked in "Shapes 1"
    QCOMPARE(loaded.textColours[9], ColorRef(0x000A0000));
    QCOMPARE(loaded.background, PackColour(166, 202, 240));
    QCOMPARE(Area()->shape(5)->outline(), ColorRef(6000));

    m_kit->fake.inputBox.answers = {QStringLiteral("mine")};
    QTest::mouseClick(Schemes()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_kit->fake.inputBox.calls.size(), 1);
    QCOMPARE(m_kit->fake.inputBox.calls[0].title, QStringLiteral("Type a Filename"));
    QCOMPARE(m_kit->fake.inputBox.calls[0].prompt, QStringLiteral("Type a Filename"));
    QCOMPARE(m_kit->fake.inputBox.calls[0].initial, QStringLiteral("ocean"));
    QCOMPARE(list->count(), 3);
    QVERIFY(!Schemes()->scheme().IsChanged());

    DropOn(Area(), DraggedColour{kRed, ColourSourceKind::MainSwatch, nullptr});
    DropOn(Area()->shape(9), DraggedColour{kBlue, ColourSourceKind::MainSwatch, nullptr});
    m_kit->fake.messages.answers = {true};
    Choose(list, QStringLiteral("mine.shm"));
    QCOMPARE(m_kit->fake.messages.shown.size(), 1);
    QCOMPARE(m_kit->fake.messages.shown[0].title, QStringLiteral("Continue?"));
    QVERIFY(Area()->colours() == loaded);
    QCOMPARE(Area()->shape(9)->outline(), loaded.shapeFills[9]);

    // The proposal stays the scheme loaded last, and an existing name asks first.
    m_kit->fake.inputBox.answers = {QStringLiteral("mine")};
    m_kit->fake.messages.answers = {false};
    DropOn(Area(), DraggedColour{kRed, ColourSourceKind::MainSwatch, nullptr});
    QTest::mouseClick(Schemes()->saveButton(), Qt::LeftButton);
    QCOMPARE(m_kit->fake.inputBox.calls.last().initial, QStringLiteral("mine"));
    QCOMPARE(LastMessage().title, QStringLiteral("Replace?"));
    QCOMPARE(LastMessage().text,
             QStringLiteral("mine.shm already exists. Do you want to replace it?"));
    QVERIFY(Schemes()->scheme().IsChanged());
    QFile mine(m_folder + QStringLiteral("mine.shm"));
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QVERIFY(mine.readAll().endsWith("background=clSkyBlue\r\n"));
}

void ShapeTestWindowTest::schemeLoads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<uint>("shape1");
    QTest::addColumn<uint>("background");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("changed"); // the scheme changed flag afterwards
    const uint grey = PackColour(242, 242, 242);
    QTest::newRow("background only")
        << QByteArray("background=clRed") << grey << uint(kRed) << "" << false;
    QTest::newRow("stops at a bad value")
        << QByteArray("sc1=clred\r\nsc2=bogus\r\nbackground=clBlue\r\n") << uint(kRed)
        << uint(kWhite) << "'bogus' is not a valid integer value" << true;
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'x') << grey << uint(kWhite)
                           << "Cannot open file" << true;
}

void ShapeTestWindowTest::schemeLoads()
{
    QFETCH(QByteArray, content);
    QFETCH(uint, shape1);
    QFETCH(uint, background);
    QFETCH(QString, message);
    QFETCH(bool, changed);
    WriteScheme(QStringLiteral("test.shm"), content);
    MakeFeature();
    Choose(Window()->layoutList(), QStringLiteral("Page 1"));
    // The drop marks the scheme changed; its colour is the one on Shape2.
    DropOn(Area()->shape(1), DraggedColour{kBlue, ColourSourceKind::MainSwatch, nullptr});
    m_kit->fake.messages.answers = {true};
    Choose(Schemes()->schemeList(), QStringLiteral("test.shm"));
    QCOMPARE(Area()->colours().shapeFills[0], ColorRef(shape1));
    QCOMPARE(Area()->colours().shapeFills[1], kBlue);
    QCOMPARE(Area()->colours().background, ColorRef(background));
    QCOMPARE(Area()->shape(0)->outline(), ColorRef(shape1));
    QCOMPARE(Schemes()->scheme().IsChanged(), changed);
    QCOMPARE(m_kit->fake.messages.shown.size(), message.isEmpty() ? 1 : 2);
    QVERIFY2(LastMessage().text.startsWith(message), qPrintable(LastMessage().text));
}

void ShapeTestWindowTest::saveRefusalsAndFailures_data()
{
    QTest::addColumn<QVariant>("answer"); // a null variant cancels
    QTest::addColumn<QString>("message");
    QTest::newRow("cancel") << QVariant() << "";
    QTest::newRow("empty name") << QVariant(QString()) << "Type a name for the scheme.";
    // A folder of that name cannot be replaced by a file.
    QTest::newRow("write fails") << QVariant(QStringLiteral("taken")) << "Cannot create file ";
}

void ShapeTestWindowTest::saveRefusalsAndFailures()
{
    QFETCH(QVariant, answer);
    QFETCH(QString, message);
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("taken.shm")));
    MakeFeature();
    DropOn(Area(), DraggedColour{kRed, ColourSourceKind::MainSwatch, nullptr});
    m_kit->fake.inputBox.answers = {answer.isNull() ? std::nullopt
                                                    : std::optional(answer.toString())};
    m_kit->fake.messages.answers = {true}; // "Replace?" for the folder
    Schemes()->Save();
    if (message.isEmpty())
        QVERIFY(m_kit->fake.messages.shown.isEmpty());
    else
        QVERIFY2(LastMessage().text.startsWith(message), qPrintable(LastMessage().text));
    QVERIFY(Schemes()->scheme().IsChanged());
    QCOMPARE(QDir(m_folder).entryList({QStringLiteral("*.shm")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void ShapeTestWindowTest::deleteAndRestore()
{
    WriteScheme(QStringLiteral("a.shm"), "sc8=clRed\r\n");
    WriteScheme(QStringLiteral("b.shm"), "background=clRed\r\n");
    MakeFeature();
    QListWidget* list = Schemes()->schemeList();
    auto& messages = m_kit->fake.messages;
    list->setFocus();
    messages.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete); // nothing selected
    QCOMPARE(LastMessage().text, QStringLiteral("Can not delete!: "));
    QCOMPARE(LastMessage().kind, FakeMessageBoxes::Kind::Error);
    Choose(list, QStringLiteral("a.shm"));
    Choose(list, QStringLiteral("b.shm"));
    QCOMPARE(Area()->shape(7)->colour(), kRed);
    QCOMPARE(Area()->colours().background, kRed);
    messages.answers = {false};
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(LastMessage().title, QStringLiteral("Delete?"));
    QCOMPARE(LastMessage().text, QStringLiteral("Are you sure to delete selected scheme?"));
    QCOMPARE(list->count(), 2);
    QVERIFY(QFile::remove(m_folder + QStringLiteral("b.shm")));
    messages.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(LastMessage().text, "Can not delete!: " + m_folder + "b.shm");
    QCOMPARE(list->count(), 2);
    Choose(list, QStringLiteral("a.shm"));
    messages.answers = {true};
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(list->count(), 1);
    QVERIFY(!QFile::exists(m_folder + QStringLiteral("a.shm")));
    QCOMPARE(Area()->shape(7)->colour(), kRed); // deleting changes no colour

    // Restore: unchanged, no question; the layout's colours and a white background.
    const int shown = messages.shown.size();
    QTest::mouseClick(Schemes()->restoreButton(), Qt::LeftButton);
    QCOMPARE(messages.shown.size(), shown);
    QCOMPARE(Area()->shape(7)->colour(), PackColour(255, 146, 128));
    QCOMPARE(Area()->shape(7)->outline(), PackColour(255, 146, 128));
    QCOMPARE(Area()->colours().background, kWhite);
    DropOn(Area()->text(0), DraggedColour{kBlue, ColourSourceKind::MainSwatch, nullptr});
    const QStringList record = Schemes()->scheme().Record();
    messages.answers = {false};
    Schemes()->Restore();
    QCOMPARE(LastMessage().title, QStringLiteral("Restore?"));
    QCOMPARE(Area()->text(0)->colour(), kBlue);
    messages.answers = {true};
    Schemes()->Restore();
    QCOMPARE(Area()->text(0)->colour(), ColorRef(0));
    QCOMPARE(Schemes()->scheme().Record(), record);
    QVERIFY(Schemes()->scheme().IsChanged());
}

void ShapeTestWindowTest::editLayoutSuppressesDragsAndMovesItems()
{
    MakeFeature();
    ShapeTestItem* shape = Area()->shape(6); // the orange square at 184, 144, 73 x 73
    Press(shape, QPoint(10, 10));
    Press(Area()->text(0), QPoint(1, 1));
    Press(Area(), QPoint(1, 1));
    QCOMPARE(m_drags.size(), 3);
    QCOMPARE(m_drags[0].kind, ColourSourceKind::TestShape);
    QCOMPARE(m_drags[0].colour, PackColour(255, 210, 128));
    QCOMPARE(m_drags[0].source, shape);
    QCOMPARE(m_drags[1].kind, ColourSourceKind::TestText);
    QCOMPARE(m_drags[2].kind, ColourSourceKind::TestArea);
    QCOMPARE(m_drags[2].colour, kWhite);

    QTest::mouseClick(Window()->editLayoutButton(), Qt::LeftButton);
    QVERIFY(Window()->IsEditing());
    // Moved by 20, 30, then resized from the lower-right corner by -13, +7.
    Mouse(shape, QEvent::MouseButtonPress, QPoint(10, 10));
    Mouse(shape, QEvent::MouseMove, QPoint(30, 40));
    Mouse(shape, QEvent::MouseButtonRelease, QPoint(10, 10));
    QCOMPARE(shape->geometry(), QRect(204, 174, 73, 73));
    Mouse(shape, QEvent::MouseButtonPress, QPoint(71, 71));
    Mouse(shape, QEvent::MouseMove, QPoint(58, 78));
    Mouse(shape, QEvent::MouseButtonRelease, QPoint(45, 85));
    QCOMPARE(shape->geometry(), QRect(204, 174, 60, 80));
    Press(Area(), QPoint(1, 1));
    QCOMPARE(m_drags.size(), 3);
    QCOMPARE(EditGripAt(QSize(60, 80), QPoint(55, 75)), LayoutEditGrip::Resize);
    QCOMPARE(EditGripAt(QSize(60, 80), QPoint(54, 75)), LayoutEditGrip::Move);
    // The arrow keys move the focused item a pixel; with Shift they resize it.
    QTest::keyClick(shape, Qt::Key_Right);
    QTest::keyClick(shape, Qt::Key_Up);
    QTest::keyClick(shape, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(shape->geometry(), QRect(205, 173, 59, 80));
    // Moved above the others, it comes first after the area in the Tab order.
    Mouse(shape, QEvent::MouseButtonPress, QPoint(10, 10));
    Mouse(shape, QEvent::MouseMove, QPoint(10, -190));
    Mouse(shape, QEvent::MouseButtonRelease, QPoint(10, -190));
    QCOMPARE(Area()->nextInFocusChain(), shape);

    // Kept until the next build; "X" ends the mode before hiding.
    DropOn(Area(), DraggedColour{kRed, ColourSourceKind::MainSwatch, nullptr});
    QCOMPARE(shape->geometry(), QRect(205, -27, 59, 80));
    QTest::mouseClick(Window()->closeBox(), Qt::LeftButton);
    QVERIFY(!Window()->isVisible());
    QVERIFY(!Window()->IsEditing());
    m_kit->commands.Run(Command::ShapeTest);
    QCOMPARE(shape->geometry(), QRect(184, 144, 73, 73));
}

void ShapeTestWindowTest::settingsAtCreation_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("showTexts");
    QTest::addColumn<QString>("message");
    const QSize big(1280, 1024);
    QTest::newRow("nothing stored")
        << QStringList() << false << big << QPoint(267, 104) << false << "";
    QTest::newRow("stored") << QStringList{"shp.left=-3", "shp.top=40", "showtext=1"} << false
                            << big << QPoint(-3, 40) << true << "";
    QTest::newRow("showtext other")
        << QStringList{"showtext=yes"} << false << big << QPoint(267, 104) << false << "";
    QTest::newRow("bad left") << QStringList{"shp.left=1e2", "shp.top=9", "showtext=1"} << false
                              << big << QPoint(267, 9) << true
                              << "'1e2' is not a valid integer value";
    QTest::newRow("first start 800")
        << QStringList() << true << QSize(800, 600) << QPoint(216, 218) << false << "";
    QTest::newRow("first start other")
        << QStringList() << true << big << QPoint(267, 104) << false << "";
}

void ShapeTestWindowTest::settingsAtCreation()
{
    QFETCH(QStringList, settings);
    QFETCH(bool, firstStart);
    QFETCH(QSize, screen);
    QFETCH(QPoint, place);
    QFETCH(bool, showTexts);
    QFETCH(QString, message);
    for (const QString& line : settings)
        m_kit->settings.SetSetting(line.section(QLatin1Char('='), 0, 0),
                                   line.section(QLatin1Char('='), 1));
    m_kit->fake.screen.screenSize = screen;
    m_feature = std::make_unique<ShapeTestFeature>(m_kit->context, firstStart);
    QCOMPARE(Window()->pos(), place);
    QCOMPARE(Window()->IsShowTexts(), showTexts);
    QCOMPARE(LastMessage().text, message);

    Window()->move(12, -34);
    m_feature->WriteShowTextSetting();
    m_feature->WritePositionSettings();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("showtext")),
             showTexts ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("shp.left")), QStringLiteral("12"));
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("shp.top")), QStringLiteral("-34"));
}

void ShapeTestWindowTest::keysAndCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Command>("command"); // run through the table; None: nothing
    QTest::addColumn<bool>("visible");
    QTest::newRow("F7 closes") << int(Qt::Key_F7) << 0 << Command::None << false;
    QTest::newRow("F8") << int(Qt::Key_F8) << 0 << Command::WebPageTest << true;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << Command::EyeDropper << true;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << Command::None << true;
}

void ShapeTestWindowTest::keysAndCommands()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(Command, command);
    QFETCH(bool, visible);
    MakeFeature();
    QTest::mouseClick(Window()->editLayoutButton(), Qt::LeftButton);
    // The key reaches the window whatever control has the focus.
    QTest::keyClick(Window()->layoutList(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_kit->ran, command == Command::None ? QList<Command>() : QList<Command>{command});
    QCOMPARE(Window()->isVisible(), visible);
    QCOMPARE(Window()->IsEditing(), visible);

    // The main window's F7 opens it; a double-click on the strip folds it to 16.
    QTest::keyClick(&m_kit->window, Qt::Key_F7);
    QVERIFY(Window()->isVisible());
    QTest::mouseDClick(Window()->titleStrip(), Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(Window()->height(), 16);
    QTest::mouseDClick(Window()->titleStrip(), Qt::LeftButton, {}, QPoint(50, 8));
    QCOMPARE(Window()->height(), 451);
}

void ShapeTestWindowTest::tabVisitsTheAreaInReadingOrder_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("items"); // the stops after the area, parked items skipped
    QTest::newRow("Shapes 1: outer to inner")
        << "Shapes 1" << QStringList{"Shape10", "Shape9", "Shape8", "Shape7"};
    QTest::newRow("Shapes 2: same top, left first")
        << "Shapes 2" << QStringList{"Shape10", "Shape9", "Shape8"};
    QTest::newRow("Page 1: texts and rules")
        << "Page 1" << QStringList{"Text1", "Shape1", "Text2", "Text3", "Text4", "Shape2", "Text5"};
    QTest::newRow("More...: Text3 above Text2")
        << "More..." << QStringList{"Text1", "Shape1", "Text3", "Text2", "Shape2"};
}

void ShapeTestWindowTest::tabVisitsTheAreaInReadingOrder()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, items);
    MakeFeature();
    QVERIFY(QTest::qWaitForWindowActive(Window()));
    // The window opens with the focus in the layout list, and until a key moves the
    // focus it looks as it always did.
    QWidget* list = Window()->layoutList();
    QCOMPARE(QApplication::focusWidget(), list);
    QVERIFY(!ShowsFocusFrame(*list));
    Choose(Window()->layoutList(), layout);

    const QStringList expected = QStringList{"layoutList", "testArea"} + items +
                                 QStringList{"viewAsButton", "schemeList", "saveSchemeButton",
                                             "restoreButton", "editLayoutButton"};
    QCOMPARE(TabWalk(list), expected);
    QVERIFY(ShowsFocusFrame(*list));
}

void ShapeTestWindowTest::keysDropTheMainColour_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<ShapeTestTarget>("target");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::newRow("shape, Return")
        << "Shapes 1" << ShapeTestTarget::Shape << 6 << int(Qt::Key_Return);
    QTest::newRow("rule, Space") << "Page 1" << ShapeTestTarget::Shape << 1 << int(Qt::Key_Space);
    QTest::newRow("text, keypad Enter")
        << "Page 1" << ShapeTestTarget::Text << 3 << int(Qt::Key_Enter);
    QTest::newRow("background, Space")
        << "More..." << ShapeTestTarget::Area << 0 << int(Qt::Key_Space);
}

void ShapeTestWindowTest::keysDropTheMainColour()
{
    QFETCH(QString, layout);
    QFETCH(ShapeTestTarget, target);
    QFETCH(int, index);
    QFETCH(int, key);
    MakeFeature();
    Choose(Window()->layoutList(), layout);
    constexpr ColorRef kMain = PackColour(18, 52, 86);
    m_kit->colour.SetMainColour(kMain);
    ShapeTestColours expected = Area()->colours();
    QWidget* widget = Area();
    if (target == ShapeTestTarget::Shape) {
        widget = Area()->shape(index);
        expected.shapeFills[std::size_t(index)] = kMain;
    } else if (target == ShapeTestTarget::Text) {
        widget = Area()->text(index);
        expected.textColours[std::size_t(index)] = kMain;
    } else {
        expected.background = kMain;
    }
    QTest::keyClick(widget, Qt::Key(key));
    // Just as a drop of the main swatch: the colour, the outline, the scheme record.
    QVERIFY(Area()->colours() == expected);
    if (target == ShapeTestTarget::Shape)
        QCOMPARE(Area()->shape(index)->outline(), kMain);
    QVERIFY(Schemes()->scheme().IsChanged());
    QCOMPARE(Schemes()->scheme().Record(), SchemeRecordLines(expected));
    QVERIFY(Window()->hint().contains(QStringLiteral("#123456")));
}

QTEST_MAIN(ShapeTestWindowTest)
#include "tst_shapetestwindow.moc"
