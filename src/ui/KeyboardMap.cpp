#include "ui/KeyboardMap.h"

KeyCommand MainKeyCommand(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        if (modifiers & Qt::KeypadModifier)
            return KeyCommand::None;
        switch (key) {
        case Qt::Key_C: return KeyCommand::QuickCopy;
        case Qt::Key_A: return KeyCommand::AddToList;
        case Qt::Key_S: return KeyCommand::SaveList;
        case Qt::Key_O: return KeyCommand::LoadList;
        case Qt::Key_N: return KeyCommand::NewList;
        case Qt::Key_D: return KeyCommand::DeleteSelected;
        case Qt::Key_X: return KeyCommand::ExportMenu;
        case Qt::Key_R: return KeyCommand::Reopen;
        case Qt::Key_W: return KeyCommand::MakeWebsafe;
        case Qt::Key_T: return KeyCommand::StayOnTop;
        case Qt::Key_Z: return KeyCommand::Undo;
        case Qt::Key_Y: return KeyCommand::Redo;
        default: return KeyCommand::None;
        }
    }
    switch (key) {
    case Qt::Key_F1: return KeyCommand::EyeDropper;
    case Qt::Key_F5: return KeyCommand::CopyWindow;
    case Qt::Key_F6: return KeyCommand::MakeWebsafe;
    case Qt::Key_F7: return KeyCommand::ShapeTest;
    case Qt::Key_F8: return KeyCommand::WebPageTest;
    case Qt::Key_F10: return KeyCommand::ExportMenu;
    case Qt::Key_F11: return KeyCommand::Reopen;
    case Qt::Key_F12: return KeyCommand::SuperMinimize;
    default: return KeyCommand::None;
    }
}
