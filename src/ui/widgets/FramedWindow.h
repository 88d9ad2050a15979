#pragma once
// Base of the main window and every tool window: borderless, white, a fixed client
// size, the title strip on top and 1-pixel silver lines along the other edges.

#include "ui/widgets/TitleStrip.h"

#include <QSize>
#include <QWidget>

// The 1-pixel silver lines along the left, right and bottom edges, painted from
// the widget's paintEvent.
void PaintFrameEdges(QWidget& widget);

// Shows the window, raised and active.
void ShowInFront(QWidget& window);

class FramedWindow : public QWidget
{
    Q_OBJECT
public:
    FramedWindow(const QString& caption, QSize clientSize, QWidget* parent = nullptr);

    TitleStrip* titleStrip() const;
    // The "X" box at width - 18; tool windows may move it with setGeometry. A left click
    // calls close(); what closing means is the owner's choice (closeEvent).
    ClickableBox* closeBox() const;

    // Makes a double-click on the strip toggle the client height between 16 and
    // fullHeight. Without it, double-clicks only emit titleStrip()->doubleClicked().
    void SetSuperMinimizeHeight(int fullHeight);
    bool IsSuperMinimized() const;
    // Works whether or not double-clicks toggle; the full height is the one given to
    // SetSuperMinimizeHeight, else the client height the window was made with.
    void ToggleSuperMinimize();

signals:
    void superMinimizeToggled(bool minimized);
    void moved();
    void moveFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    TitleStrip* m_titleStrip;
    ClickableBox* m_closeBox;
    int m_fullHeight;
    bool m_doubleClickMinimizes = false;
    bool m_superMinimized = false;
};
