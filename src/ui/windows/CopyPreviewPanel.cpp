#include "ui/windows/CopyPreviewPanel.h"

#include "ui/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

CopyPreviewPanel::CopyPreviewPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("previewArea"));
    QFont face = FixedsysFont();
    face.setPixelSize(13);
    setFont(face);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CopyPreviewPanel::ShowText(const QString& text)
{
    m_image = QImage();
    m_text = text;
    SplitVisibleLines();
    update();
}

void CopyPreviewPanel::ShowImage(const QImage& image)
{
    m_text.clear();
    m_visibleLines.clear();
    m_image = image;
    update();
}

PreviewArea CopyPreviewPanel::Area() const
{
    const int lineHeight = qMax(1, QFontMetrics(font()).lineSpacing());
    return {size(), height() / lineHeight + 1};
}

void CopyPreviewPanel::SplitVisibleLines()
{
    m_visibleLines.clear();
    const int lineHeight = qMax(1, QFontMetrics(font()).lineSpacing());
    const int wanted = height() / lineHeight + 1;
    const QString lineEnd = QStringLiteral("\r\n");
    qsizetype start = 0;
    while (start < m_text.size() && m_visibleLines.size() < wanted) {
        qsizetype end = m_text.indexOf(lineEnd, start);
        if (end < 0)
            end = m_text.size();
        m_visibleLines << m_text.mid(start, end - start);
        start = end + lineEnd.size();
    }
}

void CopyPreviewPanel::resizeEvent(QResizeEvent* event)
{
    SplitVisibleLines();
    QWidget::resizeEvent(event);
}

void CopyPreviewPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    if (!m_image.isNull()) {
        painter.drawImage(QPoint(0, 0), m_image, rect());
        return;
    }
    const QFontMetrics metrics(font());
    painter.setPen(Qt::black);
    int baseline = metrics.ascent();
    for (const QString& line : m_visibleLines) {
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
}
