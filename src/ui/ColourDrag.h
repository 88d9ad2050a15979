#pragma once
// Colour drag and drop inside the process, shared by every swatch, panel, text, the
// colour list and the Variations image.
//
// A drag starts at once on a left press (no threshold). Drop targets decode the data
// and decide from the source's kind and identity whether they accept it.

#include "colour/ColourValues.h"

#include <QObject>

#include <optional>

class QDropEvent;
class QMimeData;
class QWidget;

// What a drop target may ask of a source: each kind yields its colour in one way,
// and the targets take or refuse sources by kind.
enum class ColourSourceKind
{
    MainSwatch,      // the main colour swatch: its fill colour
    WindowSwatch,    // a wheel segment, harmony or variation swatch: its fill colour
    ColourList,      // the colour list: the colour of the pressed entry
    VariationsImage, // the Variations grid: the colour shown under the pointer at the press
    TestShape,       // a Shape Test shape: its fill colour
    TestText,        // a Shape Test text: its text colour
    TestArea,        // the Shape Test's test area: its background colour
    WebPagePart,     // a part of the Simple Web Page Test's page: its background colour
    WebPageText,     // a text of the Simple Web Page Test's page: its text colour
};

struct DraggedColour
{
    ColorRef colour = 0;
    ColourSourceKind kind = ColourSourceKind::WindowSwatch;
    // Identity only: compared, never dereferenced.
    const QObject* source = nullptr;
};

// The in-process type; drops without it (other programs, files) are foreign.
inline constexpr char ColourMimeType[] = "application/x-qbkromi-colour";

// Caller owns the result (hand it to a QDrag or a clipboard).
QMimeData* CreateColourMimeData(const DraggedColour& dragged);
// nullopt for data not made by CreateColourMimeData in this process.
std::optional<DraggedColour> DecodeColourDrop(const QMimeData* data);

// Runs the drag (QDrag::exec, copy action) with a small picture of the colour.
// Returns when the drag is over.
void StartColourDrag(QWidget* source, const DraggedColour& dragged);

// Accepts a drag enter, move or drop (the proposed copy) when `acceptable`, else
// ignores it; returns `acceptable`, so a drop handler goes on only when it took it.
bool AnswerColourDrag(QDropEvent& event, bool acceptable);

// The main colour swatch takes every source but itself.
bool MainSwatchAccepts(const DraggedColour& dragged, const QObject* mainSwatch);
