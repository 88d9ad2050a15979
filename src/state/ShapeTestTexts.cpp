#include "state/ShapeTestTexts.h"

#include "colour/ColourText.h"

namespace {

// "R: 6, G: 167, B: 255, HEX: #06A7FF ".
QString ColourReadout(ColorRef colour)
{
    const Rgb c = UnpackColour(colour);
    return QStringLiteral("R: %1, G: %2, B: %3, HEX: %4 ")
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue)
        .arg(FormatHashHex(c));
}

} // namespace

QString ShapeTestInitialHint()
{
    return QStringLiteral("Select a test layout from the list. Drag and drop colors on the "
                          "shapes. You can also change the background color.");
}

QString TestAreaHint(ColorRef background)
{
    return QStringLiteral("Drag and drop a color to change background color. ") +
           ColourReadout(background);
}

QString TestItemHint(ColorRef colour)
{
    return QLatin1Char(' ') + ColourReadout(colour);
}

QString EditLayoutHint()
{
    return QStringLiteral("Click to edit this layout.");
}

QString SchemeListHint()
{
    return QStringLiteral("Select a scheme from the list. Please note that all schemes may not "
                          "be suitable for all layouts.");
}

QString SaveSchemeHint()
{
    return QStringLiteral("Click to save scheme.");
}

QString RestoreDefaultColoursHint()
{
    return QStringLiteral("Click to restore to default colors.");
}

QString SchemeNamePrompt()
{
    return QStringLiteral("Type a Filename");
}

ShapeTestQuestion ReplaceSchemeQuestion(const QString& typedName)
{
    return {QStringLiteral("Replace?"),
            typedName + QStringLiteral(".shm already exists. Do you want to replace it?")};
}

ShapeTestQuestion ContinueLoadQuestion()
{
    return {QStringLiteral("Continue?"),
            QStringLiteral("Scheme has been changed. Changes will be lost. Continue? ")};
}

ShapeTestQuestion DeleteSchemeQuestion()
{
    return {QStringLiteral("Delete?"), QStringLiteral("Are you sure to delete selected scheme?")};
}

ShapeTestQuestion RestoreColoursQuestion()
{
    return {QStringLiteral("Restore?"), QStringLiteral("Restore to default colors? ")};
}
