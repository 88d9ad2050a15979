#include "ui/KeyboardMap.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(KeyMap)
Q_DECLARE_METATYPE(Command)

class KeyboardMapTest : public QObject
{
    Q_OBJECT
private slots:
    void keyMaps_data();
    void keyMaps();
    void commandTable();
    void bindingsNameTheirKeys();
};

void KeyboardMapTest::keyMaps_data()
{
    QTest::addColumn<KeyMap>("map");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Command>("command");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const KeyMap main = KeyMap::MainWindow;
    const KeyMap list = KeyMap::ListWindow;
    const KeyMap shapes = KeyMap::ShapeTest;
    const KeyMap web = KeyMap::WebPageTest;
    QTest::newRow("main F1") << main << int(Qt::Key_F1) << none << Command::EyeDropper;
    QTest::newRow("main F6 with Shift")
        << main << int(Qt::Key_F6) << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << Command::MakeWebsafe;
    QTest::newRow("main F7") << main << int(Qt::Key_F7) << none << Command::ShapeTest;
    QTest::newRow("main F8") << main << int(Qt::Key_F8) << none << Command::WebPageTest;
    QTest::newRow("main Ctrl+C") << main << int(Qt::Key_C) << ctrl << Command::QuickCopy;
    QTest::newRow("main Ctrl+W with Alt")
        << main << int(Qt::Key_W) << (ctrl | Qt::AltModifier) << Command::MakeWebsafe;
    QTest::newRow("main W alone") << main << int(Qt::Key_W) << none << Command::None;
    QTest::newRow("main F2") << main << int(Qt::Key_F2) << none << Command::None;
    QTest::newRow("main Ctrl+keypad 1")
        << main << int(Qt::Key_1) << (ctrl | Qt::KeypadModifier) << Command::None;
    QTest::newRow("main Ctrl+F6") << main << int(Qt::Key_F6) << ctrl << Command::None;
    QTest::newRow("main Delete") << main << int(Qt::Key_Delete) << none << Command::None;
    QTest::newRow("list F7") << list << int(Qt::Key_F7) << none << Command::CloseShapeTest;
    QTest::newRow("list Ctrl+C") << list << int(Qt::Key_C) << ctrl << Command::CopyWindow;
    QTest::newRow("list Ctrl+Z") << list << int(Qt::Key_Z) << ctrl << Command::Undo;
    QTest::newRow("list F8") << list << int(Qt::Key_F8) << none << Command::WebPageTest;
    QTest::newRow("shapes F7") << shapes << int(Qt::Key_F7) << none << Command::CloseShapeTest;
    QTest::newRow("shapes F8") << shapes << int(Qt::Key_F8) << none << Command::WebPageTest;
    QTest::newRow("shapes F12") << shapes << int(Qt::Key_F12) << none << Command::SuperMinimize;
    QTest::newRow("shapes Ctrl+A") << shapes << int(Qt::Key_A) << ctrl << Command::None;
    QTest::newRow("web F8") << web << int(Qt::Key_F8) << none << Command::CloseWebPageTest;
    QTest::newRow("web F7") << web << int(Qt::Key_F7) << none << Command::ShapeTest;
    QTest::newRow("web Ctrl+C") << web << int(Qt::Key_C) << ctrl << Command::CopyWindow;
}

void KeyboardMapTest::keyMaps()
{
    QFETCH(KeyMap, map);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Command, command);
    QCOMPARE(KeyMapCommand(map, key, modifiers), command);
}

// The help texts name keys from the table: every binding has a name and runs its
// command through the map lookup.
void KeyboardMapTest::bindingsNameTheirKeys()
{
    QStringList names;
    for (const KeyBinding& binding : KeyBindingTable()) {
        names << binding.KeyText();
        for (KeyMap map :
             {KeyMap::MainWindow, KeyMap::ShapeTest, KeyMap::WebPageTest, KeyMap::ListWindow})
            if (binding.IsIn(map))
                QCOMPARE(KeyMapCommand(map, binding.key,
                                       binding.ctrl ? Qt::ControlModifier : Qt::NoModifier),
                         binding.command);
    }
    QVERIFY(names.contains(QStringLiteral("F12")));
    QVERIFY(names.contains(QStringLiteral("Ctrl+Z")));
}

void KeyboardMapTest::commandTable()
{
    CommandTable table;
    int runs = 0;
    auto owner = std::make_unique<QObject>();
    table.Handle(Command::Undo, owner.get(), [&runs] { ++runs; });
    table.Run(Command::Undo);
    table.Run(Command::Redo); // nobody handles it: nothing happens
    QCOMPARE(runs, 1);
    QVERIFY(table.IsHandled(Command::Undo));
    owner.reset();
    QVERIFY(!table.IsHandled(Command::Undo));
    table.Run(Command::Undo);
    QCOMPARE(runs, 1);
}

QTEST_APPLESS_MAIN(KeyboardMapTest)
#include "tst_keyboardmap.moc"
