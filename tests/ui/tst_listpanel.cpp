#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "support/FakePlatform.h"
#include "ui/AppContext.h"
#include "ui/ColourDrag.h"
#include "ui/ColourListDelegate.h"
#include "ui/ColourListView.h"
#include "ui/ListPanel.h"
#include "ui/PanelButton.h"
#include "ui/TForm1.h"

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const ColorRef kStart = PackColour(6, 167, 255);
const ColorRef kRed = PackColour(255, 0, 0);
const ColorRef kTeal = PackColour(0, 128, 128);

using Way = std::function<void(TForm1*, ListPanel*)>;

} // namespace

Q_DECLARE_METATYPE(Way)

class ListPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placeAndMenuEntries();
    void menuOpensFromListHeadingAndButton();
    void addMainColour_data();
    void addMainColour();
    void drops_data();
    void drops();
    void deleteSelected_data();
    void deleteSelected();
    void clearDuplicatesSetsTheFlag();
    void newList();
    void displayModeSetting_data();
    void displayModeSetting();
    void doubleClickSetsTheMainColour();
    void statusTextAndSelectedRows();

private:
    ColourListView* View() const { return m_panel->listView(); }
    QPoint RowCentre(int row) const;
    bool SendDrag(const DraggedColour& dragged, bool drop);
    void MoveOverList(QPoint position);

    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Platform> m_platform;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<MainColour> m_colour;
    std::unique_ptr<ColourList> m_list;
    std::unique_ptr<HistoryList> m_history;
    std::unique_ptr<RecentLists> m_recent;
    std::unique_ptr<TForm1> m_window;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<ListPanel> m_panel;
};

void ListPanelTest::init()
{
    const QString folder = m_dir.path() + QLatin1Char('/');
    m_fake = std::make_unique<FakePlatform>();
    m_platform = std::make_unique<Platform>(m_fake->platform());
    m_settings = std::make_unique<SettingsStore>();
    m_colour = std::make_unique<MainColour>();
    m_list = std::make_unique<ColourList>();
    m_history = std::make_unique<HistoryList>();
    m_recent = std::make_unique<RecentLists>(folder + QStringLiteral("default.cll"));
    connect(m_colour.get(), &MainColour::recorded, m_history.get(), &HistoryList::AddToHistory);
    m_window = std::make_unique<TForm1>(*m_platform, *m_colour, folder);
    m_context = std::make_unique<AppContext>(
        AppContext{*m_platform, *m_settings, *m_colour, *m_list, *m_history, *m_recent, folder});
    m_context->mainWindow = m_window.get();
    m_panel = std::make_unique<ListPanel>(*m_context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void ListPanelTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_panel.reset();
    m_window.reset();
}

QPoint ListPanelTest::RowCentre(int row) const
{
    return View()->visualRect(m_list->index(row)).center();
}

bool ListPanelTest::SendDrag(const DraggedColour& dragged, bool drop)
{
    std::unique_ptr<QMimeData> data(CreateColourMimeData(dragged));
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(View()->viewport(), &enter);
    if (drop && enter.isAccepted()) {
        QDropEvent dropEvent(QPointF(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(View()->viewport(), &dropEvent);
    }
    return enter.isAccepted();
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
    QCOMPARE(View()->objectName(), QStringLiteral("ListBox1"));
    QCOMPARE(View()->parentWidget(), m_window.get());
    QCOMPARE(View()->geometry(), QRect(328, 80, 169, 305));

    struct Entry
    {
        const char* text;
        const char* shortcut;
    };
    const Entry expected[] = {{"Add Main Color to Color List", "Ctrl+A"},
                              {"Delete Selected Color", "Ctrl+D"},
                              {nullptr, nullptr},
                              {"New List", "Ctrl+N"},
                              {"Save List", "Ctrl+S"},
                              {"Load List", "Ctrl+O"},
                              {"Reopen", "Ctrl+R"},
                              {nullptr, nullptr},
                              {"&Big Color List", ""},
                              {"&Small Color List", ""},
                              {nullptr, nullptr},
                              {"Export", "Ctrl+X"},
                              {"Clear Duplicate Colors", ""}};
    const QList<QAction*> actions = m_panel->listMenu()->actions();
    QCOMPARE(m_panel->listMenu()->objectName(), QStringLiteral("Pop2"));
    QCOMPARE(actions.size(), int(std::size(expected)));
    for (int i = 0; i < actions.size(); ++i) {
        if (!expected[i].text) {
            QVERIFY(actions[i]->isSeparator());
            continue;
        }
        QCOMPARE(actions[i]->text(), QLatin1String(expected[i].text));
        QCOMPARE(actions[i]->shortcut().toString(), QLatin1String(expected[i].shortcut));
        // Shown only: the keyboard map runs the keys, so no shortcut may fire twice.
        if (!actions[i]->shortcut().isEmpty())
            QCOMPARE(actions[i]->shortcutContext(), Qt::WidgetShortcut);
    }
    QVERIFY(m_panel->bigListAction()->isChecked());
    QVERIFY(!m_panel->smallListAction()->isChecked());

    // Entries owned by other features go through the keyboard map's commands.
    QSignalSpy commands(m_window.get(), &TForm1::commandRequested);
    for (int i : {4, 5, 6, 11})
        actions[i]->trigger();
    QCOMPARE(commands.size(), 4);
    QCOMPARE(commands[0][0].value<KeyCommand>(), KeyCommand::SaveList);
    QCOMPARE(commands[1][0].value<KeyCommand>(), KeyCommand::LoadList);
    QCOMPARE(commands[2][0].value<KeyCommand>(), KeyCommand::Reopen);
    QCOMPARE(commands[3][0].value<KeyCommand>(), KeyCommand::ExportMenu);
}

void ListPanelTest::menuOpensFromListHeadingAndButton()
{
    QMenu* menu = m_panel->listMenu();
    PanelButton* button = m_window->listButton();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, 0)));
    menu->close();

    QLabel* heading = nullptr;
    for (QLabel* label : m_window->findChildren<QLabel*>()) {
        if (label->text() == QLatin1String(" Color List"))
            heading = label;
    }
    QVERIFY(heading);
    QTest::mousePress(heading, Qt::RightButton, {}, QPoint(10, 5));
    QVERIFY(menu->isVisible());
    menu->close();

    // A right click on the list keeps the selection the menu will act on.
    m_list->AddDroppedColourToList(kRed);
    m_list->AddDroppedColourToList(kTeal);
    View()->selectionModel()->select(m_list->index(0), QItemSelectionModel::Select);
    QTest::mousePress(View()->viewport(), Qt::RightButton, {}, RowCentre(1));
    QVERIFY(menu->isVisible());
    QCOMPARE(View()->SelectedRows(), QList<int>{0});
    menu->close();
}

void ListPanelTest::addMainColour_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Ctrl+A") << Way([](TForm1* window, ListPanel*) {
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    });
    QTest::newRow("Ctrl+A with the focus in the list") << Way([](TForm1*, ListPanel* panel) {
        panel->listView()->setFocus();
        QTest::keyClick(panel->listView(), Qt::Key_A, Qt::ControlModifier);
    });
    QTest::newRow("list menu") << Way(
        [](TForm1*, ListPanel* panel) { panel->listMenu()->actions().at(0)->trigger(); });
    QTest::newRow("main colour menu")
        << Way([](TForm1* window, ListPanel*) { window->addMainColourAction()->trigger(); });
}

void ListPanelTest::addMainColour()
{
    QFETCH(Way, way);
    QSignalSpy flag(m_list.get(), &ColourList::changedFlagChanged);
    way(m_window.get(), m_panel.get());
    QCOMPARE(m_list->count(), 1);
    QCOMPARE(m_list->item(0).text, QStringLiteral("6,167,255             #06A7FF - FFA706"));
    QVERIFY(m_list->IsChanged());
    QCOMPARE(m_history->count(), 1);

    way(m_window.get(), m_panel.get());
    QCOMPARE(m_list->count(), 1);
    QCOMPARE(flag.size(), 1);
    QCOMPARE(m_history->count(), 2);
    QCOMPARE(m_history->colourAt(1), kStart);
    QCOMPARE(m_colour->colour(), kStart);
}

void ListPanelTest::drops_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("fromTheList");
    QTest::addColumn<ColorRef>("colour");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("items");

    const int swatch = int(ColourSourceKind::Swatch);
    QTest::newRow("swatch, new colour") << swatch << false << kTeal << true << 2;
    QTest::newRow("swatch, already listed") << swatch << false << kRed << true << 1;
    QTest::newRow("coloured panel")
        << int(ColourSourceKind::ColouredPanel) << false << kTeal << true << 2;
    QTest::newRow("text") << int(ColourSourceKind::Text) << false << kTeal << true << 2;
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
    m_list->AddDroppedColourToList(kRed);
    QObject otherSource;
    const QObject* source = fromTheList ? static_cast<QObject*>(View()) : &otherSource;
    QCOMPARE(SendDrag(DraggedColour{colour, ColourSourceKind(kind), source}, true), accepted);
    QCOMPARE(m_list->count(), items);
    QCOMPARE(m_list->item(items - 1).colour, accepted ? colour : kRed);
    QCOMPARE(m_history->count(), accepted ? 1 : 0);
    QCOMPARE(m_colour->colour(), kStart);
}

void ListPanelTest::deleteSelected_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("Ctrl+D") << Way([](TForm1* window, ListPanel*) {
        QTest::keyClick(window, Qt::Key_D, Qt::ControlModifier);
    });
    QTest::newRow("Delete in the list") << Way([](TForm1*, ListPanel* panel) {
        panel->listView()->setFocus();
        QTest::keyClick(panel->listView(), Qt::Key_Delete);
    });
    QTest::newRow("list menu") << Way(
        [](TForm1*, ListPanel* panel) { panel->listMenu()->actions().at(1)->trigger(); });
}

void ListPanelTest::deleteSelected()
{
    QFETCH(Way, way);
    for (ColorRef colour : {kRed, kTeal, kStart})
        m_list->AddDroppedColourToList(colour);
    m_list->SetChanged(false);

    // Nothing selected: the question still comes, and Yes sets the flag.
    m_fake->messages.answers = {true};
    way(m_window.get(), m_panel.get());
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("Are you sure to delete selected color(s)?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Delete?"));
    QCOMPARE(m_list->count(), 3);
    QVERIFY(m_list->IsChanged());

    View()->selectionModel()->select(m_list->index(0), QItemSelectionModel::Select);
    View()->selectionModel()->select(m_list->index(2), QItemSelectionModel::Select);
    m_list->SetChanged(false);
    m_fake->messages.answers = {false};
    way(m_window.get(), m_panel.get());
    QCOMPARE(m_list->count(), 3);
    QVERIFY(!m_list->IsChanged());

    m_fake->messages.answers = {true};
    way(m_window.get(), m_panel.get());
    QCOMPARE(m_list->count(), 1);
    QCOMPARE(m_list->item(0).colour, kTeal);
    QVERIFY(m_list->IsChanged());
}

void ListPanelTest::clearDuplicatesSetsTheFlag()
{
    m_list->ReplaceItems({{FormatListItemText(kRed), kRed},
                          {FormatListItemText(kTeal), kTeal},
                          {FormatListItemText(kRed), kRed}});
    m_panel->listMenu()->actions().last()->trigger();
    QCOMPARE(m_list->count(), 2);
    QCOMPARE(m_list->item(0).colour, kTeal);
    QVERIFY(m_list->IsChanged());
    QVERIFY(m_fake->messages.shown.isEmpty());
}

void ListPanelTest::newList()
{
    m_list->AddDroppedColourToList(kRed);
    m_list->SetChanged(false);
    m_list->SetCurrentListPath(QStringLiteral("/lists/a.cll"));
    m_settings->SetSetting(QStringLiteral("lastcll"), QStringLiteral("/lists/a.cll"));

    // Unchanged: no question.
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(m_fake->messages.shown.isEmpty());
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_list->CurrentListPath().isEmpty());
    QVERIFY(m_settings->GetSetting(QStringLiteral("lastcll")).isEmpty());
    QVERIFY(!m_settings->lines().join(QLatin1Char('\n')).contains(QLatin1String("lastcll")));

    m_list->AddDroppedColourToList(kRed);
    m_fake->messages.answers = {false, true};
    m_panel->listMenu()->actions().at(3)->trigger();
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("Are you sure to create new color list?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("New?"));
    QCOMPARE(m_list->count(), 1);
    QVERIFY(m_list->IsChanged());
    m_panel->NewList();
    QCOMPARE(m_list->count(), 0);
    QVERIFY(!m_list->IsChanged());
}

void ListPanelTest::displayModeSetting_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("small");
    QTest::addColumn<QString>("written");
    QTest::newRow("1") << QStringLiteral("1") << true << QStringLiteral("1");
    QTest::newRow("0") << QStringLiteral("0") << false << QStringLiteral("0");
    QTest::newRow("other") << QStringLiteral("yes") << false << QStringLiteral("0");
    QTest::newRow("missing") << QString() << false << QStringLiteral("0");
}

void ListPanelTest::displayModeSetting()
{
    QFETCH(QString, stored);
    QFETCH(bool, small);
    QFETCH(QString, written);
    m_list->AddDroppedColourToList(kRed);
    // Start from the other mode, so that the setting has something to change.
    m_panel->smallListAction()->trigger();
    if (!small)
        QVERIFY(m_panel->IsSmallMode());
    else
        m_panel->bigListAction()->trigger();
    m_settings->SetSetting(QStringLiteral("smallwheel"), stored);

    m_panel->ApplySmallWheelSetting();
    QCOMPARE(m_panel->IsSmallMode(), small);
    QCOMPARE(m_panel->smallListAction()->isChecked(), small);
    QCOMPARE(m_panel->bigListAction()->isChecked(), !small);
    QCOMPARE(View()->visualRect(m_list->index(0)).height(),
             small ? ColourListDelegate::kSmallItemHeight : ColourListDelegate::kBigItemHeight);
    m_panel->WriteSmallWheelSetting();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("smallwheel")), written);
}

void ListPanelTest::doubleClickSetsTheMainColour()
{
    m_list->AddDroppedColourToList(kRed);
    m_list->AddDroppedColourToList(kTeal);
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QCOMPARE(m_colour->colour(), kTeal);
    QCOMPARE(m_history->count(), 1);
    QCOMPARE(m_history->colourAt(0), kTeal);

    // Below the last item there is no colour to take.
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, QPoint(50, 290));
    QCOMPARE(m_colour->colour(), kTeal);
    QCOMPARE(m_history->count(), 1);
}

void ListPanelTest::statusTextAndSelectedRows()
{
    MoveOverList(QPoint(40, 40));
    QCOMPARE(m_window->statusText(),
             QStringLiteral("This is the color list. Drag a color to add it to the list. Double "
                            "click any color to see its details. (  No colors in the list. )"));
    for (ColorRef colour : {kRed, kTeal, kStart})
        m_list->AddDroppedColourToList(colour);
    m_list->SetCurrentListPath(QStringLiteral("/lists/web.cll"));
    MoveOverList(QPoint(40, 45));
    QCOMPARE(m_window->statusText(),
             QStringLiteral("This is the color list. Drag a color to add it to the list. Double "
                            "click any color to see its details. ( Loaded /lists/web.cll. There "
                            "are 3 colors in the list.  )"));

    View()->selectionModel()->select(m_list->index(2), QItemSelectionModel::Select);
    View()->selectionModel()->select(m_list->index(0), QItemSelectionModel::Select);
    QCOMPARE(m_context->selectedListRows(), (QList<int>{0, 2}));
    m_panel.reset();
    QVERIFY(m_context->selectedListRows().isEmpty());
}

QTEST_MAIN(ListPanelTest)
#include "tst_listpanel.moc"
