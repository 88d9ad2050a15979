#pragma once
// Draws one colour list item: a swatch of the item's colour followed by its text,
// in the big (30 px, two text lines) or small (15 px, one line) form; a selected
// item shows a frame of the selection colour around white text fields.

#include <QFont>
#include <QStyledItemDelegate>

class ColourListDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kBigItemHeight = 30;
    static constexpr int kSmallItemHeight = 15;

    explicit ColourListDelegate(QObject* parent = nullptr);

    void SetSmallMode(bool small);
    bool IsSmallMode() const { return m_small; }
    int ItemHeight() const { return m_small ? kSmallItemHeight : kBigItemHeight; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    bool m_small = false;
    QFont m_bigSwatchFont;
    QFont m_textFont;
    QFont m_smallFont;
};
