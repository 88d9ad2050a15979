#include "ui/widgets/MagnifierView.h"

#include <QPainter>

namespace {

constexpr int kHalf = MagnifierView::kSpan / 2;

} // namespace

MagnifierView::MagnifierView(QWidget* parent, const QPoint& place)
    : QWidget(parent), m_pixels(kSpan, kSpan, QImage::Format_RGB32)
{
    m_pixels.fill(Qt::white);
    setGeometry(QRect(place, QSize(kSize, kSize)));
}

void MagnifierView::ShowPixels(const std::function<QRgb(int dx, int dy)>& colourAt)
{
    for (int row = 0; row < kSpan; ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_pixels.scanLine(row));
        for (int column = 0; column < kSpan; ++column)
            line[column] = colourAt(column - kHalf, row - kHalf) | 0xff000000u;
    }
    update();
}

QRgb MagnifierView::PixelShown(int dx, int dy) const
{
    return m_pixels.pixel(dx + kHalf, dy + kHalf);
}

void MagnifierView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSize - 1, kSize - 1);
    // Plain scaling keeps every pixel a sharp square.
    painter.drawImage(QRect(1, 1, kSpan * kZoom, kSpan * kZoom), m_pixels);
    // Black and white, so the centre shows on dark and light pixels alike.
    const QRect centre(1 + kHalf * kZoom, 1 + kHalf * kZoom, kZoom, kZoom);
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(0, 0, -1, -1));
}
