#pragma once
// The main window's parts as a user reaches them, for tests that type, click and look.

#include "ui/widgets/PanelButton.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/WheelPanel.h"

#include <QAction>
#include <QProgressBar>

inline MainValuesPanel* ValuesPanelOf(const MainWindow& window)
{
    return window.findChild<MainValuesPanel*>();
}

inline WheelPanel* WheelPanelOf(const MainWindow& window)
{
    return window.findChild<WheelPanel*>();
}

// The tool bar's buttons are the window's first picture buttons, in their order.
inline PictureButton* ToolButtonOf(const MainWindow& window, MainWindow::ToolButton button)
{
    return window.findChildren<PictureButton*>(Qt::FindDirectChildrenOnly).value(button);
}

// "moreButton", "saveAsButton", "loadButton", "listButton".
inline PanelButton* PanelButtonOf(const MainWindow& window, const char* name)
{
    return window.findChild<PanelButton*>(QLatin1String(name));
}

// "addMainColourAction", "copyWheelAction".
inline QAction* ActionOf(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

inline QProgressBar* ProgressBarOf(const MainWindow& window)
{
    return window.findChild<QProgressBar*>();
}
