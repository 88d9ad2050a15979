#pragma once
// What the controls without a standard look share for keyboard use: when a focus
// frame shows, how it is drawn, and which keys act on the focused control.

#include <QPoint>
#include <QRect>

class QKeyEvent;
class QPainter;
class QWidget;

// `widget` has the focus and the focus has moved by keyboard in its window, as
// the style decides for its own focus frames. A window that only came to the
// front shows no frame, so it looks as it did before any key was pressed. Qt
// repaints a widget whenever it gains or loses the focus: asking this in
// paintEvent is all a focus frame needs.
bool ShowsFocusFrame(const QWidget& widget);

// The classic dotted focus frame along the edge of `rect`: every other pixel
// inverted, so it shows on any colour.
void DrawDottedFocusFrame(QPainter& painter, const QRect& rect);

// Enter, Return and, when `withSpace`, Space, without Ctrl or Alt: the keys that
// do to a focused control what a click or double-click does.
bool IsActivationKey(const QKeyEvent& event, bool withSpace);

// One pixel in the direction of an arrow key; (0, 0) for any other key.
QPoint ArrowStep(int key);
