#include "platform/ScreenPicture.h"

#include <cmath>

namespace {

// One axis of PixelAtCursor: the cursor coordinate `offset` (from the origin)
// stands for the device pixels from (offset - 0.5) * scale up to (offset + 0.5) *
// scale; the one at offset * scale is taken, or the nearest of them on the picture.
std::optional<int> CursorPixel(int offset, double scale, int pixels)
{
    const int first = qMax(0, int(std::ceil((offset - 0.5) * scale)));
    const int last = qMin(pixels - 1, int(std::ceil((offset + 0.5) * scale)) - 1);
    if (first > last)
        return std::nullopt;
    return qBound(first, int(std::floor(offset * scale)), last);
}

int PixelEdge(int offset, double scale)
{
    return int(std::floor(offset * scale));
}

} // namespace

double ScreenPicture::ScaleX() const
{
    if (image.isNull() || geometry.width() <= 0)
        return 1.0;
    return double(image.width()) / geometry.width();
}

double ScreenPicture::ScaleY() const
{
    if (image.isNull() || geometry.height() <= 0)
        return 1.0;
    return double(image.height()) / geometry.height();
}

std::optional<QPoint> ScreenPicture::PixelAtCursor(const QPoint& cursor) const
{
    const std::optional<int> x = CursorPixel(cursor.x() - geometry.x(), ScaleX(), image.width());
    const std::optional<int> y = CursorPixel(cursor.y() - geometry.y(), ScaleY(), image.height());
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

QPoint ScreenPicture::CursorPositionOf(const QPoint& pixel) const
{
    const int x = qBound(0, qRound(pixel.x() / ScaleX()), geometry.width());
    const int y = qBound(0, qRound(pixel.y() / ScaleY()), geometry.height());
    return geometry.topLeft() + QPoint(x, y);
}

QRect ScreenPicture::PixelRect(const QRect& globalRect) const
{
    const QPoint offset = globalRect.topLeft() - geometry.topLeft();
    const QPoint topLeft(PixelEdge(offset.x(), ScaleX()), PixelEdge(offset.y(), ScaleY()));
    const QPoint end(PixelEdge(offset.x() + globalRect.width(), ScaleX()),
                     PixelEdge(offset.y() + globalRect.height(), ScaleY()));
    return QRect(topLeft, end - QPoint(1, 1)) & image.rect();
}

ScreenPicture GrabScreenPicture(const Screen& screen)
{
    return ScreenPicture{screen.GrabWholeScreen(), screen.ScreenGeometry()};
}
