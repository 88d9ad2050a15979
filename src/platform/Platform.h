#pragma once
// Everything a window needs from the desktop, handed to it in its constructor.

#include "platform/Clipboard.h"
#include "platform/ColourDialog.h"
#include "platform/ColourPicker.h"
#include "platform/FileDialogs.h"
#include "platform/FontDialog.h"
#include "platform/InputBox.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/WindowControl.h"

struct Platform
{
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    InputBox& inputBox;
    ColourDialog& colourDialog;
    FontDialog& fontDialog;
    Clipboard& clipboard;
    Screen& screen;
    Shell& shell;
    WindowControl& windowControl;
    ColourPicker& colourPicker;
};
