#pragma once
// The history list ("histbox"): fixed 15-pixel items, each a swatch in the entry's
// colour followed by the entry text in grey, several entries selectable at once.
// Shows a HistoryList (or any model with its ColourRole). Tab leaves the list;
// Enter and Return on the current entry count as a double-click.

#include <QStyledItemDelegate>
#include <QTableView>

class HistoryItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kItemHeight = 15;
    // Where the text starts, from the item's inset left edge.
    static constexpr int kTextOffset = 15;
    // Characters of the entry text that are drawn.
    static constexpr int kMaxTextLength = 21;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class HistoryView : public QTableView
{
    Q_OBJECT
public:
    explicit HistoryView(QWidget* parent = nullptr);

    // Selects only `row`, makes it current and scrolls it into view; a row out of
    // range clears the selection.
    void ShowStep(int row);
    // The selected rows, ascending.
    QList<int> selectedRows() const;

signals:
    void itemDoubleClicked(int row);
    // Any mouse press in the list (the window keeps itself opaque on it).
    void clickedInList();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
