#pragma once
// What a palette reader (GIMP palette, ACO) gives: the colours in file order, as
// ReadColourListFile does for a ".cll", and what the window is to say about the
// file. Unlike a ".cll", a palette with some unreadable entries still loads: its
// good colours are kept and `notice` tells what was left out.

#include "colour/ColourValues.h"
#include "storage/ColourListFile.h"
#include "storage/TextFile.h"

#include <QList>
#include <QString>
#include <QStringList>

struct PaletteFileContent
{
    ColourListLoadStatus status = ColourListLoadStatus::Missing;
    QList<ColorRef> colours; // in file order, repeats included
    // One per colour when the reader keeps names (ACO version 2), otherwise empty:
    // list items are named by their colour, so a 100,000-row palette does not
    // pay for names nobody reads.
    QStringList names;
    QString paletteName; // the palette's own name, when the format has one
    QString error;       // Failed: the message to show; nothing was loaded
    // Loaded: a message to show after the load when entries were skipped or the
    // file ended early; empty when everything was read.
    QString notice;
};

// Reads `path` whole and gives its bytes to `parse` (QByteArray -> PaletteFileContent):
// no file is Missing, a file that cannot be read Failed with the reader's message.
template <typename Parse> PaletteFileContent ReadPaletteFile(const QString& path, Parse&& parse)
{
    const FileReadResult read = ReadWholeFile(path);
    PaletteFileContent content;
    if (read.status == FileReadStatus::Missing)
        return content;
    if (read.status == FileReadStatus::Unreadable) {
        content.status = ColourListLoadStatus::Failed;
        content.error = read.error;
        return content;
    }
    return parse(read.data);
}
