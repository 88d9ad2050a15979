#include "ui/ToolWindowKeys.h"

#include "ui/windows/MainWindow.h"

ToolWindowKey ToolWindowKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Delete)
        return {ToolWindowAction::DeleteInList, KeyCommand::None};
    switch (const KeyCommand command = MainKeyCommand(key, modifiers)) {
    case KeyCommand::None:
        return {};
    case KeyCommand::ShapeTest:
        return {ToolWindowAction::CloseShapeTest, KeyCommand::None};
    case KeyCommand::QuickCopy:
        return {ToolWindowAction::MainCommand, KeyCommand::CopyWindow};
    default:
        return {ToolWindowAction::MainCommand, command};
    }
}

ToolWindowKey RunToolWindowKey(int key, Qt::KeyboardModifiers modifiers, MainWindow& mainWindow,
                               const std::function<void()>& deleteInList)
{
    const ToolWindowKey result = ToolWindowKeyOf(key, modifiers);
    if (result.action == ToolWindowAction::MainCommand)
        mainWindow.RunCommand(result.command);
    else if (result.action == ToolWindowAction::DeleteInList && deleteInList)
        deleteInList();
    return result;
}
