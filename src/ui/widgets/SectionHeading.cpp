#include "ui/widgets/SectionHeading.h"

#include "ui/Fonts.h"

#include <QLabel>

QLabel* MakeSectionHeading(QWidget* window, const QString& caption, const QRect& geometry)
{
    auto* heading = new QLabel(caption, window);
    heading->setGeometry(geometry);
    heading->setFont(VerdanaPixels(11));
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, QColor(219, 219, 219));
    palette.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(palette);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return heading;
}
