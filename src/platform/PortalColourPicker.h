#pragma once
// ColourPicker through the desktop portal: org.freedesktop.portal.Screenshot's
// PickColor on the session bus, answered by the Response signal of the request
// object it names.

#include "platform/ColourPicker.h"

#include <QDBusConnection>

#include <optional>

class PortalColourPicker : public ColourPicker
{
public:
    // The session bus, connected at the first pick.
    PortalColourPicker();
    // A bus of the caller's choice (tests run a private one).
    explicit PortalColourPicker(const QDBusConnection& bus);

    void PickColour(std::function<void(const PickedColour&)> done) override;

private:
    std::optional<QDBusConnection> m_bus;
    int m_requests = 0;
};

// A portal colour (three doubles 0..1) as bytes, rounded to the nearest; values
// outside 0..1 are clamped.
QColor PortalColourToColour(double red, double green, double blue);
