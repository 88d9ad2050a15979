#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/AppContext.h"
#include "ui/features/HistoryFeature.h"
#include "ui/HowToTexts.h"
#include "ui/widgets/HistoryView.h"
#include "ui/widgets/TitleStrip.h"
#include "ui/windows/HistoryWindow.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/TipWindow.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Command)

namespace {

constexpr int kNeverMs = 3600 * 1000;

} // namespace

class HistoryWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndMenus();
    void committingTwiceGivesTwoEntries();
    void newestEntryIsFullyShown_data();
    void newestEntryIsFullyShown();
    void startUpRestoresTheLastColour_data();
    void startUpRestoresTheLastColour();
    void unreadableLineLosesNoStoredEntries();
    void clearHistoryThenWriteLeavesAnEmptyFile();
    void fadeAfterUndoTickByTick();
    void clickDuringTheFadeMakesItOpaqueAgain();
    void autoCloseSettingAtCreation_data();
    void autoCloseSettingAtCreation();
    void autoCloseOffKeepsTheWindowOpaque();
    void autoCloseWrittenAtEachToggle();
    void undoAndRedoStepWithoutRecording();
    void deleteAsksAndRemovesOnlyOnYes();
    void doubleClickSetsAndRecords();
    void keysInTheListRunTheToolWindowMap();
    void helpMenuShowsTheHowTos();
    void docksToTheMainWindow();
    void superMinimizeFollowsTheMainWindow();

private:
    void WriteHistoryFile(const QByteArray& bytes);
    QByteArray ReadHistoryFile() const;
    void MakeFeature();
    int Opacity() const;
    void Ticks(int count);
    HistoryWindow* Window() const { return m_feature->window(); }
    HistoryView* List() const { return m_feature->window()->historyView(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<MainWindowKit> m_kit;
    FakePlatform* m_fake = nullptr;
    SettingsStore* m_settings = nullptr;
    MainColour* m_colour = nullptr;
    ColourList* m_list = nullptr;
    HistoryList* m_history = nullptr;
    RecentLists* m_recent = nullptr;
    MainWindow* m_main = nullptr;
    AppContext* m_context = nullptr;
    std::unique_ptr<HistoryFeature> m_feature;
    std::unique_ptr<QSignalSpy> m_records;
};

void HistoryWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->path() + QLatin1Char('/');
    m_kit = std::make_unique<MainWindowKit>(m_folder);
    m_fake = &m_kit->fake;
    m_settings = &m_kit->settings;
    m_colour = &m_kit->colour;
    m_list = &m_kit->list;
    m_history = &m_kit->history;
    m_recent = &m_kit->recent;
    m_main = &m_kit->window;
    m_context = &m_kit->context;
    m_main->move(216, 158);
    m_records = std::make_unique<QSignalSpy>(m_colour, &MainColour::recorded);
}

void HistoryWindowTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_records.reset();
    m_feature.reset();
    m_kit.reset();
    m_dir.reset();
}

void HistoryWindowTest::WriteHistoryFile(const QByteArray& bytes)
{
    QFile file(m_folder + QStringLiteral("history.cl2"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray HistoryWindowTest::ReadHistoryFile() const
{
    QFile file(m_folder + QStringLiteral("history.cl2"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void HistoryWindowTest::MakeFeature()
{
    m_feature = std::make_unique<HistoryFeature>(*m_context);
    // Ticks come from the test only.
    m_feature->window()->fadeTimer().setInterval(kNeverMs);
}

int HistoryWindowTest::Opacity() const
{
    return m_fake->windowControl.opacity.value(Window(), -1);
}

void HistoryWindowTest::Ticks(int count)
{
    for (int i = 0; i < count; ++i)
        Window()->Tick();
}

void HistoryWindowTest::layoutAndMenus()
{
    MakeFeature();
    HistoryWindow* window = Window();
    QVERIFY(!window->isVisible());
    QCOMPARE(window->size(), QSize(155, 457));
    QCOMPARE(window->titleStrip()->caption(), QStringLiteral("History"));
    QCOMPARE(List()->objectName(), QStringLiteral("histbox"));
    QCOMPARE(List()->geometry(), QRect(1, 16, 153, 439));
    QCOMPARE(window->helpBox()->geometry(), QRect(122, 0, 15, 15));
    QCOMPARE(window->closeBox()->geometry(), QRect(138, 0, 15, 15));
    const QList<QAction*> actions = window->contextMenu()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("Auto Close"));
    QVERIFY(actions[0]->isCheckable());
    QVERIFY(actions[0]->isChecked());
    QCOMPARE(actions[1]->text(), QStringLiteral("Clear History"));
    QCOMPARE(Opacity(), 255);

    window->ShowForStep();
    QTest::mouseClick(window->closeBox(), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void HistoryWindowTest::committingTwiceGivesTwoEntries()
{
    MakeFeature();
    QLineEdit* red = ValuesPanelOf(*m_main)->rgbEdit(0);
    for (int i = 0; i < 2; ++i) {
        red->setFocus();
        QTest::keyClick(red, Qt::Key_Return);
    }
    QCOMPARE(m_history->count(), 2);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(m_history->data(m_history->index(row)).toString(),
                 QStringLiteral("6,167,255 - #06A7FF"));
    QVERIFY(!Window()->isVisible());
}

void HistoryWindowTest::newestEntryIsFullyShown_data()
{
    QTest::addColumn<bool>("restored");
    QTest::newRow("restored at start-up") << true;
    QTest::newRow("recorded while showing") << false;
}

void HistoryWindowTest::newestEntryIsFullyShown()
{
    QFETCH(bool, restored);
    QByteArray file;
    for (int i = 0; i < 100; ++i)
        file += "1,2," + QByteArray::number(i) + " - #0102" + QByteArray::number(i % 10) + "0\r\n";
    if (restored)
        WriteHistoryFile(file);
    MakeFeature();
    Window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Window()));
    if (!restored) {
        for (int i = 0; i < 100; ++i)
            m_history->AddToHistory(PackColour(1, 2, std::uint8_t(i)));
        QCoreApplication::processEvents();
    }
    QCOMPARE(m_history->count(), 100);
    QVERIFY(List()->viewport()->rect().contains(List()->visualRect(m_history->index(99))));
}

void HistoryWindowTest::startUpRestoresTheLastColour_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<bool>("webSafe");
    QTest::newRow("black last") << QByteArray("6,167,255 - #06A7FF\r\n0,0,0 - #000000\r\n") << 2
                                << "000000" << true;
    QTest::newRow("#336699 last, LF only")
        << QByteArray("1,2,3 - #010203\nx\n#336699\n") << 2 << "336699" << true;
    QTest::newRow("no entry") << QByteArray("no colour here\r\n") << 0 << "06A7FF" << false;
}

void HistoryWindowTest::startUpRestoresTheLastColour()
{
    QFETCH(QByteArray, file);
    QFETCH(int, entries);
    QFETCH(QString, hex);
    QFETCH(bool, webSafe);
    WriteHistoryFile(file);
    MakeFeature();
    QCOMPARE(m_history->count(), entries);
    QCOMPARE(ValuesPanelOf(*m_main)->hexEdit()->text(), hex);
    QCOMPARE(m_colour->isWebSafe(), webSafe);
    QCOMPARE(m_records->size(), 0);
    QVERIFY(m_fake->messages.shown.isEmpty());
    QVERIFY(!Window()->isVisible());
    if (hex == QLatin1String("336699")) {
        QCOMPARE(ValuesPanelOf(*m_main)->rgbEdit(0)->text(), QStringLiteral("51"));
        QCOMPARE(ValuesPanelOf(*m_main)->rgbEdit(1)->text(), QStringLiteral("102"));
        QCOMPARE(ValuesPanelOf(*m_main)->rgbEdit(2)->text(), QStringLiteral("153"));
    }
}

void HistoryWindowTest::unreadableLineLosesNoStoredEntries()
{
    WriteHistoryFile("1,2,3 - #010203\r\nbad - #XYZ123\r\n4,5,6 - #040506\r\n");
    MakeFeature();
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("'$XYZ123' is not a valid integer value"));
    QCOMPARE(m_history->count(), 1);
    QCOMPARE(m_colour->colour(), PackColour(1, 2, 3));

    m_colour->SetMainColour(PackColour(7, 8, 9));
    QVERIFY(m_feature->WriteHistoryFile());
    QCOMPARE(ReadHistoryFile(), QByteArray("1,2,3 - #010203\r\n7,8,9 - #070809\r\n"
                                           "bad - #XYZ123\r\n4,5,6 - #040506\r\n"));
}

void HistoryWindowTest::clearHistoryThenWriteLeavesAnEmptyFile()
{
    WriteHistoryFile("1,2,3 - #010203\r\n4,5,6 - #040506\r\n");
    MakeFeature();
    QCOMPARE(m_history->count(), 2);
    Window()->clearHistoryAction()->trigger();
    QCOMPARE(m_history->count(), 0);
    QVERIFY(m_fake->messages.shown.isEmpty());
    QVERIFY(m_feature->WriteHistoryFile());
    QCOMPARE(ReadHistoryFile(), QByteArray());
}

void HistoryWindowTest::fadeAfterUndoTickByTick()
{
    MakeFeature();
    m_kit->commands.Run(Command::Undo);
    QVERIFY(Window()->isVisible());
    QVERIFY(Window()->fadeTimer().isActive());
    QCOMPARE(Opacity(), 255);
    Ticks(9);
    QCOMPARE(Opacity(), 255);
    Ticks(1);
    QCOMPARE(Opacity(), 240);
    Ticks(15);
    QCOMPARE(Opacity(), 15);
    QVERIFY(Window()->isVisible());
    Ticks(1);
    QCOMPARE(Opacity(), 0);
    QVERIFY(!Window()->isVisible());
    QVERIFY(!Window()->fadeTimer().isActive());

    // Redo brings it back opaque and fading starts over.
    m_kit->commands.Run(Command::Redo);
    QVERIFY(Window()->isVisible());
    QCOMPARE(Opacity(), 255);
    Ticks(10);
    QCOMPARE(Opacity(), 240);
}

void HistoryWindowTest::clickDuringTheFadeMakesItOpaqueAgain()
{
    WriteHistoryFile("1,2,3 - #010203\r\n");
    MakeFeature();
    m_kit->commands.Run(Command::Redo);
    Ticks(12);
    QCOMPARE(Opacity(), 210);
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                      List()->visualRect(m_history->index(0)).center());
    QCOMPARE(Opacity(), 255);
    Ticks(29);
    QCOMPARE(Opacity(), 255);
    Ticks(1);
    QCOMPARE(Opacity(), 240);

    // The end of a drag of its own title strip counts as a click too.
    emit Window()->titleStrip()->moveFinished();
    QCOMPARE(Opacity(), 255);
    Ticks(30);
    QCOMPARE(Opacity(), 240);
}

void HistoryWindowTest::autoCloseSettingAtCreation_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("missing") << "" << true;
    QTest::newRow("other") << "yes" << true;
}

void HistoryWindowTest::autoCloseSettingAtCreation()
{
    QFETCH(QString, value);
    QFETCH(bool, on);
    m_settings->SetSetting(QStringLiteral("hist.autofade"), value);
    MakeFeature();
    QCOMPARE(Window()->IsAutoClose(), on);
    QCOMPARE(Window()->autoCloseAction()->isChecked(), on);
    // Reading the key neither writes it nor starts a fade of the hidden window.
    QCOMPARE(m_settings->GetSetting(QStringLiteral("hist.autofade")), value);
    QVERIFY(!Window()->fadeTimer().isActive());
}

void HistoryWindowTest::autoCloseOffKeepsTheWindowOpaque()
{
    m_settings->SetSetting(QStringLiteral("hist.autofade"), QStringLiteral("0"));
    MakeFeature();
    m_kit->commands.Run(Command::Undo);
    Ticks(40);
    QVERIFY(Window()->isVisible());
    QCOMPARE(Opacity(), 255);

    // Turning it on while the window shows starts the fade with a countdown of 10.
    Window()->autoCloseAction()->trigger();
    Ticks(10);
    QCOMPARE(Opacity(), 240);
    // Turning it off mid-fade makes the window opaque; the ticks then do nothing.
    Window()->autoCloseAction()->trigger();
    QCOMPARE(Opacity(), 255);
    Ticks(40);
    QVERIFY(Window()->isVisible());
    QCOMPARE(Opacity(), 255);
}

void HistoryWindowTest::autoCloseWrittenAtEachToggle()
{
    MakeFeature();
    QAction* autoClose = Window()->autoCloseAction();
    const QString key = QStringLiteral("hist.autofade");
    autoClose->trigger();
    QVERIFY(!autoClose->isChecked());
    QCOMPARE(m_settings->GetSetting(key), QStringLiteral("0"));
    autoClose->trigger();
    QVERIFY(autoClose->isChecked());
    QCOMPARE(m_settings->GetSetting(key), QStringLiteral("1"));
}

void HistoryWindowTest::undoAndRedoStepWithoutRecording()
{
    WriteHistoryFile("10,10,10 - #0A0A0A\r\n20,20,20 - #141414\r\n20,20,20 - #141414\r\n"
                     "30,30,30 - #1E1E1E\r\n");
    MakeFeature();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    struct Step
    {
        Qt::Key key;
        int grey;
        int row;
    };
    const Step steps[] = {
        {Qt::Key_Z, 20, 2}, {Qt::Key_Z, 10, 0}, // the repeated colour is passed over
        {Qt::Key_Z, 10, 0},                     // at the oldest end nothing changes
        {Qt::Key_Y, 20, 1}, {Qt::Key_Y, 30, 3}, {Qt::Key_Y, 30, 3},
    };
    for (const Step& step : steps) {
        QTest::keyClick(m_main, step.key, Qt::ControlModifier);
        QVERIFY(Window()->isVisible());
        QCOMPARE(m_colour->colour(), PackColour(step.grey, step.grey, step.grey));
        QCOMPARE(List()->selectedRows(), QList<int>{step.row});
        QCOMPARE(List()->currentIndex().row(), step.row);
    }
    QCOMPARE(m_history->count(), 4);
    QCOMPARE(m_records->size(), 0);

    // The same keys work with the focus in the history list.
    QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_colour->colour(), PackColour(20, 20, 20));
    QCOMPARE(m_records->size(), 0);
}

void HistoryWindowTest::deleteAsksAndRemovesOnlyOnYes()
{
    WriteHistoryFile("#000001\r\n#000002\r\n#000003\r\n#000004\r\n");
    MakeFeature();
    QItemSelectionModel* selection = List()->selectionModel();
    selection->select(m_history->index(1), QItemSelectionModel::Select);
    selection->select(m_history->index(3), QItemSelectionModel::Select);

    m_fake->messages.answers = {false};
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].kind, FakeMessageBoxes::Kind::Question);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("Are you sure to delete selected history step?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Delete?"));
    QCOMPARE(m_history->count(), 4);

    m_fake->messages.answers = {true};
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(m_fake->messages.shown.size(), 2);
    QCOMPARE(m_history->colours(),
             (std::vector<ColorRef>{PackColour(0, 0, 1), PackColour(0, 0, 3)}));
}

void HistoryWindowTest::doubleClickSetsAndRecords()
{
    WriteHistoryFile("#112233\r\n#445566\r\n");
    MakeFeature();
    Window()->ShowForStep();
    QVERIFY(QTest::qWaitForWindowExposed(Window()));
    // A real double-click: press and release, then the double-click event.
    const QPoint entry = List()->visualRect(m_history->index(0)).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, entry);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, entry);
    QCOMPARE(m_colour->colour(), PackColour(0x11, 0x22, 0x33));
    QCOMPARE(m_records->size(), 1);
    QCOMPARE(m_history->count(), 3);
    QCOMPARE(m_history->colourAt(2), PackColour(0x11, 0x22, 0x33));
}

void HistoryWindowTest::keysInTheListRunTheToolWindowMap()
{
    WriteHistoryFile("#112233\r\n#445566\r\n");
    MakeFeature();
    m_kit->RecordUnhandledCommands();
    QTest::keyClick(List(), Qt::Key_F7);
    // The list would copy its current item and select everything; the window's map
    // comes first.
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(List(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_kit->ran,
             (QList<Command>{Command::CloseShapeTest, Command::CopyWindow, Command::AddToList}));
    QVERIFY(List()->selectedRows().isEmpty());
}

void HistoryWindowTest::helpMenuShowsTheHowTos()
{
    MakeFeature();
    Window()->ShowForStep();
    QTest::mouseClick(Window()->helpBox(), Qt::LeftButton);
    QMenu* menu = Window()->helpMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), Window()->helpBox()->mapToGlobal(QPoint(0, 0)));
    const std::vector<HowTo> howTos = HowTosOf(HelpMenu::History);
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("How to clear color history?"));
    QCOMPARE(actions[1]->text(), QStringLiteral("How to enable Auto Close feature?"));
    actions[1]->trigger();
    QCOMPARE(m_kit->tip.TipText(), howTos[1].text);
    QVERIFY(m_kit->tip.isVisible());
    menu->close();
    // A second opening does not add the entries again.
    Window()->ShowHelpMenu();
    QCOMPARE(menu->actions().size(), 2);
    menu->close();
}

void HistoryWindowTest::docksToTheMainWindow()
{
    MakeFeature();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_kit->commands.Run(Command::Undo);
    QCOMPARE(Window()->pos(), QPoint(216 - 155, 158));

    m_main->move(400, 300);
    QTRY_COMPARE(Window()->pos(), QPoint(245, 300));

    // A hidden window stays put, and docks again when it is shown.
    Window()->hide();
    m_main->move(500, 250);
    QTRY_COMPARE(m_main->pos(), QPoint(500, 250));
    QCoreApplication::processEvents();
    QCOMPARE(Window()->pos(), QPoint(245, 300));
    m_kit->commands.Run(Command::Redo);
    QCOMPARE(Window()->pos(), QPoint(345, 250));
}

void HistoryWindowTest::superMinimizeFollowsTheMainWindow()
{
    MakeFeature();
    // Hidden: not taken along.
    m_kit->commands.Run(Command::SuperMinimize);
    QCOMPARE(Window()->height(), 457);
    m_kit->commands.Run(Command::SuperMinimize);

    m_kit->commands.Run(Command::Undo);
    m_kit->commands.Run(Command::SuperMinimize);
    QCOMPARE(Window()->height(), 16);
    QVERIFY(Window()->IsSuperMinimized());

    // Each window toggles from its own state.
    Window()->hide();
    m_kit->commands.Run(Command::SuperMinimize);
    QVERIFY(!m_main->IsSuperMinimized());
    m_kit->commands.Run(Command::Undo);
    m_kit->commands.Run(Command::SuperMinimize);
    QVERIFY(m_main->IsSuperMinimized());
    QCOMPARE(Window()->height(), 457);

    // F12 typed in the history list does the same.
    QTest::keyClick(List(), Qt::Key_F12);
    QVERIFY(!m_main->IsSuperMinimized());
    QCOMPARE(Window()->height(), 16);
}

QTEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
