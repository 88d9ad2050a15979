#include "platform/SessionPlatform.h"

bool PreferXWayland(const QByteArray& waylandDisplay, const QByteArray& display,
                    const QByteArray& qtPlatform, const QList<QByteArray>& arguments)
{
    if (waylandDisplay.isEmpty() || display.isEmpty() || !qtPlatform.isEmpty())
        return false;
    for (const QByteArray& argument : arguments)
        if (argument == "-platform" || argument == "--platform")
            return false;
    return true;
}
