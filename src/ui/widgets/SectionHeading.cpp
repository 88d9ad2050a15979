#include "ui/widgets/SectionHeading.h"

#include "ui/Fonts.h"

#include <QFontMetrics>
#include <QLabel>

QLabel* MakeSectionHeading(QWidget* window, const QString& caption, const QRect& geometry)
{
    auto* heading = new QLabel(caption, window);
    heading->setGeometry(geometry);
    // Where the face is wider than the heading, a smaller size rather than a cut caption.
    int pixels = 11;
    while (pixels > 8 &&
           QFontMetrics(VerdanaPixels(pixels)).horizontalAdvance(caption) > geometry.width())
        --pixels;
    heading->setFont(VerdanaPixels(pixels));
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, QColor(219, 219, 219));
    palette.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(palette);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return heading;
}
