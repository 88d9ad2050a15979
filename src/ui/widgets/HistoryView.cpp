#include "ui/widgets/HistoryView.h"

#include "state/HistoryList.h"
#include "ui/widgets/KeyboardFocus.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

void HistoryItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    painter->save();
    painter->setClipRect(option.rect);
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : QBrush(Qt::white));

    const QRect inset = option.rect.adjusted(1, 1, -1, -1);
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);

    // The swatch is as wide as five spaces of the list font, as tall as a text line.
    const Rgb colour = UnpackColour(index.data(HistoryList::ColourRole).toUInt());
    const QRect swatch(inset.topLeft(),
                       QSize(metrics.horizontalAdvance(QStringLiteral("     ")), metrics.height()));
    painter->fillRect(swatch, QColor(colour.red, colour.green, colour.blue));

    const QString text =
        QLatin1Char(' ') + index.data(Qt::DisplayRole).toString().left(kMaxTextLength);
    const QRect textRect(QPoint(inset.left() + kTextOffset, inset.top()),
                         QSize(metrics.horizontalAdvance(text), metrics.height()));
    painter->fillRect(textRect, Qt::white);
    painter->setPen(QColor(128, 128, 128));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);

    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize HistoryItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const QString text =
        QLatin1Char(' ') + index.data(Qt::DisplayRole).toString().left(kMaxTextLength);
    return QSize(2 + kTextOffset + QFontMetrics(option.font).horizontalAdvance(text), kItemHeight);
}

// A one-column table rather than a list view: its rows are header sections of one
// fixed height, so appending an entry costs the same with a million entries shown,
// where a list view lays every row out again.
HistoryView::HistoryView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("histbox"));
    setItemDelegate(new HistoryItemDelegate(this));
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(HistoryItemDelegate::kItemHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setFrameShape(QFrame::NoFrame);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit itemDoubleClicked(index.row()); });
}

void HistoryView::ShowStep(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QList<int> HistoryView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void HistoryView::mousePressEvent(QMouseEvent* event)
{
    emit clickedInList();
    QTableView::mousePressEvent(event);
}

void HistoryView::keyPressEvent(QKeyEvent* event)
{
    if (IsActivationKey(*event, false) && currentIndex().isValid())
        emit itemDoubleClicked(currentIndex().row());
    else
        QTableView::keyPressEvent(event);
}
