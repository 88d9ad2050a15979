#pragma once
// The formats that write one line per colour beyond the "Value" fields: the CSS
// Color 4 forms, the nearest colour name and the user's own templates. The Copy
// window lists them after its built-in formats, the quick copy menu after its
// value entries, and Ctrl+C may copy any of them.

#include "colour/TextTemplate.h"
#include "copy/CopySource.h"
#include "copy/CopyText.h"

#include <QString>
#include <QVector>

#include <functional>

struct ColourLineFormat
{
    QString caption; // "OKLCH", "Color Name", or the name the user gave
    std::function<QString(Rgb)> line;
};

// The CSS forms (except hex, which the "Value" format has) and the name, then
// the user's formats in their order.
QVector<ColourLineFormat> ColourLineFormats(const QVector<UserTextFormat>& userFormats);

// One line per source entry ("#RRGGBB"), each ending with CR LF, or the
// conversion message of the first entry that is no colour.
CopyText ColourLinesText(const ColourLineFormat& format, const QStringList& entries);

// The quick copy text of a line format: the main colour ("#" + hex edit text)
// as one line without a line break when fewer than two list items are
// selected, else ColourLinesText of the selected items.
CopyText QuickCopyLines(const ColourLineFormat& format, const CopySourceInput& input);
