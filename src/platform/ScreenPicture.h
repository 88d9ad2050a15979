#pragma once
// A picture of one screen and the place it covers on the desktop. The picture
// holds the screen's device pixels; on a scaled (high-DPI) screen one global
// coordinate covers several of them, and fractional global positions (those of
// mouse events) tell them apart.

#include "platform/Screen.h"

#include <QImage>
#include <QPointF>
#include <QRect>

#include <optional>

struct ScreenPicture
{
    QImage image;
    QRect geometry; // global coordinates

    // Device pixels per global coordinate, across and down; 1 for an empty picture.
    double ScaleX() const;
    double ScaleY() const;
    // The picture pixel under a global position; nothing outside the picture.
    std::optional<QPoint> PixelAt(const QPointF& globalPos) const;
    // The global position of a pixel's centre (the inverse of PixelAt).
    QPointF GlobalPositionOf(const QPoint& pixel) const;
    // The pixels under a global rectangle, clipped to the picture.
    QRect PixelRect(const QRect& globalRect) const;
};

// The primary screen now, with its place.
ScreenPicture GrabScreenPicture(const Screen& screen);
