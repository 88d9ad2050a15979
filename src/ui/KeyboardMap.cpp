#include "ui/KeyboardMap.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

constexpr unsigned Bit(KeyMap map)
{
    return 1u << unsigned(map);
}
constexpr unsigned kAllMaps = Bit(KeyMap::MainWindow) | Bit(KeyMap::ShapeTest) |
                              Bit(KeyMap::WebPageTest) | Bit(KeyMap::ListWindow);
// The Shape Test takes no Ctrl combinations.
constexpr unsigned kCtrlMaps = kAllMaps & ~Bit(KeyMap::ShapeTest);
constexpr unsigned kToolMaps = kCtrlMaps & ~Bit(KeyMap::MainWindow);

constexpr KeyBinding Ctrl(Qt::Key key, unsigned maps, Command command)
{
    return {key, true, maps, command};
}
constexpr KeyBinding Plain(Qt::Key key, unsigned maps, Command command)
{
    return {key, false, maps, command};
}

// The tool windows repeat the main window's keys, except where they close
// themselves and where Ctrl+C opens the Copy window instead of the quick copy menu.
constexpr std::array kBindings{
    Plain(Qt::Key_F1, kAllMaps, Command::EyeDropper),
    Plain(Qt::Key_F5, kAllMaps, Command::CopyWindow),
    Plain(Qt::Key_F6, kAllMaps, Command::MakeWebsafe),
    Plain(Qt::Key_F7, Bit(KeyMap::MainWindow) | Bit(KeyMap::WebPageTest), Command::ShapeTest),
    Plain(Qt::Key_F7, Bit(KeyMap::ShapeTest) | Bit(KeyMap::ListWindow), Command::CloseShapeTest),
    Plain(Qt::Key_F8, kAllMaps & ~Bit(KeyMap::WebPageTest), Command::WebPageTest),
    Plain(Qt::Key_F8, Bit(KeyMap::WebPageTest), Command::CloseWebPageTest),
    Plain(Qt::Key_F10, kAllMaps, Command::ExportMenu),
    Plain(Qt::Key_F11, kAllMaps, Command::Reopen),
    Plain(Qt::Key_F12, kAllMaps, Command::SuperMinimize),
    Ctrl(Qt::Key_C, Bit(KeyMap::MainWindow), Command::QuickCopy),
    Ctrl(Qt::Key_C, kToolMaps, Command::CopyWindow),
    Ctrl(Qt::Key_A, kCtrlMaps, Command::AddToList),
    Ctrl(Qt::Key_S, kCtrlMaps, Command::SaveList),
    Ctrl(Qt::Key_O, kCtrlMaps, Command::LoadList),
    Ctrl(Qt::Key_N, kCtrlMaps, Command::NewList),
    Ctrl(Qt::Key_D, kCtrlMaps, Command::DeleteSelected),
    Ctrl(Qt::Key_X, kCtrlMaps, Command::ExportMenu),
    Ctrl(Qt::Key_R, kCtrlMaps, Command::Reopen),
    Ctrl(Qt::Key_W, kCtrlMaps, Command::MakeWebsafe),
    Ctrl(Qt::Key_T, kCtrlMaps, Command::StayOnTop),
    Ctrl(Qt::Key_Z, kCtrlMaps, Command::Undo),
    Ctrl(Qt::Key_Y, kCtrlMaps, Command::Redo),
};

constexpr bool OneCommandPerKeyAndMap()
{
    for (size_t i = 0; i < kBindings.size(); ++i)
        for (size_t j = i + 1; j < kBindings.size(); ++j)
            if (kBindings[i].key == kBindings[j].key && kBindings[i].ctrl == kBindings[j].ctrl &&
                (kBindings[i].maps & kBindings[j].maps) != 0)
                return false;
    return true;
}
static_assert(OneCommandPerKeyAndMap(), "a key means one command in each map");

} // namespace

const KeyBindings& KeyBindingTable()
{
    static const KeyBindings bindings(kBindings.begin(), kBindings.end());
    return bindings;
}

bool KeyBinding::IsIn(KeyMap map) const
{
    return (maps & Bit(map)) != 0;
}

QString KeyBinding::KeyText() const
{
    const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    return ctrl ? QStringLiteral("Ctrl+") + name : name;
}

Command KeyMapCommand(KeyMap map, int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (ctrl && (modifiers & Qt::KeypadModifier))
        return Command::None;
    for (const KeyBinding& binding : kBindings)
        if (binding.key == key && binding.ctrl == ctrl && binding.IsIn(map))
            return binding.command;
    return Command::None;
}

bool RunMappedKey(KeyMap map, const QKeyEvent& event, const CommandTable& commands)
{
    const Command command = KeyMapCommand(map, event.key(), event.modifiers());
    if (command == Command::None)
        return false;
    commands.Run(command);
    return true;
}
