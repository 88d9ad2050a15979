#pragma once
// Export of the colour list as an HTML page: every colour as a swatch cell beside
// its RGB, HSL and hex values, the whole page on one line of 8-bit text. The
// colours come from the list item texts in order (ListItemColour; items without a
// colour are left out). Write the page with WriteWholeFile.

#include <QByteArray>
#include <QStringList>

#include <functional>

// Called before each item with its index in the list and the last index.
using ExportProgress = std::function<void(int position, int maximum)>;

// The page, or nothing for an empty list (then no file is to be written).
QByteArray ExportListAsHtml(const QStringList& itemTexts,
                            const ExportProgress& progress = ExportProgress());
