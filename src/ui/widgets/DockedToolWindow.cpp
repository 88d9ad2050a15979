#include "ui/widgets/DockedToolWindow.h"

#include <QEvent>

DockedToolWindow::DockedToolWindow(const QString& caption, QSize clientSize,
                                   FramedWindow& mainWindow, Side side, QWidget* parent)
    : FramedWindow(caption, clientSize, parent), m_mainWindow(mainWindow), m_side(side)
{
    const auto dockWhenShowing = [this] {
        if (isVisible())
            Dock();
    };
    connect(&mainWindow, &FramedWindow::moved, this, dockWhenShowing);
    connect(&mainWindow, &FramedWindow::moveFinished, this, dockWhenShowing);
    connect(&mainWindow, &FramedWindow::superMinimizeToggled, this, [this] {
        if (isVisible())
            ToggleSuperMinimize();
    });
}

void DockedToolWindow::Dock()
{
    const QPoint main = m_mainWindow.pos();
    const int left = m_side == Side::Left ? main.x() - width() : main.x() + m_mainWindow.width();
    move(left, main.y());
}

void DockedToolWindow::showEvent(QShowEvent* event)
{
    Dock();
    FramedWindow::showEvent(event);
}

void DockedToolWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Dock();
    FramedWindow::changeEvent(event);
}
