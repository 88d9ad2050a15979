#pragma once
// A few screen pixels around one point, each drawn as a square, the centre pixel
// outlined: the eye dropper's magnifier.

#include <QImage>
#include <QWidget>

#include <functional>

class MagnifierView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSpan = 9;                 // pixels across and down, odd
    static constexpr int kZoom = 8;                 // drawn size of one pixel
    static constexpr int kSize = kSpan * kZoom + 2; // with a 1-pixel frame

    MagnifierView(QWidget* parent, const QPoint& place);

    // Fills every square with colourAt(dx, dy), dx and dy -4..4 from the centre.
    void ShowPixels(const std::function<QRgb(int dx, int dy)>& colourAt);
    // The colour a square shows.
    QRgb PixelShown(int dx, int dy) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_pixels;
};
