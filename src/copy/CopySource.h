#pragma once
// What the Copy window copies: the source colours gathered from the main window,
// the colour list or the wheel, and the values every format derives from one entry.
// Pure functions over plain inputs; the window fills CopySourceInput.

#include "colour/ColourValues.h"
#include "colour/Harmonies.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

enum class CopySource
{
    MainColor,
    ColorList,
    SelectedColors,
    ColorWheel
};

// The items of the source list in their order: "Main Color", "Color List", ...
QStringList CopySourceCaptions();

// A snapshot of the main window taken when a copy is prepared.
struct CopySourceInput
{
    QString hexEditText;                 // the hex edit's text as typed, without "#"
    std::array<QString, 3> rgbEditTexts; // the R, G, B edits' texts as they stand
    QStringList listItemTexts;           // colour list items, first to last
    QVector<bool> listItemSelected;      // parallel to listItemTexts; missing = unselected
    std::array<ColorRef, kWheelSegments> wheelColours{}; // segment 1 (top) .. 12, clockwise
};

// Source colours: one "#RRGGBB" text per colour (shorter when taken from a shorter
// typed hex text or a short list item).
QStringList GatherSourceColours(CopySource source, const CopySourceInput& input);

class ColourList;

// The entries GatherSourceColours takes from the list's item texts, read from the
// colours instead: a text the program made holds "#RRGGBB" of its colour, and
// 100,000 of them need not be written to be read. For the given rows (in order),
// or all items when `rows` is null. Empty when an item has a text of its own.
std::optional<QStringList> ListEntriesOfColours(const ColourList& list, const QList<int>* rows);

// "#" and the seven characters starting at the first "#" of each item that has one.
QStringList ColourEntriesOf(const QStringList& itemTexts);
// The same for the selected items only, in list order.
QStringList SelectedColourEntries(const QStringList& itemTexts, const QVector<bool>& selected);
int SelectedCount(const QVector<bool>& selected);

// Values derived from one entry. The digit forms are plain text operations and
// always present; the numbers need the digits to be hexadecimal.
struct EntryValues
{
    QString hashHex;   // "#06A7FF", the entry itself
    QString hex;       // "06A7FF"
    QString bgrDigits; // "FFA706": last two digits, digits 3-4, first two
    std::optional<Rgb> rgb;
    Hsl hsl;       // RgbToHsl(rgb) when rgb is present
    QString error; // the integer-conversion message when rgb is absent
};

// "#FFF" gives hex "FFF", BGR digits "FFFFF" and R, G, B 255, 255, 15.
EntryValues DeriveEntryValues(const QString& entry);
// DeriveEntryValues of the colour's "#RRGGBB", without reading the digits back.
EntryValues EntryValuesOf(Rgb colour);
