#include "state/ColourList.h"

#include "colour/ColourText.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace {

// Built in one buffer: lists of many thousands of items format a text per item.
template <typename Char> Char* WriteListItemText(Char* out, Rgb c)
{
    out = WriteDecimalTriple(out, c);
    for (int i = 0; i < 13; ++i)
        *out++ = Char(' ');
    *out++ = Char('#');
    out = WriteHexText(out, c);
    for (char ch : {' ', '-', ' '})
        *out++ = Char(ch);
    return WriteHexText(out, Rgb{c.blue, c.green, c.red});
}

} // namespace

QString FormatListItemText(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    char16_t text[40];
    return TextFromBuffer(text, WriteListItemText(text, Rgb{red, green, blue}));
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

// Which item texts are listed, letter case ignored. A text in the program's own
// form stands for exactly one 24-bit colour, so those are kept as one bit per
// colour (2 MB for all of them) instead of hashed strings; a loaded list of a
// million colours is checked in a few milliseconds. Other texts, which only
// ReplaceItems can give, are kept upper-cased.
class ColourList::TextIndex
{
public:
    TextIndex() : m_bits(kColours / 64, 0) {}

    // False when the text was listed already: the item is a repeat.
    bool Insert(const Entry& entry)
    {
        const bool added =
            entry.ownText.isNull() ? InsertColour(entry.colour) : InsertText(entry.ownText);
        if (!added)
            ++m_repeats;
        return added;
    }
    bool InsertColour(ColorRef colour)
    {
        const std::uint32_t key = colour & (kColours - 1);
        std::uint64_t& word = m_bits[key / 64];
        const std::uint64_t bit = std::uint64_t(1) << (key % 64);
        if (word & bit)
            return false;
        word |= bit;
        return true;
    }
    // Only exact while the list holds no repeats; with repeats the owner rebuilds.
    void Remove(const Entry& entry)
    {
        if (!entry.ownText.isNull()) {
            RemoveText(entry.ownText);
            return;
        }
        const std::uint32_t key = entry.colour & (kColours - 1);
        m_bits[key / 64] &= ~(std::uint64_t(1) << (key % 64));
    }
    bool Contains(const QString& text) const
    {
        const QString upper = text.toUpper();
        if (const std::optional<ColorRef> colour = OwnFormColour(upper)) {
            const std::uint32_t key = *colour;
            return m_bits[key / 64] & (std::uint64_t(1) << (key % 64));
        }
        return m_texts.contains(upper);
    }
    int repeats() const { return m_repeats; }
    // The repeats counted so far were dropped from the list.
    void ForgetRepeats() { m_repeats = 0; }
    // Empty again, keeping its memory: the colour bits are 2 MB.
    void Clear()
    {
        std::fill(m_bits.begin(), m_bits.end(), 0);
        m_texts.clear();
        m_repeats = 0;
    }

private:
    static constexpr std::uint32_t kColours = 1u << 24;

    // The colour whose item text `upper` is, when it is one.
    static std::optional<ColorRef> OwnFormColour(const QString& upper)
    {
        const std::optional<Rgb> rgb = ListItemColour(upper);
        if (!rgb || FormatListItemText(rgb->red, rgb->green, rgb->blue) != upper)
            return std::nullopt;
        return PackColour(*rgb);
    }
    bool InsertText(const QString& text)
    {
        const QString upper = text.toUpper();
        if (const std::optional<ColorRef> colour = OwnFormColour(upper))
            return InsertColour(*colour);
        if (m_texts.contains(upper))
            return false;
        m_texts.insert(upper);
        return true;
    }
    void RemoveText(const QString& text)
    {
        const QString upper = text.toUpper();
        if (const std::optional<ColorRef> colour = OwnFormColour(upper))
            Remove(Entry{*colour, QString()});
        else
            m_texts.remove(upper);
    }

    std::vector<std::uint64_t> m_bits;
    QSet<QString> m_texts;
    int m_repeats = 0;
};

ColourList::ColourList(QObject* parent)
    : QAbstractListModel(parent), m_index(std::make_unique<TextIndex>())
{
}

ColourList::~ColourList() = default;

int ColourList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ColourList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    if (role == Qt::DisplayRole)
        return textAt(index.row());
    if (role == ColourRole)
        return uint(colourAt(index.row()));
    return QVariant();
}

QString ColourList::textAt(int row) const
{
    const Entry& entry = m_entries.at(row);
    return entry.ownText.isNull() ? FormatListItemText(entry.colour) : entry.ownText;
}

void ColourList::AppendTextLatin1(QByteArray& out, int row) const
{
    const Entry& entry = m_entries.at(row);
    if (!entry.ownText.isNull()) {
        out += entry.ownText.toLatin1();
        return;
    }
    char text[40];
    const char* end = WriteListItemText(text, UnpackColour(entry.colour));
    out.append(text, end - text);
}

QList<ColourListItem> ColourList::items() const
{
    QList<ColourListItem> all;
    all.reserve(m_entries.size());
    for (int row = 0; row < count(); ++row)
        all.append(item(row));
    return all;
}

QStringList ColourList::texts() const
{
    QStringList all;
    all.reserve(m_entries.size());
    for (int row = 0; row < count(); ++row)
        all.append(textAt(row));
    return all;
}

bool ColourList::ContainsText(const QString& text) const
{
    return m_index->Contains(text);
}

bool ColourList::Append(ColorRef colour)
{
    if (!m_index->InsertColour(colour))
        return false;
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(Entry{colour, QString()});
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

void ColourList::RebuildTextIndex()
{
    m_index->Clear();
    for (const Entry& entry : std::as_const(m_entries))
        m_index->Insert(entry);
}

void ColourList::DeleteRows(QList<int> rows)
{
    const int n = count();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [n](int r) { return r < 0 || r >= n; }),
               rows.end());
    // The view gives its rows in order: a million of them need no sort.
    if (!std::is_sorted(rows.begin(), rows.end()))
        std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    // Removing one of two equal texts leaves the text listed: with repeats the
    // index is built again afterwards.
    const bool repeats = m_index->repeats() > 0;
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
            for (int row = run->first; row <= run->second && !repeats; ++row)
                m_index->Remove(m_entries.at(row));
            m_entries.remove(run->first, run->second - run->first + 1);
            endRemoveRows();
        }
        if (repeats)
            RebuildTextIndex();
    } else {
        beginResetModel();
        QList<Entry> kept;
        kept.reserve(n - rows.size());
        auto next = rows.cbegin();
        for (int row = 0; row < n; ++row) {
            if (next != rows.cend() && *next == row)
                ++next;
            else
                kept.append(std::move(m_entries[row]));
        }
        m_entries = std::move(kept);
        RebuildTextIndex();
        endResetModel();
    }
    SetChanged(true);
}

void ColourList::ClearDuplicateColours()
{
    if (m_index->repeats() > 0) {
        // From the last item up, an item stays when its text is not yet seen; the
        // index of the seen texts is then exactly that of the kept items.
        m_index->Clear();
        std::vector<bool> keep(m_entries.size());
        for (qsizetype row = m_entries.size() - 1; row >= 0; --row)
            keep[std::size_t(row)] = m_index->Insert(m_entries.at(row));
        m_index->ForgetRepeats();
        beginResetModel();
        qsizetype kept = 0;
        for (qsizetype row = 0; row < m_entries.size(); ++row) {
            if (!keep[std::size_t(row)])
                continue;
            if (kept != row)
                m_entries[kept] = std::move(m_entries[row]);
            ++kept;
        }
        m_entries.resize(kept);
        endResetModel();
    }
    SetChanged(true);
}

void ColourList::NewList()
{
    beginResetModel();
    m_entries.clear();
    m_index->Clear();
    endResetModel();
    SetChanged(false);
    SetCurrentListPath(QString());
    m_notReadInFull = false;
}

std::optional<ColorRef> ColourList::ReplaceWithLoadedColours(const QList<ColorRef>& colours)
{
    QList<Entry> entries;
    entries.reserve(colours.size());
    m_index->Clear();
    std::optional<ColorRef> lastAdded;
    for (ColorRef colour : colours) {
        if (!m_index->InsertColour(colour))
            continue;
        entries.append(Entry{colour, QString()});
        lastAdded = colour;
    }
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
    SetChanged(false);
    return lastAdded;
}

void ColourList::ReplaceItems(const QList<ColourListItem>& items)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(items.size());
    for (const ColourListItem& item : items) {
        // A text of the item's own colour is kept as that colour; any other text
        // (an empty one too) as given.
        QString ownText;
        if (item.text != FormatListItemText(item.colour))
            ownText = item.text.isNull() ? QStringLiteral("") : item.text;
        m_entries.append(Entry{item.colour, ownText});
    }
    RebuildTextIndex();
    endResetModel();
}

void ColourList::AdoptLoadedList(ColourList& loaded)
{
    beginResetModel();
    std::swap(m_entries, loaded.m_entries);
    std::swap(m_index, loaded.m_index);
    endResetModel();
    SetChanged(loaded.m_changed);
    SetCurrentListPath(loaded.m_currentListPath);
    m_notReadInFull = loaded.m_notReadInFull;
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
