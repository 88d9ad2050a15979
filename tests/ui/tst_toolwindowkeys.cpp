#include "support/FakePlatform.h"
#include "ui/ToolWindowKeys.h"
#include "ui/windows/MainWindow.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ToolWindowAction)
Q_DECLARE_METATYPE(KeyCommand)

class ToolWindowKeysTest : public QObject
{
    Q_OBJECT
private slots:
    void keyTable_data();
    void keyTable();
    void handlerRunsEachKind();
};

void ToolWindowKeysTest::keyTable_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<ToolWindowAction>("action");
    QTest::addColumn<KeyCommand>("command");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const auto main = ToolWindowAction::MainCommand;
    // The keys shared with the main window are passed through (the main map has its own
    // tests); a few stand for the rest.
    QTest::newRow("F5") << int(Qt::Key_F5) << none << main << KeyCommand::CopyWindow;
    QTest::newRow("F6") << int(Qt::Key_F6) << none << main << KeyCommand::MakeWebsafe;
    QTest::newRow("F7 closes the shape test")
        << int(Qt::Key_F7) << none << ToolWindowAction::CloseShapeTest << KeyCommand::None;
    QTest::newRow("F12") << int(Qt::Key_F12) << none << main << KeyCommand::SuperMinimize;
    QTest::newRow("Ctrl+C opens the copy window")
        << int(Qt::Key_C) << ctrl << main << KeyCommand::CopyWindow;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << main << KeyCommand::AddToList;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << main << KeyCommand::Undo;
    QTest::newRow("Ctrl+Shift+Y") << int(Qt::Key_Y) << (ctrl | Qt::ShiftModifier) << main
                                  << KeyCommand::Redo;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << ToolWindowAction::DeleteInList
                            << KeyCommand::None;
    QTest::newRow("keypad Delete")
        << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::KeypadModifier)
        << ToolWindowAction::DeleteInList << KeyCommand::None;
    QTest::newRow("F9 has no action")
        << int(Qt::Key_F9) << none << ToolWindowAction::None << KeyCommand::None;
    QTest::newRow("plain C goes to the list")
        << int(Qt::Key_C) << none << ToolWindowAction::None << KeyCommand::None;
    QTest::newRow("Ctrl+F7 does nothing")
        << int(Qt::Key_F7) << ctrl << ToolWindowAction::None << KeyCommand::None;
    QTest::newRow("Ctrl+keypad 1 does nothing") << int(Qt::Key_1) << (ctrl | Qt::KeypadModifier)
                                                << ToolWindowAction::None << KeyCommand::None;
    QTest::newRow("arrow keys go to the list")
        << int(Qt::Key_Down) << none << ToolWindowAction::None << KeyCommand::None;
}

void ToolWindowKeysTest::keyTable()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(ToolWindowAction, action);
    QFETCH(KeyCommand, command);
    const ToolWindowKey result = ToolWindowKeyOf(key, modifiers);
    QCOMPARE(result.action, action);
    QCOMPARE(result.command, command);
}

void ToolWindowKeysTest::handlerRunsEachKind()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    MainColour colour;
    QTemporaryDir dir;
    MainWindow main(platform, colour, dir.path() + QLatin1Char('/'));
    QSignalSpy requests(&main, &MainWindow::commandRequested);
    int deletes = 0;
    const auto onDelete = [&deletes] { ++deletes; };

    // Ctrl+C reaches the main window as the Copy window, never as the quick copy.
    RunToolWindowKey(Qt::Key_C, Qt::ControlModifier, main, onDelete);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).value<KeyCommand>(), KeyCommand::CopyWindow);

    // Commands the main window owns run there.
    RunToolWindowKey(Qt::Key_F6, Qt::NoModifier, main, onDelete);
    QCOMPARE(colour.rgb().green, 153);
    RunToolWindowKey(Qt::Key_F12, Qt::NoModifier, main, onDelete);
    QVERIFY(main.IsSuperMinimized());

    // F7 is left to the caller; Delete goes to the window's own list only.
    QCOMPARE(RunToolWindowKey(Qt::Key_F7, Qt::NoModifier, main, onDelete).action,
             ToolWindowAction::CloseShapeTest);
    QCOMPARE(deletes, 0);
    RunToolWindowKey(Qt::Key_Delete, Qt::NoModifier, main, onDelete);
    QCOMPARE(deletes, 1);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(RunToolWindowKey(Qt::Key_F9, Qt::NoModifier, main, onDelete).action,
             ToolWindowAction::None);
    QCOMPARE(requests.size(), 1);
}

QTEST_MAIN(ToolWindowKeysTest)
#include "tst_toolwindowkeys.moc"
