#pragma once
// A picture of one screen and the place it covers on the desktop. The picture
// holds the screen's device pixels; on a scaled (high-DPI) screen one global
// coordinate covers several of them.

#include "platform/Screen.h"

#include <QImage>
#include <QRect>

#include <optional>

struct ScreenPicture
{
    QImage image;
    QRect geometry; // global coordinates

    // Device pixels per global coordinate, across and down; 1 for an empty picture.
    double ScaleX() const;
    double ScaleY() const;
    // The picture pixel under a cursor position; nothing off the picture. A cursor
    // position is a device position divided by the scale and rounded, so on the
    // right and bottom edges of a scaled screen it may lie one coordinate beyond
    // the geometry and still stand for the last pixel.
    std::optional<QPoint> PixelAtCursor(const QPoint& cursor) const;
    // The cursor position that stands for the pixel (the inverse of PixelAtCursor);
    // for the last pixels of a scaled screen that is one beyond the geometry.
    QPoint CursorPositionOf(const QPoint& pixel) const;
    // The pixels under a global rectangle, clipped to the picture.
    QRect PixelRect(const QRect& globalRect) const;
};

// The primary screen now, with its place.
ScreenPicture GrabScreenPicture(const Screen& screen);
