#include "ui/widgets/ColourListView.h"

#include "state/ColourList.h"
#include "ui/Fonts.h"
#include "ui/widgets/ColourListDelegate.h"
#include "ui/widgets/KeyboardFocus.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

ColourListView::ColourListView(QWidget* parent)
    : QListView(parent), m_delegate(new ColourListDelegate(this))
{
    setObjectName(QStringLiteral("colourList"));
    setItemDelegate(m_delegate);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setMouseTracking(true);
    setFont(ArialPoints(8));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
}

void ColourListView::SetColourList(ColourList* list)
{
    m_list = list;
    setModel(list);
}

void ColourListView::SetSmallMode(bool small)
{
    if (small == m_delegate->IsSmallMode())
        return;
    m_delegate->SetSmallMode(small);
    // Uniform item sizes are cached from the first item; a new layout measures again.
    doItemsLayout();
    viewport()->update();
}

bool ColourListView::IsSmallMode() const
{
    return m_delegate->IsSmallMode();
}

int ColourListView::RowAt(QPoint position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() : -1;
}

QList<int> ColourListView::SelectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    // By ranges: a million selected items would otherwise make a million indexes.
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    if (!std::is_sorted(rows.begin(), rows.end()))
        std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ColourListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    // Shift+End, Shift+click: the list view would make an index of every item
    // between the two ends (a million of them); in one column they are one range.
    if (state() != DragSelectingState && selectionModel() &&
        (rect.width() > 1 || rect.height() > 1)) {
        const QModelIndex first = indexAt(rect.topLeft());
        const QModelIndex last = indexAt(rect.bottomRight());
        if (first.isValid() && last.isValid()) {
            const int top = qMin(first.row(), last.row());
            const int bottom = qMax(first.row(), last.row());
            selectionModel()->select(
                QItemSelection(model()->index(top, 0), model()->index(bottom, 0)), command);
            return;
        }
    }
    QListView::setSelection(rect, command);
}

void ColourListView::TakeListCurrentColour(int row)
{
    if (m_list && row >= 0 && row < m_list->count())
        m_list->SetListCurrentColour(m_list->colourAt(row));
}

void ColourListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    const int row = RowAt(event->position().toPoint());
    TakeListCurrentColour(row);
    emit itemPressed(row, event->button());
}

void ColourListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    emit itemDoubleClicked(RowAt(event->position().toPoint()));
}

void ColourListView::mouseMoveEvent(QMouseEvent* event)
{
    QListView::mouseMoveEvent(event);
    emit mouseMoved();
}

void ColourListView::keyPressEvent(QKeyEvent* event)
{
    if (IsActivationKey(*event, false) && currentIndex().isValid())
        emit itemDoubleClicked(currentIndex().row());
    else
        QListView::keyPressEvent(event);
}

void ColourListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    if (current.isValid())
        TakeListCurrentColour(current.row());
}
