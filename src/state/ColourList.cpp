#include "state/ColourList.h"

#include "colour/ColourText.h"

#include <QSet>

#include <algorithm>
#include <utility>
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
// form stands for exactly one 24-bit colour: a small list keeps those colours in
// a hash set, and once it grows large they are kept as one bit per colour (2 MB
// for all of them), so a loaded list of a million colours is checked in a few
// milliseconds while a list of a few colours costs no 2 MB. Other texts, which
// only ReplaceItems can give, are kept upper-cased.
class ColourList::TextIndex
{
public:
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
        if (m_bits.empty()) {
            if (m_small.contains(key))
                return false;
            m_small.insert(key);
            if (m_small.size() > kMaxSmall)
                MoveToBits();
            return true;
        }
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
        if (m_bits.empty())
            m_small.remove(key);
        else
            m_bits[key / 64] &= ~(std::uint64_t(1) << (key % 64));
    }
    bool Contains(const QString& text) const
    {
        const QString upper = text.toUpper();
        if (const std::optional<ColorRef> colour = OwnFormColour(upper)) {
            const std::uint32_t key = *colour;
            if (m_bits.empty())
                return m_small.contains(key);
            return m_bits[key / 64] & (std::uint64_t(1) << (key % 64));
        }
        return m_texts.contains(upper);
    }
    int repeats() const { return m_repeats; }
    // The repeats counted so far were dropped from the list.
    void ForgetRepeats() { m_repeats = 0; }
    // Empty again, keeping the colour bits once a large list needed them: the next
    // load of a large list then does not allocate 2 MB anew.
    void Clear()
    {
        std::fill(m_bits.begin(), m_bits.end(), 0);
        m_small.clear();
        m_texts.clear();
        m_repeats = 0;
    }

private:
    static constexpr std::uint32_t kColours = 1u << 24;
    static constexpr qsizetype kMaxSmall = 4096;

    void MoveToBits()
    {
        m_bits.assign(kColours / 64, 0);
        for (std::uint32_t key : std::as_const(m_small))
            m_bits[key / 64] |= std::uint64_t(1) << (key % 64);
        m_small.clear();
    }
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
            Remove(Entry{*colour, 0, QString()});
        else
            m_texts.remove(upper);
    }

    // Exactly one of the two holds the colours: m_small until a list grows large.
    std::vector<std::uint64_t> m_bits;
    QSet<std::uint32_t> m_small;
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
    m_entries.append(Entry{colour, 0, QString()});
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

    PassOnNotes([&rows](int row) { return std::binary_search(rows.cbegin(), rows.cend(), row); });
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
        PassOnNotes([&keep](int row) { return !keep[std::size_t(row)]; });
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
    ClearNotes();
    SetChanged(false);
    SetCurrentListPath(QString());
    m_notReadInFull = false;
    m_fileStamp = ListFileStamp();
    m_originName.clear();
}

const QStringList* ColourList::NotesBefore(int row) const
{
    const quint32 note = m_entries.at(row).note;
    return note == 0 ? nullptr : &m_notes.at(note - 1);
}

void ColourList::ClearNotes()
{
    m_notes.clear();
    m_trailingNotes.clear();
}

template <typename Removed> void ColourList::PassOnNotes(Removed removed)
{
    if (m_notes.isEmpty())
        return;
    // Lines of removed rows gather until the next row that stays and go before it.
    QStringList carried;
    for (int row = 0; row < count(); ++row) {
        Entry& entry = m_entries[row];
        if (removed(row)) {
            if (entry.note != 0) {
                carried += m_notes.at(entry.note - 1);
                entry.note = 0;
            }
        } else if (!carried.isEmpty()) {
            if (entry.note == 0) {
                m_notes.append(QStringList());
                entry.note = quint32(m_notes.size());
            }
            QStringList& lines = m_notes[entry.note - 1];
            lines = carried + lines;
            carried.clear();
        }
    }
    m_trailingNotes = carried + m_trailingNotes;
}

std::optional<ColorRef> ColourList::ReplaceWithLoadedColours(const QList<ColorRef>& colours,
                                                             const QList<ListFileNote>& notes)
{
    QList<Entry> entries;
    entries.reserve(colours.size());
    ClearNotes();
    m_index->Clear();
    std::optional<ColorRef> lastAdded;
    auto note = notes.cbegin();
    QStringList carried; // the lines before a repeat stand before the next item
    for (qsizetype i = 0; i < colours.size(); ++i) {
        for (; note != notes.cend() && note->before <= i; ++note)
            carried += note->lines;
        const ColorRef colour = colours.at(i);
        if (!m_index->InsertColour(colour))
            continue;
        entries.append(Entry{colour, 0, QString()});
        if (!carried.isEmpty()) {
            m_notes.append(std::exchange(carried, {}));
            entries.back().note = quint32(m_notes.size());
        }
        lastAdded = colour;
    }
    for (; note != notes.cend(); ++note)
        carried += note->lines;
    m_trailingNotes = carried;
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
    SetChanged(false);
    m_fileStamp = ListFileStamp();
    m_originName.clear();
    return lastAdded;
}

void ColourList::ReplaceItems(const QList<ColourListItem>& items)
{
    beginResetModel();
    m_entries.clear();
    ClearNotes();
    m_entries.reserve(items.size());
    for (const ColourListItem& item : items) {
        // A text of the item's own colour is kept as that colour; any other text
        // (an empty one too) as given.
        QString ownText;
        if (item.text != FormatListItemText(item.colour))
            ownText = item.text.isNull() ? QStringLiteral("") : item.text;
        m_entries.append(Entry{item.colour, 0, ownText});
    }
    RebuildTextIndex();
    endResetModel();
}

void ColourList::AdoptLoadedList(ColourList& loaded)
{
    // Everything a load sets; the list current colour stays the view's.
    beginResetModel();
    std::swap(m_entries, loaded.m_entries);
    std::swap(m_notes, loaded.m_notes);
    std::swap(m_trailingNotes, loaded.m_trailingNotes);
    std::swap(m_index, loaded.m_index);
    endResetModel();
    m_fileStamp = loaded.m_fileStamp;
    m_originName = loaded.m_originName;
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
