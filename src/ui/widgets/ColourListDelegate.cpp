#include "ui/widgets/ColourListDelegate.h"

#include "colour/ColourValues.h"
#include "copy/QtColour.h"
#include "state/ColourList.h"
#include "ui/Fonts.h"
#include "ui/widgets/KeyboardFocus.h"

#include <QPainter>

namespace {

// Text with an opaque background exactly as large as the text's cell, the top-left
// corner at `topLeft`.
void DrawOpaqueText(QPainter* painter, QPoint topLeft, const QString& text, const QFont& font,
                    const QColor& foreground, const QColor& background)
{
    painter->setFont(font);
    const QFontMetrics metrics = painter->fontMetrics();
    painter->fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())),
                      background);
    painter->setPen(foreground);
    painter->drawText(topLeft.x(), topLeft.y() + metrics.ascent(), text);
}

QString TrimRight(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

// The item heights are fixed in pixels, so the fonts are too: 17, 10 and 8 points
// at 96 dots per inch.
ColourListDelegate::ColourListDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_bigSwatchFont(ArialPixels(23)), m_textFont(ArialPixels(13)),
      m_smallFont(ArialPixels(11))
{
}

void ColourListDelegate::SetSmallMode(bool small)
{
    if (m_small == small)
        return;
    m_small = small;
    emit sizeHintChanged(QModelIndex());
}

QSize ColourListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    // The view stretches every item to its width.
    return QSize(1, ItemHeight());
}

void ColourListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const QRect rect = option.rect;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QColor swatch = ToQColor(ColorRef(index.data(ColourList::ColourRole).toUInt()));
    const QColor white(Qt::white);

    painter->save();
    painter->setClipRect(rect);
    // The selection colour stays the active one when the list loses the focus.
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(rect, selected ? option.palette.color(QPalette::Active, QPalette::Highlight)
                                     : white);

    const int inset = m_small ? 1 : 2;
    const QPoint origin = rect.topLeft() + QPoint(inset, inset);
    painter->setClipRect(rect.adjusted(inset, inset, -inset, -inset));
    if (m_small) {
        DrawOpaqueText(painter, origin, QStringLiteral("     "), m_smallFont, Qt::black, swatch);
        const QString line = QLatin1Char(' ') + TrimRight(text.left(11)) + QStringLiteral(" - ") +
                             text.right(16).left(7);
        DrawOpaqueText(painter, origin + QPoint(15, 0), line, m_smallFont, QColor(128, 128, 128),
                       white);
    } else {
        DrawOpaqueText(painter, origin, QStringLiteral("    "), m_bigSwatchFont, Qt::black, swatch);
        DrawOpaqueText(painter, origin + QPoint(20, 0), QLatin1Char(' ') + text.left(11),
                       m_textFont, Qt::black, white);
        DrawOpaqueText(painter, origin + QPoint(20, 14), QLatin1Char(' ') + text.right(16),
                       m_smallFont, QColor(192, 192, 192), white);
    }
    painter->restore();

    if (option.state & QStyle::State_HasFocus)
        DrawDottedFocusFrame(*painter, rect);
}
