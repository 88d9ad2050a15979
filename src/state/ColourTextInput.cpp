#include "state/ColourTextInput.h"

#include "colour/CssColourText.h"

QString ApplyColourText(MainColour& mainColour, QStringView text)
{
    const CssColourReading reading = ReadCssColour(text);
    if (reading.colour)
        mainColour.SetMainColour(PackColour(*reading.colour));
    return ReadingNote(reading);
}
