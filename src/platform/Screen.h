#pragma once
// The screen as the eye dropper and the Variations window read it.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class Screen
{
public:
    virtual ~Screen() = default;
    // In global (desktop) coordinates.
    virtual QPoint CursorPosition() const = 0;
    // Moves the pointer to a global position.
    virtual void SetCursorPosition(const QPoint& globalPos) = 0;
    // The colour shown at one global position; black outside every screen.
    virtual QColor PixelAt(const QPoint& globalPos) const = 0;
    // The primary screen as it is shown now, in its device pixels: on a scaled
    // screen the picture is larger than ScreenGeometry().
    virtual QImage GrabWholeScreen() const = 0;
    // Width and height of the primary screen in pixels.
    virtual QSize ScreenSize() const = 0;
    // The part of each screen that windows may use, in global coordinates; by
    // default the primary screen at the origin.
    virtual QList<QRect> ScreenGeometries() const { return {QRect(QPoint(0, 0), ScreenSize())}; }
    // The place of the primary screen on the desktop, in global coordinates.
    virtual QRect ScreenGeometry() const = 0;
    // False where the desktop keeps the screen from programs (a Wayland session);
    // colours are then picked by the desktop itself (ColourPicker).
    virtual bool CanGrabScreen() const = 0;
};
