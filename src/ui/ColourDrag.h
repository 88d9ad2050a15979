#pragma once
// Colour drag and drop inside the process, shared by every swatch, panel, text, the
// colour list and the Variations image.
//
// A drag starts at once on a left press (no threshold). Drop targets decode the data
// and decide from the source's kind and identity whether they accept it.

#include "colour/ColourValues.h"

#include <QObject>

#include <optional>

class QMimeData;
class QWidget;

enum class ColourSourceKind
{
    Swatch,          // its fill colour
    ColouredPanel,   // its background colour
    Text,            // its text colour
    ColourList,      // the colour of the pressed entry
    VariationsImage, // the screen colour under the pointer at the press
};

struct DraggedColour
{
    ColorRef colour = 0;
    ColourSourceKind kind = ColourSourceKind::Swatch;
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

// The main colour swatch takes every source but itself.
bool MainSwatchAccepts(const DraggedColour& dragged, const QObject* mainSwatch);
