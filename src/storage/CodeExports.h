#pragma once
// Exports of the colour list for code: CSS custom properties, SCSS variables and
// design tokens (the JSON format of the W3C Design Tokens Community Group). One
// entry per item that has a colour (ListItemColour), in list order, named by
// SafeCodeNames(ListItemName(...)); colours as lower-case "#rrggbb". ASCII text,
// CR LF after every line. Write the result with WriteWholeFile.
//
//   :root {                        $color-06a7ff: #06a7ff;
//     --color-06a7ff: #06a7ff;     $sky: #87ceeb;
//     --sky: #87ceeb;
//   }
//
//   {
//     "color-06a7ff": {
//       "$type": "color",
//       "$value": { "colorSpace": "srgb", "components": [0.02353, 0.6549, 1], "hex": "#06a7ff" }
//     }
//   }

#include <QByteArray>
#include <QStringList>

QByteArray ExportListAsCss(const QStringList& itemTexts);
QByteArray ExportListAsScss(const QStringList& itemTexts);
QByteArray ExportListAsDesignTokens(const QStringList& itemTexts);
