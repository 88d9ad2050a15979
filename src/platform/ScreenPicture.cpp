#include "platform/ScreenPicture.h"

#include <cmath>

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

std::optional<QPoint> ScreenPicture::PixelAt(const QPointF& globalPos) const
{
    // Floor, not round: a pixel covers the global span from its left edge up to
    // the next pixel's left edge.
    const QPoint pixel(int(std::floor((globalPos.x() - geometry.x()) * ScaleX())),
                       int(std::floor((globalPos.y() - geometry.y()) * ScaleY())));
    if (!image.rect().contains(pixel))
        return std::nullopt;
    return pixel;
}

QPointF ScreenPicture::GlobalPositionOf(const QPoint& pixel) const
{
    return QPointF(geometry.x() + (pixel.x() + 0.5) / ScaleX(),
                   geometry.y() + (pixel.y() + 0.5) / ScaleY());
}

QRect ScreenPicture::PixelRect(const QRect& globalRect) const
{
    const int left = int(std::floor((globalRect.x() - geometry.x()) * ScaleX()));
    const int top = int(std::floor((globalRect.y() - geometry.y()) * ScaleY()));
    const int right =
        int(std::floor((globalRect.x() + globalRect.width() - geometry.x()) * ScaleX()));
    const int bottom =
        int(std::floor((globalRect.y() + globalRect.height() - geometry.y()) * ScaleY()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & image.rect();
}

ScreenPicture GrabScreenPicture(const Screen& screen)
{
    return ScreenPicture{screen.GrabWholeScreen(), screen.ScreenGeometry()};
}
