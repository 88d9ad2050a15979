#pragma once
// Whole-window operations the desktop offers beyond plain widgets.

class QWidget;

class WindowControl
{
public:
    virtual ~WindowControl() = default;
    // 0 (invisible) .. 255 (opaque).
    virtual void SetOpacity(QWidget* window, int opacity) = 0;
    // Live toggle: a showing window stays showing.
    virtual void SetTopmost(QWidget* window, bool on) = 0;
};
