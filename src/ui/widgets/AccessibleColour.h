#pragma once
// What screen readers hear of a widget that shows a colour: "6, 167, 255, #06A7FF"
// (R, G, B, hex), after the widget's own text when it has one. The text is made only
// when a reader asks, so a colour change on the slider path costs nothing.

#include "colour/ColourValues.h"

#include <QString>

class ShowsColour
{
public:
    ShowsColour();
    virtual ~ShowsColour() = default;
    virtual ColorRef shownColour() const = 0;
    // A text the widget shows besides its colour (a test text's caption), or empty.
    virtual QString shownText() const { return {}; }
};
