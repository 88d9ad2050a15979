#include "ui/KeyboardMap.h"

#include <QKeyEvent>

namespace {

Command MainCtrlCommand(int key)
{
    switch (key) {
    case Qt::Key_C:
        return Command::QuickCopy;
    case Qt::Key_A:
        return Command::AddToList;
    case Qt::Key_S:
        return Command::SaveList;
    case Qt::Key_O:
        return Command::LoadList;
    case Qt::Key_N:
        return Command::NewList;
    case Qt::Key_D:
        return Command::DeleteSelected;
    case Qt::Key_X:
        return Command::ExportMenu;
    case Qt::Key_R:
        return Command::Reopen;
    case Qt::Key_W:
        return Command::MakeWebsafe;
    case Qt::Key_T:
        return Command::StayOnTop;
    case Qt::Key_Z:
        return Command::Undo;
    case Qt::Key_Y:
        return Command::Redo;
    default:
        return Command::None;
    }
}

Command MainFunctionKeyCommand(int key)
{
    switch (key) {
    case Qt::Key_F1:
        return Command::EyeDropper;
    case Qt::Key_F5:
        return Command::CopyWindow;
    case Qt::Key_F6:
        return Command::MakeWebsafe;
    case Qt::Key_F7:
        return Command::ShapeTest;
    case Qt::Key_F8:
        return Command::WebPageTest;
    case Qt::Key_F10:
        return Command::ExportMenu;
    case Qt::Key_F11:
        return Command::Reopen;
    case Qt::Key_F12:
        return Command::SuperMinimize;
    default:
        return Command::None;
    }
}

} // namespace

Command KeyMapCommand(KeyMap map, int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        if (modifiers & Qt::KeypadModifier || map == KeyMap::ShapeTest)
            return Command::None;
        const Command command = MainCtrlCommand(key);
        if (command == Command::QuickCopy && map != KeyMap::MainWindow)
            return Command::CopyWindow;
        return command;
    }
    const Command command = MainFunctionKeyCommand(key);
    if (command == Command::ShapeTest && map != KeyMap::MainWindow && map != KeyMap::WebPageTest)
        return Command::CloseShapeTest;
    if (command == Command::WebPageTest && map == KeyMap::WebPageTest)
        return Command::CloseWebPageTest;
    return command;
}

bool RunMappedKey(KeyMap map, const QKeyEvent& event, const CommandTable& commands)
{
    const Command command = KeyMapCommand(map, event.key(), event.modifiers());
    if (command == Command::None)
        return false;
    commands.Run(command);
    return true;
}
