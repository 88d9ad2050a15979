#pragma once
// Placing the program's frameless windows from their stored position keys. A
// window has no system frame, so only its own title strip can move it: a stored
// position that puts the strip off every screen would leave it out of reach.

#include <QList>
#include <QPoint>
#include <QRect>

struct AppContext;
class QWidget;
class Screen;

// At least this much of the title strip's width must be on a screen (all of it
// for a narrower window), to grab it.
inline constexpr int kMinReachableStrip = 40;

// The top-left corner for `frame`, moved as little as needed so that its title
// strip (the top TitleStrip::Height pixels) is on a screen: its whole height
// inside one screen and kMinReachableStrip pixels of its width. A frame already
// placed so, and any frame when there are no screens, stays where it is.
QPoint PullOntoScreens(const QRect& frame, const QList<QRect>& screens);

// Moves `window` to `place`, pulled onto the screens as PullOntoScreens does.
// Every window that applies position keys places itself with this.
void PlaceOnScreen(QWidget& window, const QPoint& place, const Screen& screen);

// One coordinate from a position key ("1.left", "copy.top" ...): an empty value
// keeps `current`; a value that is no decimal integer is reported (the quoted
// value cut for the message box) and keeps it too.
int PositionKeyValue(const AppContext& context, const char* key, int current, QWidget* parent);

// Where a window stands at the very first start (no main window position stored
// yet) on the three screen sizes that have a place of their own; any other size
// keeps the window's place.
struct FirstStartPlaces
{
    QPoint at800x600;
    QPoint at1024x768;
    QPoint at1152x864;
};
QPoint FirstStartPlace(const FirstStartPlaces& places, const QSize& screenSize,
                       const QPoint& otherwise);

// A window placed from its position keys: `design` with the keys applied (each
// reported and skipped when it is no integer), then on a first start the place
// for the screen size when `firstStartPlaces` is given, then PlaceOnScreen.
void PlaceFromPositionKeys(QWidget& window, const AppContext& context, const char* leftKey,
                           const char* topKey, QPoint design,
                           const FirstStartPlaces* firstStartPlaces = nullptr);
