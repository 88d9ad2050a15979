#pragma once
// The colour list (the user's palette): items in the order they were added, each
// with its item text and its colour, the list changed flag, the current list path
// and the list current colour. Selection belongs to the view; operations that act
// on selected items take the selected rows. Questions to the user are asked by
// the window before it calls an operation.

#include "colour/ColourValues.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

// "R,G,B" + 13 spaces + "#RRGGBB" + " - " + "BBGGRR", decimal without leading
// zeros, hexadecimal upper case. 34 to 40 characters; the last 16 are the hex part.
QString FormatListItemText(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
QString FormatListItemText(ColorRef colour);

// The colour of a list item: the seven characters from its first "#", "#RRGGBB",
// read as hex pairs. Empty when the text has no "#" or those characters are not a
// colour; the exports and the copy formats leave such items out.
std::optional<Rgb> ListItemColour(QStringView itemText);

// The status line text while the mouse is over the list, for the current list
// path (empty when none) and the number of items.
QString ColourListStatusText(const QString& currentListPath, int count);

struct ColourListItem
{
    QString text;
    ColorRef colour = 0;
};

// Lines of a list file that are no colours (comments, labels, blank lines), kept
// so that the list is written back with them in place: `before` is the index of
// the colour (in the file's colour order) that they stood before; the number of
// colours for lines after the last one.
struct ListFileNote
{
    qsizetype before = 0;
    QStringList lines;
};

// A list file as it was when the list was read from it in full or written to it:
// the list may be written over that file only while it still holds just that.
struct ListFileStamp
{
    QString path; // empty: the list stands for no file
    qint64 size = -1;
    std::size_t hash = 0; // of the content
};

class ColourList : public QAbstractListModel
{
    Q_OBJECT
public:
    // data() of this role is the item's ColorRef as a uint; Qt::DisplayRole is the text.
    static constexpr int ColourRole = Qt::UserRole + 1;

    explicit ColourList(QObject* parent = nullptr);
    ~ColourList() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_entries.size()); }
    ColorRef colourAt(int row) const { return m_entries.at(row).colour; }
    // Item texts are made from the colour when asked for, unless an item was given
    // a text of its own (ReplaceItems).
    QString textAt(int row) const;
    // textAt as 8-bit text appended to `out`, without a string of its own (saving a
    // list of a million items).
    void AppendTextLatin1(QByteArray& out, int row) const;
    ColourListItem item(int row) const { return {textAt(row), colourAt(row)}; }
    // The item was given a text of its own (ReplaceItems), not the one its colour makes.
    bool HasOwnText(int row) const { return !m_entries.at(row).ownText.isNull(); }
    QList<ColourListItem> items() const;
    QStringList texts() const;
    // True when an item with this text is listed (letter case ignored).
    bool ContainsText(const QString& text) const;

    // Both append the colour unless its text is already listed; true when appended
    // (which sets the list changed flag). The caller refreshes the main colour or
    // records the history as the operation requires.
    bool AddMainColourToList(ColorRef colour);
    bool AddDroppedColourToList(ColorRef colour);

    // Removes the given rows (out of range and repeated rows are ignored) and sets
    // the list changed flag, also when nothing was removed.
    void DeleteRows(QList<int> rows);
    // Of every group of equal texts (letter case ignored) only the last item stays,
    // in its place. Sets the list changed flag.
    void ClearDuplicateColours();
    // Empties the list, clears the changed flag and the current list path. The
    // caller removes the "lastcll" setting.
    void NewList();

    // A loaded list: the items are replaced by the colours in order, each added as
    // by AddMainColourToList (repeats skipped), with one model reset, and `notes`
    // (ordered by `before`) take the place of the old ones; the notes of a repeat go
    // to the next item. Clears the changed flag, the file stamp and the origin name.
    // Returns the last colour that was added, which becomes the main colour, or
    // nothing when no colour was added.
    std::optional<ColorRef> ReplaceWithLoadedColours(const QList<ColorRef>& colours,
                                                     const QList<ListFileNote>& notes = {});
    // Replaces the items as given, repeats included, with one model reset. The
    // changed flag is not touched.
    void ReplaceItems(const QList<ColourListItem>& items);

    // Takes over, with one model reset, the items of a list loaded elsewhere (on a
    // worker thread), with their kept lines, the file stamp, origin name, changed
    // flag, current list path and read-in-full mark; `loaded` is left with this
    // list's old items.
    void AdoptLoadedList(ColourList& loaded);

    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed);

    const QString& CurrentListPath() const { return m_currentListPath; }
    void SetCurrentListPath(const QString& path);

    // The list does not hold all of the file it stands for (the current list path,
    // or the default list when that is empty): a load failed before anything was
    // read, or the file held lines that are no colours. Such a list is written
    // back at exit only when the user changed it. NewList clears it.
    bool IsNotReadInFull() const { return m_notReadInFull; }
    void SetNotReadInFull(bool notReadInFull) { m_notReadInFull = notReadInFull; }

    // The kept lines that stand before the item at `row` (null when none), and those
    // after the last item. Items removed pass their lines on to the next item.
    const QStringList* NotesBefore(int row) const;
    const QStringList& TrailingNotes() const { return m_trailingNotes; }

    // The file this list was read from in full or last written to (ListFileStamp).
    // Cleared by NewList and by every load; the file readers set it.
    const ListFileStamp& FileStamp() const { return m_fileStamp; }
    void SetFileStamp(const ListFileStamp& stamp) { m_fileStamp = stamp; }

    // The name of the palette the list came from ("warm" for warm.gpl); such a list
    // has no file of its own and, once changed, goes to a new "<name>.cll" at exit.
    // Empty otherwise; cleared like the file stamp.
    const QString& OriginName() const { return m_originName; }
    void SetOriginName(const QString& name) { m_originName = name; }

    // The colour that a double-click and a drag out of the list use: the colour of
    // the item last pressed or made current in the view.
    ColorRef ListCurrentColour() const { return m_listCurrentColour; }
    void SetListCurrentColour(ColorRef colour) { m_listCurrentColour = colour; }

signals:
    void changedFlagChanged(bool changed);
    void currentListPathChanged(const QString& path);

private:
    struct Entry
    {
        ColorRef colour = 0;
        // Index + 1 into m_notes of the kept lines before this item; 0 for none.
        // It fills what would be padding, so notes cost nothing per item.
        quint32 note = 0;
        // Null for the text made from the colour, which is every item the program
        // adds itself.
        QString ownText;
    };
    class TextIndex;

    bool Append(ColorRef colour);
    void RebuildTextIndex();
    // The notes of the rows for which `removed` holds move to the next row that
    // stays, or to the trailing notes.
    template <typename Removed> void PassOnNotes(Removed removed);
    void ClearNotes();

    QList<Entry> m_entries;
    QList<QStringList> m_notes;
    QStringList m_trailingNotes;
    ListFileStamp m_fileStamp;
    QString m_originName;
    std::unique_ptr<TextIndex> m_index;
    bool m_changed = false;
    bool m_notReadInFull = false;
    QString m_currentListPath;
    ColorRef m_listCurrentColour = 0;
};
