#include "ui/features/WindowPlacement.h"

#include "storage/SettingsStore.h"
#include "ui/features/AppContext.h"
#include "ui/widgets/TitleStrip.h"

#include <QSize>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

bool StripReachable(const QRect& strip, const QRect& screen, int needed)
{
    const int visible =
        std::min(strip.right(), screen.right()) - std::max(strip.left(), screen.left()) + 1;
    return strip.top() >= screen.top() && strip.bottom() <= screen.bottom() && visible >= needed;
}

// How far a point lies outside a rectangle (0 inside), squared.
qint64 DistanceSquared(const QPoint& point, const QRect& rect)
{
    const qint64 dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
    const qint64 dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
    return dx * dx + dy * dy;
}

// At least this much of the title strip's width must be on a screen (all of it
// for a narrower window), to grab it.
constexpr int kMinReachableStrip = 40;

// The top-left corner for `frame`, moved as little as needed so that its title
// strip (the top TitleStrip::Height pixels) is on a screen: its whole height
// inside one screen and kMinReachableStrip pixels of its width. A frame already
// placed so, and any frame when there are no screens, stays where it is.
QPoint PullOntoScreens(const QRect& frame, const QList<QRect>& screens)
{
    const QRect strip(frame.topLeft(), QSize(frame.width(), TitleStrip::Height));
    const int needed = std::min(frame.width(), kMinReachableStrip);
    const QRect* nearest = nullptr;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        if (StripReachable(strip, screen, needed))
            return frame.topLeft();
        const qint64 distance = DistanceSquared(strip.center(), screen);
        if (distance < nearestDistance) {
            nearest = &screen;
            nearestDistance = distance;
        }
    }
    if (!nearest)
        return frame.topLeft();
    const int x = std::clamp(frame.x(), nearest->left() + needed - frame.width(),
                             std::max(nearest->left(), nearest->right() + 1 - needed));
    const int y = std::clamp(frame.y(), nearest->top(),
                             std::max(nearest->top(), nearest->bottom() + 1 - TitleStrip::Height));
    return QPoint(x, y);
}

// Moves `window` to `place`, pulled onto the screens.
void PlaceOnScreen(QWidget& window, const QPoint& place, const Screen& screen)
{
    window.move(PullOntoScreens(QRect(place, window.size()), screen.ScreenGeometries()));
}

// One coordinate from a position key ("1.left", "copy.top" ...): an empty value
// keeps `current`; a value that is no decimal integer is reported (the quoted
// value cut for the message box) and keeps it too.
int PositionKeyValue(const AppContext& context, const char* key, int current, QWidget* parent)
{
    const PositionSetting setting = context.settings.SettingAsPosition(QLatin1String(key));
    if (!setting.error.isEmpty()) {
        context.platform.messages.Information(parent, setting.error);
        return current;
    }
    return setting.value.value_or(current);
}

// Where a window stands at the very first start on the three screen sizes that
// have a place of their own; any other size keeps `otherwise`.
QPoint FirstStartPlace(const FirstStartPlaces& places, const QSize& screenSize,
                       const QPoint& otherwise)
{
    if (screenSize == QSize(800, 600))
        return places.at800x600;
    if (screenSize == QSize(1024, 768))
        return places.at1024x768;
    if (screenSize == QSize(1152, 864))
        return places.at1152x864;
    return otherwise;
}

} // namespace

void PlaceFromPositionKeys(QWidget& window, const AppContext& context, const char* leftKey,
                           const char* topKey, QPoint defaultPosition,
                           const FirstStartPlaces* firstStartPlaces)
{
    QPoint place(PositionKeyValue(context, leftKey, defaultPosition.x(), &window),
                 PositionKeyValue(context, topKey, defaultPosition.y(), &window));
    if (firstStartPlaces)
        place = FirstStartPlace(*firstStartPlaces, context.platform.screen.ScreenSize(), place);
    PlaceOnScreen(window, place, context.platform.screen);
}

void WritePositionKeys(SettingsStore& settings, const QWidget& window, const char* leftKey,
                       const char* topKey)
{
    settings.SetSetting(QLatin1String(leftKey), QString::number(window.x()));
    settings.SetSetting(QLatin1String(topKey), QString::number(window.y()));
}
