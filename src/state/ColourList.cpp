#include "state/ColourList.h"

#include "colour/ColourText.h"

#include <algorithm>

namespace {

QString TextKey(const QString& text)
{
    return text.toUpper();
}

} // namespace

// Built in one buffer: lists of many thousands of items format a text per item.
QString FormatListItemText(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    const Rgb c{red, green, blue};
    char16_t text[40];
    char16_t* end = WriteDecimalTriple(text, c);
    for (int i = 0; i < 13; ++i)
        *end++ = u' ';
    *end++ = u'#';
    end = WriteHexText(end, c);
    *end++ = u' ';
    *end++ = u'-';
    *end++ = u' ';
    end = WriteHexText(end, Rgb{blue, green, red});
    return QString(reinterpret_cast<const QChar*>(text), end - text);
}

QString FormatListItemText(ColorRef colour)
{
    const Rgb rgb = UnpackColour(colour);
    return FormatListItemText(rgb.red, rgb.green, rgb.blue);
}

std::optional<Rgb> ListItemColour(QStringView itemText)
{
    const qsizetype hash = itemText.indexOf(QLatin1Char('#'));
    if (hash < 0 || itemText.size() - hash < 7)
        return std::nullopt;
    return ReadHexTriple(itemText.utf16() + hash + 1);
}

QString ColourListStatusText(const QString& currentListPath, int count)
{
    QString text = QStringLiteral("This is the color list. Drag a color to add it to the list. "
                                  "Double click any color to see its details.");
    if (currentListPath.isEmpty())
        text += QStringLiteral(" ( ");
    else
        text += QStringLiteral(" ( Loaded ") + currentListPath + QLatin1Char('.');
    if (count == 0)
        text += QStringLiteral(" No colors in the list. )");
    else if (count == 1)
        text += QStringLiteral(" There is only one color in the list.  )");
    else
        text += QStringLiteral(" There are ") + QString::number(count) +
                QStringLiteral(" colors in the list.  )");
    return text;
}

ColourList::ColourList(QObject* parent) : QAbstractListModel(parent) {}

int ColourList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ColourList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const ColourListItem& entry = m_items.at(index.row());
    if (role == Qt::DisplayRole)
        return entry.text;
    if (role == ColourRole)
        return uint(entry.colour);
    return QVariant();
}

bool ColourList::ContainsText(const QString& text) const
{
    return m_textCounts.contains(TextKey(text));
}

bool ColourList::Append(ColorRef colour)
{
    const QString text = FormatListItemText(colour);
    const QString key = TextKey(text);
    if (m_textCounts.contains(key))
        return false;
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_items.append(ColourListItem{text, colour});
    m_textCounts.insert(key, 1);
    endInsertRows();
    SetChanged(true);
    return true;
}

bool ColourList::AddMainColourToList(ColorRef colour)
{
    return Append(colour);
}

bool ColourList::AddDroppedColourToList(ColorRef colour)
{
    return Append(colour);
}

void ColourList::RemoveText(const QString& text)
{
    const auto it = m_textCounts.find(TextKey(text));
    if (it == m_textCounts.end())
        return;
    if (--it.value() == 0)
        m_textCounts.erase(it);
}

void ColourList::RebuildTextIndex()
{
    m_textCounts.clear();
    m_textCounts.reserve(m_items.size());
    for (const ColourListItem& entry : std::as_const(m_items))
        ++m_textCounts[TextKey(entry.text)];
}

void ColourList::DeleteRows(QList<int> rows)
{
    const int n = count();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [n](int r) { return r < 0 || r >= n; }),
               rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    // Runs of adjacent rows, removed from the bottom up so the rows above keep their
    // numbers. Many scattered runs would make that quadratic: one reset instead.
    QList<std::pair<int, int>> runs;
    for (int row : std::as_const(rows)) {
        if (!runs.isEmpty() && runs.back().second == row - 1)
            runs.back().second = row;
        else
            runs.append({row, row});
    }
    constexpr int kMaxSeparateRuns = 32;
    if (runs.size() <= kMaxSeparateRuns) {
        for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
            beginRemoveRows(QModelIndex(), run->first, run->second);
            for (int row = run->first; row <= run->second; ++row)
                RemoveText(m_items.at(row).text);
            m_items.remove(run->first, run->second - run->first + 1);
            endRemoveRows();
        }
    } else {
        beginResetModel();
        QList<ColourListItem> kept;
        kept.reserve(n - rows.size());
        auto next = rows.cbegin();
        for (int row = 0; row < n; ++row) {
            if (next != rows.cend() && *next == row)
                ++next;
            else
                kept.append(std::move(m_items[row]));
        }
        m_items = std::move(kept);
        RebuildTextIndex();
        endResetModel();
    }
    SetChanged(true);
}

void ColourList::ClearDuplicateColours()
{
    if (m_textCounts.size() != m_items.size()) {
        // An item is the last of its text when counting it down leaves none after it;
        // that one stays (its count back at one), every earlier one goes.
        beginResetModel();
        qsizetype kept = 0;
        for (qsizetype row = 0; row < m_items.size(); ++row) {
            int& remaining = m_textCounts[TextKey(m_items.at(row).text)];
            if (--remaining > 0)
                continue;
            remaining = 1;
            if (kept != row)
                m_items[kept] = std::move(m_items[row]);
            ++kept;
        }
        m_items.resize(kept);
        endResetModel();
    }
    SetChanged(true);
}

void ColourList::NewList()
{
    beginResetModel();
    m_items.clear();
    m_textCounts.clear();
    endResetModel();
    SetChanged(false);
    SetCurrentListPath(QString());
    m_notReadInFull = false;
}

std::optional<ColorRef> ColourList::ReplaceWithLoadedColours(const QList<ColorRef>& colours)
{
    QList<ColourListItem> items;
    QHash<QString, int> counts;
    items.reserve(colours.size());
    counts.reserve(colours.size());
    std::optional<ColorRef> lastAdded;
    for (ColorRef colour : colours) {
        QString text = FormatListItemText(colour);
        int& listed = counts[TextKey(text)];
        if (listed)
            continue;
        listed = 1;
        items.append(ColourListItem{std::move(text), colour});
        lastAdded = colour;
    }
    beginResetModel();
    m_items = std::move(items);
    m_textCounts = std::move(counts);
    endResetModel();
    SetChanged(false);
    return lastAdded;
}

void ColourList::ReplaceItems(QList<ColourListItem> items)
{
    beginResetModel();
    m_items = std::move(items);
    RebuildTextIndex();
    endResetModel();
}

void ColourList::SetChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedFlagChanged(changed);
}

void ColourList::SetCurrentListPath(const QString& path)
{
    if (m_currentListPath == path)
        return;
    m_currentListPath = path;
    emit currentListPathChanged(path);
}
