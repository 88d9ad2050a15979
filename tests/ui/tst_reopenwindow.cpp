#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "support/MainWindowKit.h"
#include "ui/features/AppContext.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ReopenWindow.h"

#include <QListView>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const ColorRef kRed = PackColour(255, 0, 0);
const ColorRef kBlue = PackColour(0, 0, 255);

} // namespace

Q_DECLARE_METATYPE(Command)

class ReopenWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void displayTexts();
    void openedByKeysAndMenu();
    void choosingAnEntryLoadsIt();
    void deleteAsksAndClearAllDoesNot();
    void docking();
    void superMinimizeFollowsTheMainWindow();
    void keys_data();
    void keys();

private:
    QString Write(const QString& name, const QByteArray& content);
    void CreateWindow();
    QListView* List() const { return m_reopen->displayList(); }
    QPoint RowCentre(int row) const;

    QTemporaryDir m_dir;
    QString m_folder;
    std::unique_ptr<MainWindowKit> m_kit;
    FakePlatform* m_fake = nullptr;
    SettingsStore* m_settings = nullptr;
    MainColour* m_colour = nullptr;
    ColourList* m_list = nullptr;
    HistoryList* m_history = nullptr;
    RecentLists* m_recent = nullptr;
    MainWindow* m_window = nullptr;
    AppContext* m_context = nullptr;
    std::unique_ptr<ListPanel> m_panel;
    std::unique_ptr<ListFilesFeature> m_files;
    ReopenWindow* m_reopen = nullptr;
};

void ReopenWindowTest::init()
{
    m_folder = m_dir.path() + QLatin1Char('/');
    m_kit = std::make_unique<MainWindowKit>(m_folder);
    m_fake = &m_kit->fake;
    m_settings = &m_kit->settings;
    m_colour = &m_kit->colour;
    m_list = &m_kit->list;
    m_history = &m_kit->history;
    m_recent = &m_kit->recent;
    m_window = &m_kit->window;
    m_context = &m_kit->context;
    m_panel = MakeListPanel(*m_context);
    m_files = std::make_unique<ListFilesFeature>(*m_context);
    m_window->move(100, 50);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ReopenWindowTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_files.reset();
    m_panel.reset();
    m_kit.reset(); // its main window owns the Reopen window
    m_reopen = nullptr;
}

QString ReopenWindowTest::Write(const QString& name, const QByteArray& content)
{
    const QString path = m_folder + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return path;
}

void ReopenWindowTest::CreateWindow()
{
    m_reopen = m_files->CreateReopenWindow();
}

QPoint ReopenWindowTest::RowCentre(int row) const
{
    return List()->visualRect(m_recent->index(row)).center();
}

void ReopenWindowTest::displayTexts()
{
    const QString a = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    m_recent->AddLoadedList(QStringLiteral("/x.cll"));
    m_recent->AddLoadedList(QStringLiteral("/home/me/documents/lists/web.cll"));
    m_list->SetCurrentListPath(QStringLiteral("/srv/palettes/current.cll"));
    CreateWindow();
    QCOMPARE(m_reopen->windowTitle(), QStringLiteral("Reopen"));
    QCOMPARE(m_reopen->size(), QSize(143, 457));
    QCOMPARE(List()->geometry(), QRect(1, 16, 141, 440));
    QCOMPARE(List()->visualRect(m_recent->index(0)).height(), 13);
    QCOMPARE(m_recent->displayTexts(),
             (QStringList{QStringLiteral("/x.cll"), QStringLiteral("/ho../lists/web.cll"),
                          QStringLiteral("/sr..lettes/current.cll")}));
    // Lists loaded later show their file name.
    QVERIFY(m_files->LoadListFile(a));
    QCOMPARE(m_recent->count(), 4);
    QCOMPARE(List()->model()->index(3, 0).data().toString(), QStringLiteral("a.cll"));
}

void ReopenWindowTest::openedByKeysAndMenu()
{
    CreateWindow();
    QVERIFY(!m_reopen->isVisible());
    QTest::keyClick(m_window, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(m_reopen->isVisible());
    m_reopen->close();
    QVERIFY(!m_reopen->isVisible());
    QTest::keyClick(m_window, Qt::Key_F11);
    QVERIFY(m_reopen->isVisible());
    m_reopen->hide();
    m_panel->listMenu()->actions().at(6)->trigger();
    QVERIFY(m_reopen->isVisible());
}

void ReopenWindowTest::choosingAnEntryLoadsIt()
{
    const QString a = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    const QString b = Write(QStringLiteral("b.cll"), "x - FF0000\r\n");
    m_recent->AddLoadedList(a);
    m_recent->AddLoadedList(b);
    CreateWindow();
    m_reopen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_reopen));

    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QCOMPARE(m_list->CurrentListPath(), b);
    QCOMPARE(m_list->item(0).colour, kBlue);
    QVERIFY(m_fake->messages.shown.isEmpty());

    // The keyboard moving the selection loads too; a changed list asks first.
    m_list->AddDroppedColourToList(kRed);
    List()->setFocus();
    m_fake->messages.answers = {false};
    QTest::keyClick(List(), Qt::Key_Up);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text, QStringLiteral("Are you sure to load a color list?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Load?"));
    QCOMPARE(m_list->CurrentListPath(), b);
    QCOMPARE(m_list->count(), 2);

    m_fake->messages.answers = {true};
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    QCOMPARE(m_list->CurrentListPath(), a);
    QCOMPARE(m_list->count(), 1);
    QCOMPARE(m_list->item(0).colour, kRed);

    // A deleted file only becomes the current list path.
    QVERIFY(QFile::remove(b));
    QTest::keyClick(List(), Qt::Key_Down);
    QCOMPARE(m_list->CurrentListPath(), b);
    QCOMPARE(m_list->item(0).colour, kRed);
}

void ReopenWindowTest::deleteAsksAndClearAllDoesNot()
{
    const QString a = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    m_recent->AddLoadedList(a);
    m_recent->AddLoadedList(QStringLiteral("/lists/b.cll"));
    m_recent->AddLoadedList(QStringLiteral("/lists/c.cll"));
    CreateWindow();
    m_reopen->show();
    List()->setFocus();

    // Nothing selected: nothing to ask about.
    QTest::keyClick(List(), Qt::Key_Delete);
    QVERIFY(m_fake->messages.shown.isEmpty());

    List()->setCurrentIndex(m_recent->index(0));
    m_fake->messages.answers = {false, true};
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("Are you sure to remove selected item?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Remove?"));
    QCOMPARE(m_recent->count(), 3);
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(m_recent->paths(),
             (QStringList{QStringLiteral("/lists/b.cll"), QStringLiteral("/lists/c.cll")}));
    QCOMPARE(m_recent->displayTexts().size(), 2);
    QVERIFY(QFile::exists(a));
    QVERIFY(!List()->selectionModel()->hasSelection());
    QVERIFY(m_list->CurrentListPath().isEmpty()); // removing loads nothing

    QCOMPARE(m_reopen->listMenu()->actions().size(), 1);
    QCOMPARE(m_reopen->listMenu()->actions()[0]->text(), QStringLiteral("Clear All"));
    m_reopen->listMenu()->actions()[0]->trigger();
    QCOMPARE(m_recent->count(), 0);
    QCOMPARE(m_fake->messages.shown.size(), 2);
}

void ReopenWindowTest::docking()
{
    CreateWindow();
    m_reopen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_reopen));
    QCOMPARE(m_reopen->pos(), QPoint(100 + 504, 50));
    m_window->move(200, 120);
    QCOMPARE(m_reopen->pos(), QPoint(200 + 504, 120));

    // Hidden, it stays; shown again, it docks.
    m_reopen->hide();
    m_window->move(10, 20);
    QCOMPARE(m_reopen->pos(), QPoint(704, 120));
    m_reopen->show();
    QCOMPARE(m_reopen->pos(), QPoint(514, 20));
}

void ReopenWindowTest::superMinimizeFollowsTheMainWindow()
{
    CreateWindow();
    // Not showing: the main window's toggle leaves it alone.
    QTest::keyClick(m_window, Qt::Key_F12);
    QCOMPARE(m_reopen->height(), 457);
    m_reopen->show();
    QTest::keyClick(m_window, Qt::Key_F12);
    QCOMPARE(m_window->height(), 457);
    QCOMPARE(m_reopen->height(), 16);
    QTest::keyClick(m_window, Qt::Key_F12);
    QCOMPARE(m_reopen->height(), 457);
    // No double-click of its own.
    QTest::mouseDClick(m_reopen->titleStrip(), Qt::LeftButton, {}, QPoint(40, 8));
    QCOMPARE(m_reopen->height(), 457);
}

void ReopenWindowTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Command>("command");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("F1") << int(Qt::Key_F1) << none << Command::EyeDropper;
    QTest::newRow("Ctrl+C opens the Copy window") << int(Qt::Key_C) << ctrl << Command::CopyWindow;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | Qt::ShiftModifier) << Command::Undo;
    QTest::newRow("F7 closes the Shape Test") << int(Qt::Key_F7) << none << Command::CloseShapeTest;
    QTest::newRow("Ctrl+F5") << int(Qt::Key_F5) << ctrl << Command::None;
}

void ReopenWindowTest::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Command, command);
    CreateWindow();
    m_reopen->show();
    m_kit->RecordUnhandledCommands();
    QTest::keyClick(List(), Qt::Key(key), modifiers);
    QCOMPARE(m_kit->ran, command == Command::None ? QList<Command>() : QList<Command>{command});
}

QTEST_MAIN(ReopenWindowTest)
#include "tst_reopenwindow.moc"
