#pragma once
// The pictures the Copy window and the quick copy menu put on the clipboard:
// the swatches grid and the colour list picture (each as a bitmap and as a plain
// Windows metafile), the main colour swatch and the colour wheel.
// Bitmaps are QImage::Format_RGB32 on white.

#include "colour/ColourValues.h"
#include "colour/Harmonies.h"
#include "colour/WheelStyle.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

struct SwatchOptions
{
    int size = 20;       // "Swatch Size": side of a swatch in pixels
    int columns = 12;    // "Columns"
    int space = 3;       // "Space": gap between swatches, 0..15
    bool outline = true; // "Outline": 1-pixel black edge
};

// The drop-down items, in their order ("10x10" ... "60x60"; "1" ... "50").
QStringList SwatchSizeItems();
QStringList ColumnItems();
// The number an item stands for; empty for any text not in the list.
std::optional<int> SwatchSizeFromItem(const QString& item);
std::optional<int> ColumnsFromItem(const QString& item);

// Width c * (s + g). Height s + g when the count equals the columns, otherwise
// (n div c + 1) * s + (n div c) * g: an exact multiple of the columns gets a
// further empty row, and no colours give one empty row of height s.
QSize SwatchesPictureSize(int count, const SwatchOptions& options);
// The cell of every colour: left to right, then top to bottom.
QVector<QRect> SwatchCells(int count, const SwatchOptions& options);

// List picture: 35-pixel squares, texts from x = 38, 125 wide.
constexpr int kListSwatch = 35;
constexpr int kListWidth = kListSwatch + 90;
constexpr int kListTextLeft = kListSwatch + 3;
constexpr int kListLineStep = 11;
// "RGB: r,g,b", "HSL: h,s,l", "HEX: #RRGGBB" of one source entry.
QStringList ListPictureLines(const QString& entry);

// A bitmap, or the message why it could not be made (then the image is null).
// A list without colours gives a null image and no message.
struct PictureResult
{
    QImage image;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A metafile (placeable header first), or the message why it could not be made.
struct MetafileResult
{
    QByteArray wmf;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Entries are source colours as gathered for the Copy window ("#RRGGBB").
PictureResult BuildSwatchesBitmap(const QStringList& entries, const SwatchOptions& options);
MetafileResult BuildSwatchesMetafile(const QStringList& entries, const SwatchOptions& options);
PictureResult BuildListBitmap(const QStringList& entries);
MetafileResult BuildListMetafile(const QStringList& entries);
// Why the bitmap cannot be made, found without making it: options, a colour that
// cannot be read, a picture too large. Empty when it can be made (a lack of
// memory may still stop it).
QString SwatchesBitmapProblem(const QStringList& entries, const SwatchOptions& options);
QString ListBitmapProblem(const QStringList& entries);

// 60 x 60, filled with the colour, no outline.
QImage BuildMainColourBitmap(Rgb colour);

// The thirteen wheel shapes as styled (colours[0] fills c1, the main colour swatch,
// colours[1..12] the segments 1..12), each filled and outlined in black 1-pixel,
// on white, cropped to the shapes' bounding box.
using WheelColours = std::array<ColorRef, kWheelShapes>;
WheelColours WheelColoursOf(ColorRef mainColour,
                            const std::array<ColorRef, kWheelSegments>& segments);
QImage BuildWheelBitmap(const WheelGeometry& geometry, const WheelColours& colours);
