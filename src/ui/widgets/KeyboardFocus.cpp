#include "ui/widgets/KeyboardFocus.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

bool ShowsFocusFrame(const QWidget& widget)
{
    QStyleOption option;
    option.initFrom(&widget);
    return (option.state & QStyle::State_HasFocus) &&
           (option.state & QStyle::State_KeyboardFocusChange);
}

void DrawDottedFocusFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dots);
    painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), dots);
    painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), dots);
    painter.restore();
}

QPoint ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    default:
        return QPoint();
    }
}

bool IsActivationKey(const QKeyEvent& event, bool withSpace)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Space:
        return withSpace;
    default:
        return false;
    }
}
