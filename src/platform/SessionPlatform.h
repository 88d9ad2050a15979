#pragma once
// Which Qt platform the program asks for, decided before QApplication exists.

#include <QByteArray>
#include <QList>

// True when the program should run through XWayland ("xcb"): a Wayland session
// (WAYLAND_DISPLAY set) that also offers an X server (DISPLAY set), where the
// user chose no platform (neither QT_QPA_PLATFORM nor a "-platform" argument).
// The frameless windows place themselves and the eye dropper reads the screen,
// which a native Wayland client may not do.
bool PreferXWayland(const QByteArray& waylandDisplay, const QByteArray& display,
                    const QByteArray& qtPlatform, const QList<QByteArray>& arguments);
