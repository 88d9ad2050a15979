#pragma once
// The Shape Test window's hint line texts and the texts of the questions its
// scheme commands ask. The window shows them; nothing here shows anything.

#include "colour/ColourValues.h"

#include <QString>

// The hint line at first and over the window's own surface.
QString ShapeTestInitialHint();
// Over the free test area: "Drag and drop a color to change background color. R: 6,
// G: 167, B: 255, HEX: #06A7FF " (decimal without leading zeros, from the three low
// bytes; ends with a space).
QString TestAreaHint(ColorRef background);
// Over a test shape (its fill) or a test text (its text colour): " R: 6, G: 167,
// B: 255, HEX: #06A7FF " (begins and ends with a space).
QString TestItemHint(ColorRef colour);
// Over "Edit Layout".
QString EditLayoutHint();
// Over the scheme list, "Save Scheme" and "Restore to Default Colors".
QString SchemeListHint();
QString SaveSchemeHint();
QString RestoreDefaultColoursHint();

// A Yes/No question with a question icon; the command goes on only on Yes.
struct ShapeTestQuestion
{
    QString title;
    QString text;
};

// Caption and prompt of the input box that asks Save Scheme's name.
QString SchemeNamePrompt();
// Save Scheme, when the file exists: "<name>.shm already exists. Do you want to
// replace it?" with the name as typed.
ShapeTestQuestion ReplaceSchemeQuestion(const QString& typedName);
// Loading a scheme while the scheme changed flag is set.
ShapeTestQuestion ContinueLoadQuestion();
// The Delete key in the scheme list.
ShapeTestQuestion DeleteSchemeQuestion();
// Restore to Default Colors while the scheme changed flag is set.
ShapeTestQuestion RestoreColoursQuestion();
