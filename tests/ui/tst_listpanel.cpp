#include "support/FocusWalk.h"
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/ColourDrag.h"
#include "ui/widgets/ColourListDelegate.h"
#include "ui/widgets/ColourListView.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/ConfusablePairsWindow.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainValuesPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const ColorRef kStart = PackColour(6, 167, 255);
const ColorRef kRed = PackColour(255, 0, 0);
const ColorRef kTeal = PackColour(0, 128, 128);

// The main window with the list panel, on fake desktop operations.
struct Kit : MainWindowKit
{
    Kit() : MainWindowKit(QStringLiteral("/nowhere/")) { panel = MakeListPanel(context); }

    std::unique_ptr<ListPanel> panel;
};

using Way = std::function<void(Kit&)>;

} // namespace

Q_DECLARE_METATYPE(Way)

class ListPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placeAndMenuEntries();
    void hardToTellApartPairsSelectBothItems();
    void menuOpensFromListHeadingAndButton();
    void addMainColour_data();
    void addMainColour();
    void addingRewritesTheValuesFromTheBytes_data();
    void addingRewritesTheValuesFromTheBytes();
    void drops_data();
    void drops();
    void deleteSelected_data();
    void deleteSelected();
    void newList();
    void displayModeSetting_data();
    void displayModeSetting();
    void doubleClickSetsTheMainColour();
    void tabReachesTheListBetweenItsButtons();
    void statusTextAndSelectedRows();

private:
    ColourListView* View() const { return m_kit->panel->listView(); }
    QPoint RowCentre(int row) const { return View()->visualRect(m_kit->list.index(row)).center(); }
    void MoveOverList(QPoint position);

    std::unique_ptr<Kit> m_kit;
};

void ListPanelTest::init()
{
    m_kit = std::make_unique<Kit>();
    m_kit->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_kit->window));
}

void ListPanelTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_kit.reset();
}

// Sent directly: a press on the list starts a drag, which the offscreen platform
// ends at once without clearing the pressed button, so simulated moves after it
// would count as dragging.
void ListPanelTest::MoveOverList(QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, View()->viewport()->mapToGlobal(position),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(View()->viewport(), &move);
}

void ListPanelTest::placeAndMenuEntries()
{
    QCOMPARE(View()->objectName(), QStringLiteral("colourList"));
    QCOMPARE(View()->geometry(), QRect(328, 80, 169, 305));
    // The list's bar draws its thumb as the main window's bars do.
    QCOMPARE(View()->verticalScrollBar()->style(),
             ValuesPanelOf(m_kit->window)->rgbBar(0)->style());

    const QStringList expected{"Add Main Color to Color List\tCtrl+A",
                               "Delete Selected Color\tCtrl+D",
                               "-",
                               "New List\tCtrl+N",
                               "Save List\tCtrl+S",
                               "Load List\tCtrl+O",
                               "Reopen\tCtrl+R",
                               "-",
                               "&Big Color List",
                               "&Small Color List",
                               "-",
                               "Export\tCtrl+X",
                               "Clear Duplicate Colors",
                               "Colors Hard to Tell Apart..."};
    QStringList entries;
    QMenu* menu = m_kit->panel->listMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("listMenu"));
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else if (action->shortcut().isEmpty())
            entries << action->text();
        else
            entries << action->text() + QLatin1Char('\t') + action->shortcut().toString();
        // Shown only: the keyboard map runs the keys, so none may fire twice.
        if (!action->shortcut().isEmpty())
            QCOMPARE(action->shortcutContext(), Qt::WidgetShortcut);
    }
    QCOMPARE(entries, expected);
    QVERIFY(m_kit->panel->bigListAction()->isChecked());
    QVERIFY(!m_kit->panel->smallListAction()->isChecked());

    // Entries owned by other features go through the keyboard map's commands.
    m_kit->RecordUnhandledCommands();
    for (int i : {4, 5, 6, 11})
        menu->actions().at(i)->trigger();
    QCOMPARE(m_kit->ran, (QList<Command>{Command::SaveList, Command::LoadList, Command::Reopen,
                                         Command::ExportMenu}));
    menu->actions().at(12)->trigger(); // "Clear Duplicate Colors"
    QVERIFY(m_kit->list.IsChanged());
}

void ListPanelTest::hardToTellApartPairsSelectBothItems()
{
    Kit kit;
    // Red and #A39000, red as a deuteranope sees it; blue apart from both.
    for (const ColorRef colour : {kRed, PackColour(0, 0, 255), PackColour(0xA3, 0x90, 0)})
        kit.list.AddDroppedColourToList(colour);
    kit.panel->ShowConfusablePairs();
    QListWidget* pairs = kit.panel->pairsWindow()->pairList();
    const QList<QListWidgetItem*> found =
        pairs->findItems(QStringLiteral("#FF0000 and #A39000"), Qt::MatchStartsWith);
    QVERIFY(!found.isEmpty());
    emit pairs->itemActivated(found.first());
    QCOMPARE(kit.panel->SelectedRows(), (QList<int>{0, 2}));

    // A list changed since then is left alone.
    kit.panel->listView()->clearSelection();
    kit.list.DeleteRows({0});
    emit pairs->itemActivated(found.first());
    QVERIFY(kit.panel->SelectedRows().isEmpty());
}

void ListPanelTest::menuOpensFromListHeadingAndButton()
{
    QMenu* menu = m_kit->panel->listMenu();
    PanelButton* button = PanelButtonOf(m_kit->window, "listButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, 0)));
    menu->close();

    QLabel* heading = nullptr;
    for (QLabel* label : m_kit->window.findChildren<QLabel*>()) {
        if (label->text() == QLatin1String(" Color List"))
            heading = label;
    }
    QVERIFY(heading);
    QTest::mousePress(heading, Qt::RightButton, {}, QPoint(10, 5));
    QVERIFY(menu->isVisible());
    menu->close();

    // A right click on the list keeps the selection the menu will act on.
    m_kit->list.AddDroppedColourToList(kRed);
    m_kit->list.AddDroppedColourToList(kTeal);
    View()->selectionModel()->select(m_kit->list.index(0), QItemSelectionModel::Select);
    QTest::mousePress(View()->viewport(), Qt::RightButton, {}, RowCentre(1));
    QVERIFY(menu->isVisible());
    QCOMPARE(View()->SelectedRows(), QList<int>{0});
}

void ListPanelTest::addMainColour_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Ctrl+A") << Way(
        [](Kit& kit) { QTest::keyClick(&kit.window, Qt::Key_A, Qt::ControlModifier); });
    QTest::newRow("list menu") << Way(
        [](Kit& kit) { kit.panel->listMenu()->actions().at(0)->trigger(); });
    QTest::newRow("main colour menu")
        << Way([](Kit& kit) { ActionOf(kit.window, "addMainColourAction")->trigger(); });
}

void ListPanelTest::addMainColour()
{
    QFETCH(Way, way);
    QSignalSpy flag(&m_kit->list, &ColourList::changedFlagChanged);
    way(*m_kit);
    QCOMPARE(m_kit->list.count(), 1);
    QCOMPARE(m_kit->list.item(0).text, QStringLiteral("6,167,255             #06A7FF - FFA706"));
    QVERIFY(m_kit->list.IsChanged());
    QCOMPARE(m_kit->history.count(), 1);

    way(*m_kit);
    QCOMPARE(m_kit->list.count(), 1);
    QCOMPARE(flag.size(), 1);
    QCOMPARE(m_kit->history.count(), 2);
    QCOMPARE(m_kit->history.colourAt(1), kStart);
}

void ListPanelTest::addingRewritesTheValuesFromTheBytes_data()
{
    QTest::addColumn<bool>("alreadyListed");
    QTest::addColumn<bool>("shortHexText");
    QTest::addColumn<QStringList>("edits"); // R, G, B, H, S, L, hex after the add
    // Hue 3, saturation 40 give the bytes 181, 85, 81, which read back as hue 2.
    QTest::newRow("after the HSL bars")
        << false << false << QStringList{"181", "85", "81", "2", "40", "51", "B55551"};
    QTest::newRow("already listed: nothing changes")
        << true << false << QStringList{"181", "85", "81", "3", "40", "51", "B55551"};
    QTest::newRow("after a short hex text")
        << false << true << QStringList{"255", "255", "15", "60", "100", "53", "FFFF0F"};
}

void ListPanelTest::addingRewritesTheValuesFromTheBytes()
{
    QFETCH(bool, alreadyListed);
    QFETCH(bool, shortHexText);
    QFETCH(QStringList, edits);
    MainValuesPanel* values = ValuesPanelOf(m_kit->window);
    if (shortHexText) {
        values->hexEdit()->setText(QStringLiteral("FFF"));
        QTest::keyClick(values->hexEdit(), Qt::Key_Return);
        QCOMPARE(m_kit->colour.rgb(), (Rgb{255, 255, 15}));
    } else {
        values->hslBar(0)->setValue(3);
        values->hslBar(1)->setValue(40);
    }
    if (alreadyListed)
        m_kit->list.AddDroppedColourToList(m_kit->colour.colour());
    m_kit->panel->AddMainColourToList();
    QStringList shown;
    for (int channel = 0; channel < 3; ++channel)
        shown << values->rgbEdit(channel)->text();
    for (int channel = 0; channel < 3; ++channel)
        shown << values->hslEdit(channel)->text();
    shown << values->hexEdit()->text();
    QCOMPARE(shown, edits);
}

void ListPanelTest::drops_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("fromTheList");
    QTest::addColumn<ColorRef>("colour");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("items");

    const int swatch = int(ColourSourceKind::WindowSwatch);
    QTest::newRow("swatch, new colour") << swatch << false << kTeal << true << 2;
    QTest::newRow("swatch, already listed") << swatch << false << kRed << true << 1;
    QTest::newRow("coloured panel")
        << int(ColourSourceKind::WebPagePart) << false << kTeal << true << 2;
    QTest::newRow("text") << int(ColourSourceKind::TestText) << false << kTeal << true << 2;
    QTest::newRow("variations image")
        << int(ColourSourceKind::VariationsImage) << false << kTeal << true << 2;
    QTest::newRow("the list itself")
        << int(ColourSourceKind::ColourList) << true << kTeal << false << 1;
}

void ListPanelTest::drops()
{
    QFETCH(int, kind);
    QFETCH(bool, fromTheList);
    QFETCH(ColorRef, colour);
    QFETCH(bool, accepted);
    QFETCH(int, items);
    m_kit->list.AddDroppedColourToList(kRed);
    QObject otherSource;
    const QObject* source = fromTheList ? static_cast<QObject*>(View()) : &otherSource;
    std::unique_ptr<QMimeData> data(
        CreateColourMimeData(DraggedColour{colour, ColourSourceKind(kind), source}));
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(View()->viewport(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted) {
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(View()->viewport(), &drop);
    }
    QCOMPARE(m_kit->list.count(), items);
    QCOMPARE(m_kit->list.item(items - 1).colour, accepted ? colour : kRed);
    QCOMPARE(m_kit->history.count(), accepted ? 1 : 0);
    QCOMPARE(m_kit->colour.colour(), kStart);
}

void ListPanelTest::deleteSelected_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Ctrl+D") << Way(
        [](Kit& kit) { QTest::keyClick(&kit.window, Qt::Key_D, Qt::ControlModifier); });
    QTest::newRow("Delete in the list") << Way([](Kit& kit) {
        kit.panel->listView()->setFocus();
        QTest::keyClick(kit.panel->listView(), Qt::Key_Delete);
    });
}

void ListPanelTest::deleteSelected()
{
    QFETCH(Way, way);
    ColourList& list = m_kit->list;
    for (ColorRef colour : {kRed, kTeal, kStart})
        list.AddDroppedColourToList(colour);
    list.SetChanged(false);

    // Nothing selected: the question still comes, and Yes sets the flag.
    m_kit->fake.messages.answers = {true};
    way(*m_kit);
    QCOMPARE(m_kit->fake.messages.shown.size(), 1);
    QCOMPARE(m_kit->fake.messages.shown[0].text,
             QStringLiteral("Are you sure to delete selected color(s)?"));
    QCOMPARE(m_kit->fake.messages.shown[0].title, QStringLiteral("Delete?"));
    QCOMPARE(list.count(), 3);
    QVERIFY(list.IsChanged());

    View()->selectionModel()->select(list.index(0), QItemSelectionModel::Select);
    View()->selectionModel()->select(list.index(2), QItemSelectionModel::Select);
    list.SetChanged(false);
    m_kit->fake.messages.answers = {false, true};
    way(*m_kit);
    QCOMPARE(list.count(), 3);
    QVERIFY(!list.IsChanged());
    way(*m_kit);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.item(0).colour, kTeal);
    QVERIFY(list.IsChanged());
}

void ListPanelTest::newList()
{
    ColourList& list = m_kit->list;
    list.AddDroppedColourToList(kRed);
    list.SetChanged(false);
    list.SetCurrentListPath(QStringLiteral("/lists/a.cll"));
    m_kit->settings.SetSetting(QStringLiteral("lastcll"), QStringLiteral("/lists/a.cll"));

    // Unchanged: no question.
    QTest::keyClick(&m_kit->window, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(m_kit->fake.messages.shown.isEmpty());
    QCOMPARE(list.count(), 0);
    QVERIFY(list.CurrentListPath().isEmpty());
    QCOMPARE(m_kit->settings.lines(), QStringList{QStringLiteral("Settings")});

    list.AddDroppedColourToList(kRed);
    m_kit->fake.messages.answers = {false, true};
    m_kit->panel->listMenu()->actions().at(3)->trigger();
    QCOMPARE(m_kit->fake.messages.shown.size(), 1);
    QCOMPARE(m_kit->fake.messages.shown[0].text,
             QStringLiteral("Are you sure to create new color list?"));
    QCOMPARE(m_kit->fake.messages.shown[0].title, QStringLiteral("New?"));
    QCOMPARE(list.count(), 1);
    m_kit->panel->NewList();
    QCOMPARE(list.count(), 0);
    QVERIFY(!list.IsChanged());
}

void ListPanelTest::displayModeSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("small");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("other") << QStringLiteral("yes") << false;
    QTest::newRow("missing") << QString() << false;
}

void ListPanelTest::displayModeSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, small);
    ListPanel& panel = *m_kit->panel;
    m_kit->list.AddDroppedColourToList(kRed);
    // Start from the other mode, so that the setting has something to change.
    (small ? panel.bigListAction() : panel.smallListAction())->trigger();
    QCOMPARE(panel.IsSmallMode(), !small);
    m_kit->settings.SetSetting(QStringLiteral("smallwheel"), stored);

    panel.ApplySmallWheelSetting();
    QCOMPARE(panel.IsSmallMode(), small);
    QCOMPARE(panel.smallListAction()->isChecked(), small);
    QCOMPARE(panel.bigListAction()->isChecked(), !small);
    QCOMPARE(View()->visualRect(m_kit->list.index(0)).height(),
             small ? ColourListDelegate::kSmallItemHeight : ColourListDelegate::kBigItemHeight);
    panel.WriteSmallWheelSetting();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("smallwheel")),
             small ? QStringLiteral("1") : QStringLiteral("0"));
}

void ListPanelTest::doubleClickSetsTheMainColour()
{
    m_kit->list.AddDroppedColourToList(kRed);
    m_kit->list.AddDroppedColourToList(kTeal);
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QCOMPARE(m_kit->colour.colour(), kTeal);
    QCOMPARE(m_kit->history.count(), 1);

    // Below the last item there is no colour to take.
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, QPoint(50, 290));
    QCOMPARE(m_kit->history.count(), 1);

    // Enter on the current item does what the double-click does.
    QTest::keyClick(View(), Qt::Key_Up);
    QCOMPARE(m_kit->colour.colour(), kTeal);
    QTest::keyClick(View(), Qt::Key_Return);
    QCOMPARE(m_kit->colour.colour(), kRed);
    QCOMPARE(m_kit->history.count(), 2);
}

void ListPanelTest::tabReachesTheListBetweenItsButtons()
{
    const QStringList stops = TabWalk(View());
    QCOMPARE(stops.mid(0, 4),
             (QStringList{"colourList", "saveAsButton", "loadButton", "listButton"}));
    QCOMPARE(stops.last(), QStringLiteral("moreButton"));
}

void ListPanelTest::statusTextAndSelectedRows()
{
    const QString intro = QStringLiteral("This is the color list. Drag a color to add it to the "
                                         "list. Double click any color to see its details.");
    MoveOverList(QPoint(40, 40));
    QCOMPARE(m_kit->window.statusText(), intro + QStringLiteral(" (  No colors in the list. )"));
    for (ColorRef colour : {kRed, kTeal, kStart})
        m_kit->list.AddDroppedColourToList(colour);
    m_kit->list.SetCurrentListPath(QStringLiteral("/lists/web.cll"));
    MoveOverList(QPoint(40, 45));
    QCOMPARE(m_kit->window.statusText(),
             intro +
                 QStringLiteral(" ( Loaded /lists/web.cll. There are 3 colors in the list.  )"));

    View()->selectionModel()->select(m_kit->list.index(2), QItemSelectionModel::Select);
    View()->selectionModel()->select(m_kit->list.index(0), QItemSelectionModel::Select);
    QCOMPARE(m_kit->panel->SelectedRows(), (QList<int>{0, 2}));
}

QTEST_MAIN(ListPanelTest)
#include "tst_listpanel.moc"
