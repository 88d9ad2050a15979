#include "ui/widgets/ColourSwatch.h"

#include "copy/QtColour.h"
#include "ui/ColourDrag.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

ColourSwatch::ColourSwatch(QWidget* parent, const QRect& geometry, ShapeOutline outline)
    : QWidget(parent), m_outline(outline)
{
    setGeometry(geometry);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ColourSwatch::SetColour(ColorRef colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourSwatch::SetOutline(ShapeOutline outline)
{
    m_outline = outline;
    update();
}

void ColourSwatch::AcceptColourDrops(std::function<bool(const DraggedColour&)> accepts,
                                     std::function<void(const DraggedColour&)> dropped)
{
    MakeColourDropTarget(
        this, {[accepts = std::move(accepts)](const DraggedColour& dragged, const QDropEvent&) {
                   return accepts(dragged);
               },
               std::move(dropped),
               {}});
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(m_colour));
    const QRect shape = rect().adjusted(0, 0, -1, -1);
    if (m_outline == ShapeOutline::Rectangle) {
        painter.drawRect(shape);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(QRectF(shape).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit rightPressed(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton)
        StartColourDrag(this, DraggedColour{m_colour, m_dragKind, this});
}

void ColourSwatch::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QWidget::mouseMoveEvent(event);
}
