#pragma once
// The colour history: every committed colour in the order it was recorded, oldest
// first. No limit and no check for repeats. Only the colours are stored; an entry's
// text "R,G,B - #RRGGBB" is made from its colour when asked for, which keeps a
// history of a million entries small and quick to load.
//
// The history also owns the Undo/Redo step (rules in state/UndoRedo.h) and the
// lines of the history file that could not be read at start-up, which are kept so
// that writing the history back at exit does not lose them.

#include "colour/ColourValues.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// "6,167,255 - #06A7FF": decimal red, green, blue joined by ",", then " - ", then
// the hash hex form. At most 21 characters.
QString HistoryEntryText(ColorRef colour);
// The same text appended as 8-bit characters (for writing the history file).
void AppendHistoryEntryText(QByteArray& out, ColorRef colour);

class HistoryList : public QAbstractListModel
{
    Q_OBJECT
public:
    // Qt::DisplayRole gives the entry text; ColourRole the ColorRef (as uint).
    enum Role
    {
        ColourRole = Qt::UserRole + 1
    };

    explicit HistoryList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_colours.size()); }
    ColorRef colourAt(int row) const { return m_colours.at(std::size_t(row)); }
    const std::vector<ColorRef>& colours() const { return m_colours; }

    // Appends one entry (one row inserted) and makes it the current step.
    void AddToHistory(ColorRef colour);
    // Appends restored entries at once (one model reset, no per-entry signal);
    // the last one becomes the current step.
    void AppendLoaded(std::vector<ColorRef> colours);
    // Removes the given rows (any order, repeats and out-of-range rows ignored).
    void RemoveEntries(QList<int> rows);
    // "Clear History": every entry goes, and so do the unreadable file lines.
    void ClearHistory();

    // Undo/Redo: move the current step and give the colour it reaches, which the
    // caller shows without recording it. `shown` is the colour on screen; entries
    // of that colour are passed over. Empty at either end (the step stays).
    std::optional<ColorRef> Undo(std::optional<ColorRef> shown = std::nullopt);
    std::optional<ColorRef> Redo(std::optional<ColorRef> shown = std::nullopt);
    // The row of the current step, -1 when there is none.
    int CurrentStep() const { return m_step; }

    // Lines of the history file from the first unreadable one to its end, written
    // back after the entries at exit so the stored history is never lost.
    const QStringList& unreadableRest() const { return m_unreadableRest; }
    void SetUnreadableRest(const QStringList& lines) { m_unreadableRest = lines; }

private:
    // Undo and Redo: the rule (state/UndoRedo.h) moves the step.
    template <typename StepRule>
    std::optional<ColorRef> TakeStep(StepRule rule, std::optional<ColorRef> shown);

    std::vector<ColorRef> m_colours;
    int m_step = -1;
    QStringList m_unreadableRest;
};
