#pragma once
// A colour picked on the screen by the desktop itself, for sessions in which a
// program cannot read the screen (Wayland). The desktop runs its own picker, so
// the answer comes later, from the event loop.

#include <QColor>
#include <QString>

#include <functional>

struct PickedColour
{
    enum class Outcome
    {
        Picked,
        Cancelled,   // the user ended the pick
        Refused,     // the desktop ended it without a colour
        Unavailable, // no picker on this desktop (or no session bus)
    };
    Outcome outcome = Outcome::Unavailable;
    QColor colour;  // Picked only
    QString reason; // Unavailable: what went wrong, for the message
};

class ColourPicker
{
public:
    virtual ~ColourPicker() = default;
    // Starts one pick; `done` runs once, later, on this thread.
    virtual void PickColour(std::function<void(const PickedColour&)> done) = 0;
};
