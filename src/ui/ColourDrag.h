#pragma once
// Colour drag and drop, shared by every swatch, panel, text, the colour list and
// the Variations image.
//
// A drag starts at once on a left press (no threshold). It carries the program's
// own type and, for other programs, the standard colour data (application/x-color)
// and the colour as "#RRGGBB" text. Drop targets (MakeColourDropTarget) decode the
// data and decide from the source's kind and identity whether they accept it.

#include "colour/ColourValues.h"

#include <QObject>

#include <functional>
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
    OtherProgram,    // standard colour data or a colour text from another program
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
// The colour of a text from another program, in any CSS colour form the program
// reads (ReadCssColour: "#RGB", "06a7ff", "tomato", "oklch(70% 0.1 200)" ...),
// spaces around ignored. Empty for any other text.
std::optional<ColorRef> ColourFromText(const QString& text);
// DecodeColourDrop, else a colour from another program (kind OtherProgram, no
// source): its standard colour data, or its text read by ColourFromText.
std::optional<DraggedColour> DecodeAnyColourDrop(const QMimeData* data);

// Runs the drag (QDrag::exec, copy action) with a small picture of the colour.
// Returns when the drag is over.
void StartColourDrag(QWidget* source, const DraggedColour& dragged);

// How one drop target answers a colour dragged over it. Data that holds no colour
// is left to the widget (and its parents).
struct ColourDropRules
{
    // Whether the target takes this colour here; null takes every colour.
    std::function<bool(const DraggedColour& dragged, const QDropEvent& event)> accepts;
    // Called as the colour is dropped, once it is accepted.
    std::function<void(const DraggedColour& dragged)> dropped;
    // Called on every drag entering the target, with its colour if it holds one.
    std::function<void(const std::optional<DraggedColour>& dragged)> entered;
};
// Makes `target` accept drops and answers its drag enter, drag move and drop events
// by `rules` (through an event filter owned by the target).
void MakeColourDropTarget(QWidget* target, ColourDropRules rules);

// A text field refuses the program's own colour drags, which it would otherwise
// take as their "#RRGGBB" text; text from other programs drops in as before.
void RefuseOwnColourDrags(QWidget* textField);

// The main colour swatch takes every source but itself.
bool MainSwatchAccepts(const DraggedColour& dragged, const QObject* mainSwatch);
