#pragma once
// A tool window that stands against one side of the main window (the Reopen and
// History windows): docked when it is shown or activated and, while showing, after
// every move of the main window; it follows the main window's super-minimize, each
// from its own state.

#include "ui/widgets/FramedWindow.h"

class DockedToolWindow : public FramedWindow
{
    Q_OBJECT
public:
    enum class Side
    {
        Left, // right edge at the main window's left edge
        Right // left edge at the main window's right edge
    };

    DockedToolWindow(const QString& caption, QSize clientSize, FramedWindow& mainWindow, Side side,
                     QWidget* parent = nullptr);

    // Top at the main window's top, against its side.
    void Dock();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FramedWindow& m_mainWindow;
    Side m_side;
};
