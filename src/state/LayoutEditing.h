#pragma once
// Moving and resizing a test item by hand while the Shape Test's "Edit Layout" mode
// is on. A press in the item's lower-right corner resizes it, anywhere else moves it.
// Coordinates are pixels relative to the test area.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// The corner that resizes: this many pixels from the right and bottom edges.
inline constexpr int kResizeGripSize = 5;
// No item gets smaller than this, so none can vanish under the pointer.
inline constexpr int kEditedMinimumSize = 4;
// A moved item keeps at least this much of itself inside the test area, so it can
// always be reached again: wide enough that a press in the middle of what is left
// moves the item rather than resizing it.
inline constexpr int kEditedVisiblePart = 3 * kResizeGripSize;

enum class LayoutEditGrip
{
    Move,
    Resize
};

// Which edit a press at `pressed` (relative to the item) starts.
LayoutEditGrip EditGripAt(QSize itemSize, QPoint pressed);

// The item's geometry after the pointer moved by `delta` since the press that
// started the edit at `start`, inside a test area of `area`.
QRect EditedGeometry(const QRect& start, LayoutEditGrip grip, QPoint delta, QSize area);

// The order the keyboard visits the test items in, as indexes into `boxes`: the
// items that show inside `area` (a parked one does not), top to bottom, then left
// to right.
std::vector<int> ReadingOrder(const std::vector<QRect>& boxes, const QRect& area);
