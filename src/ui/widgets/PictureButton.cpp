#include "ui/widgets/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent, int left, const QString& pictureName,
                             const QString& hint)
    : QWidget(parent), m_normal(QStringLiteral(":/toolbar/%1.png").arg(pictureName)),
      m_highlight(QStringLiteral(":/toolbar/%1_hot.png").arg(pictureName))
{
    setGeometry(left, 24, 32, 32);
    setToolTip(hint);
    setMouseTracking(true);
}

void PictureButton::SetHighlighted(bool highlighted)
{
    if (highlighted == m_highlighted)
        return;
    m_highlighted = highlighted;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_highlighted ? m_highlight : m_normal);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QWidget::mouseMoveEvent(event);
}
