#include "ui/widgets/OverstrikeLabel.h"

#include <QFontDatabase>
#include <QPainter>

OverstrikeLabel::OverstrikeLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

bool OverstrikeLabel::Overstrikes() const
{
    return font().bold() && !QFontDatabase::isSmoothlyScalable(QFontInfo(font()).family());
}

QSize OverstrikeLabel::sizeHint() const
{
    return QLabel::sizeHint() + QSize(Overstrikes() ? 1 : 0, 0);
}

QSize OverstrikeLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint() + QSize(Overstrikes() ? 1 : 0, 0);
}

void OverstrikeLabel::paintEvent(QPaintEvent* event)
{
    if (!Overstrikes()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(area, flags, text());
    painter.drawText(area.translated(1, 0), flags, text());
}
