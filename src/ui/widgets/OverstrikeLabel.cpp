#include "ui/widgets/OverstrikeLabel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPainter>

OverstrikeLabel::OverstrikeLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    m_overstrikes = Overstrikes();
}

bool OverstrikeLabel::Overstrikes() const
{
    return font().bold() && !QFontDatabase::isSmoothlyScalable(QFontInfo(font()).family());
}

void OverstrikeLabel::changeEvent(QEvent* event)
{
    // The font database is asked once per font, not on every paint.
    if (event->type() == QEvent::FontChange)
        m_overstrikes = Overstrikes();
    QLabel::changeEvent(event);
}

QSize OverstrikeLabel::sizeHint() const
{
    return QLabel::sizeHint() + QSize(m_overstrikes ? 1 : 0, 0);
}

QSize OverstrikeLabel::minimumSizeHint() const
{
    return QLabel::minimumSizeHint() + QSize(m_overstrikes ? 1 : 0, 0);
}

void OverstrikeLabel::paintEvent(QPaintEvent* event)
{
    if (!m_overstrikes) {
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
