#pragma once
// List rows of one fixed height (the 13-pixel items of the program's list boxes),
// whatever the font's own line height.

#include <QStyledItemDelegate>

class FixedRowDelegate : public QStyledItemDelegate
{
public:
    FixedRowDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), m_height(rowHeight)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }

private:
    int m_height;
};
