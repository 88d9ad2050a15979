#pragma once
// Placing the program's frameless windows from their stored position keys. A
// window has no system frame, so only its own title strip can move it: a stored
// position that puts the strip off every screen would leave it out of reach.

#include <QList>
#include <QPoint>
#include <QRect>

struct AppContext;
class QWidget;
class SettingsStore;

// Where a window stands at the very first start (no main window position stored
// yet) on the three screen sizes that have a place of their own; any other size
// keeps the window's place.
struct FirstStartPlaces
{
    QPoint at800x600;
    QPoint at1024x768;
    QPoint at1152x864;
};

// A window placed from its position keys: `defaultPosition` with the keys applied (each
// reported and skipped when it is no integer), then on a first start the place
// for the screen size when `firstStartPlaces` is given, then moved as little as
// needed to put its title strip on a screen.
void PlaceFromPositionKeys(QWidget& window, const AppContext& context, const char* leftKey,
                           const char* topKey, QPoint defaultPosition,
                           const FirstStartPlaces* firstStartPlaces = nullptr);

// Writes the window's left and top edges to its position keys.
void WritePositionKeys(SettingsStore& settings, const QWidget& window, const char* leftKey,
                       const char* topKey);
