#include "state/HistoryList.h"

#include "colour/ColourText.h"
#include "state/UndoRedo.h"

#include <algorithm>

void AppendHistoryEntryText(QByteArray& out, ColorRef colour)
{
    const Rgb c = UnpackColour(colour);
    char text[21];
    char* end = WriteDecimalTriple(text, c);
    for (char ch : {' ', '-', ' ', '#'})
        *end++ = ch;
    end = WriteHexText(end, c);
    out.append(text, end - text);
}

QString HistoryEntryText(ColorRef colour)
{
    QByteArray text;
    text.reserve(21);
    AppendHistoryEntryText(text, colour);
    return QString::fromLatin1(text);
}

HistoryList::HistoryList(QObject* parent) : QAbstractListModel(parent) {}

int HistoryList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant HistoryList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const ColorRef colour = colourAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return HistoryEntryText(colour);
    case ColourRole:
        return uint(colour);
    default:
        return QVariant();
    }
}

void HistoryList::AddToHistory(ColorRef colour)
{
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_colours.push_back(colour & 0xFFFFFFu);
    m_step = row;
    endInsertRows();
}

void HistoryList::AppendLoaded(std::vector<ColorRef> colours)
{
    if (colours.empty())
        return;
    beginResetModel();
    if (m_colours.empty())
        m_colours = std::move(colours);
    else
        m_colours.insert(m_colours.end(), colours.begin(), colours.end());
    for (ColorRef& c : m_colours)
        c &= 0xFFFFFFu;
    m_step = count() - 1;
    endResetModel();
}

void HistoryList::RemoveEntries(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    if (rows.isEmpty())
        return;
    m_step = StepAfterRemoval(m_step, std::vector<int>(rows.begin(), rows.end()));

    // A few contiguous runs keep the view's scroll position; a scattered selection
    // of many runs is compacted in one pass instead of shifting the tail each time.
    constexpr int kMaxRuns = 64;
    int runs = 1;
    for (int i = 1; i < rows.size(); ++i)
        runs += rows[i] != rows[i - 1] + 1;
    if (runs > kMaxRuns) {
        beginResetModel();
        std::size_t write = 0;
        int next = 0;
        for (std::size_t read = 0; read < m_colours.size(); ++read) {
            if (next < rows.size() && rows[next] == int(read)) {
                ++next;
                continue;
            }
            m_colours[write++] = m_colours[read];
        }
        m_colours.resize(write);
        endResetModel();
        return;
    }
    for (int end = rows.size(); end > 0;) {
        int start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1)
            --start;
        const int first = rows[start];
        const int last = rows[end - 1];
        beginRemoveRows(QModelIndex(), first, last);
        m_colours.erase(m_colours.begin() + first, m_colours.begin() + last + 1);
        endRemoveRows();
        end = start;
    }
}

void HistoryList::ClearHistory()
{
    beginResetModel();
    m_colours.clear();
    m_step = -1;
    m_unreadableRest.clear();
    endResetModel();
}

std::optional<ColorRef> HistoryList::Undo(std::optional<ColorRef> shown)
{
    return TakeStep(UndoStep, shown);
}

std::optional<ColorRef> HistoryList::Redo(std::optional<ColorRef> shown)
{
    return TakeStep(RedoStep, shown);
}

template <typename StepRule>
std::optional<ColorRef> HistoryList::TakeStep(StepRule rule, std::optional<ColorRef> shown)
{
    if (shown)
        *shown &= 0xFFFFFFu;
    const std::optional<int> step = rule(m_colours, m_step, shown);
    if (!step)
        return std::nullopt;
    m_step = *step;
    return colourAt(m_step);
}
