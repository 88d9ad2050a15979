#include "state/ShapeTestTexts.h"

#include "colour/ColourText.h"

QString ShapeTestInitialHint()
{
    return QStringLiteral("Select a test layout from the list. Drag and drop colors on the "
                          "shapes. You can also change the background color.");
}

QString TestAreaHint(ColorRef background)
{
    return QStringLiteral("Drag and drop a color to change background color. ") +
           RgbHexReadout(background) + QLatin1Char(' ');
}

QString TestItemHint(ColorRef colour)
{
    return QLatin1Char(' ') + RgbHexReadout(colour) + QLatin1Char(' ');
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
