#include "copy/CopyPictures.h"

#include "colour/ColourText.h"
#include "copy/CopySource.h"
#include "copy/PictureMemory.h"
#include "copy/QtColour.h"
#include "copy/WmfWriter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

const int kSwatchSizes[] = {10, 15, 20, 25, 30, 40, 50, 60};
const int kColumnCounts[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12,
                             14, 16, 18, 20, 24, 28, 32, 36, 40, 50};

// 7 points at 96 pixels per inch: a character height of 9 pixels, as the
// metafile's font record says too, so both pictures look alike on any screen.
const int kListFontPixels = 9;
const QString kListFontFace = QStringLiteral("Arial");
constexpr ColorRef kListTextColour = PackColour(128, 128, 128);

const QString kCreator = QStringLiteral("QB Kromi");
const QString kDescription = QStringLiteral("Color Swatches");

struct ResolvedColours
{
    std::vector<Rgb> colours;
    QString error;
};

ResolvedColours ResolveColours(const QStringList& entries)
{
    ResolvedColours out;
    out.colours.reserve(std::size_t(entries.size()));
    // The digits only, as DeriveEntryValues reads them: lists run to 100,000 entries,
    // nearly all of them "#RRGGBB".
    for (const QString& entry : entries) {
        if (entry.size() == 7) {
            if (const std::optional<Rgb> rgb = ReadHexTriple(entry.utf16() + 1)) {
                out.colours.push_back(*rgb);
                continue;
            }
        }
        const HexParseResult parsed = ParseHexText(entry.mid(1));
        if (!parsed.colour)
            return {{}, parsed.error};
        out.colours.push_back(UnpackColour(*parsed.colour));
    }
    return out;
}

bool ValidOptions(const SwatchOptions& options)
{
    return options.size > 0 && options.columns > 0 && options.space >= 0;
}

QString InvalidOptionsMessage()
{
    return QStringLiteral("Invalid swatch options.");
}

QString OutOfMemoryMessage(qint64 width, qint64 height)
{
    return QStringLiteral("Not enough memory for a picture of %1 x %2 pixels.")
        .arg(width)
        .arg(height);
}

QString TooLargeMessage(qint64 width, qint64 height)
{
    return QStringLiteral("A picture of %1 x %2 pixels is too large (at most %3 MB).")
        .arg(width)
        .arg(height)
        .arg(kMaxPictureBytes >> 20);
}

QString TooLargeForMetafileMessage(qint64 width, qint64 height)
{
    return QStringLiteral("A picture of %1 x %2 pixels is too large for a metafile "
                          "(at most %3 x %3 pixels).")
        .arg(width)
        .arg(height)
        .arg(kMaxWmfCoordinate);
}

QFont ListFont()
{
    QFont font(kListFontFace);
    font.setPixelSize(kListFontPixels);
    return font;
}

qint64 ListHeight(qint64 count)
{
    return count * kListSwatch;
}

// The colours and size of a bitmap, or in `resolved.error` why it cannot be made:
// found before any memory is asked for, so that a copy can report it at once.
struct BitmapPlan
{
    ResolvedColours resolved;
    qint64 width = 0;
    qint64 height = 0;
};

BitmapPlan PlanBitmap(const QStringList& entries, qint64 width, qint64 height)
{
    BitmapPlan plan{ResolveColours(entries), width, height};
    if (plan.resolved.error.isEmpty() && width * height * 4 > kMaxPictureBytes)
        plan.resolved.error = TooLargeMessage(width, height);
    return plan;
}

BitmapPlan PlanSwatchesBitmap(const QStringList& entries, const SwatchOptions& options)
{
    if (!ValidOptions(options))
        return {{{}, InvalidOptionsMessage()}};
    const QSize size = SwatchesPictureSize(entries.size(), options);
    return PlanBitmap(entries, size.width(), size.height());
}

BitmapPlan PlanListBitmap(const QStringList& entries)
{
    return PlanBitmap(entries, kListWidth, ListHeight(entries.size()));
}

// Paints a cell as the metafile's Rectangle with a 1-pixel pen does: edge in
// black, inside in the colour, all within the cell. Each pixel is written once.
void PaintCell(QPainter& painter, const QRect& cell, const QColor& colour, bool outline)
{
    if (!outline) {
        painter.fillRect(cell, colour);
        return;
    }
    const int l = cell.left(), t = cell.top(), w = cell.width(), h = cell.height();
    painter.fillRect(QRect(l, t, w, 1), Qt::black);
    if (h > 1)
        painter.fillRect(QRect(l, t + h - 1, w, 1), Qt::black);
    if (h > 2) {
        painter.fillRect(QRect(l, t + 1, 1, h - 2), Qt::black);
        if (w > 1)
            painter.fillRect(QRect(l + w - 1, t + 1, 1, h - 2), Qt::black);
        if (w > 2)
            painter.fillRect(QRect(l + 1, t + 1, w - 2, h - 2), colour);
    }
}

struct PictureObjects
{
    int nullPen;
    int hollowBrush;
};

// The comment, then an invisible rectangle over the whole frame: readers that
// fit a metafile by the extent of its drawing (ImageMagick's libwmf among them)
// would otherwise stretch a grid with empty cells. Leaves the null pen and the
// hollow brush selected.
PictureObjects BeginMetafile(WmfWriter& wmf, int width, int height)
{
    wmf.Comment(kCreator, kDescription);
    const PictureObjects objects{wmf.CreatePen(Wmf::kPenNull, 0, PackColour(0, 0, 0)),
                                 wmf.CreateHollowBrush()};
    wmf.SelectObject(objects.nullPen);
    wmf.SelectObject(objects.hollowBrush);
    wmf.Rectangle(0, 0, width, height);
    return objects;
}

// A new brush is selected before the previous one is deleted: a selected
// object must never be deleted. Returns the new brush.
int SelectNewBrush(WmfWriter& wmf, ColorRef colour, int previousBrush)
{
    const int brush = wmf.CreateSolidBrush(colour);
    wmf.SelectObject(brush);
    wmf.DeleteObject(previousBrush);
    return brush;
}

} // namespace

QStringList SwatchSizeItems()
{
    QStringList items;
    for (int size : kSwatchSizes)
        items << QString::number(size) + QLatin1Char('x') + QString::number(size);
    return items;
}

QStringList ColumnItems()
{
    QStringList items;
    for (int columns : kColumnCounts)
        items << QString::number(columns);
    return items;
}

std::optional<int> SwatchSizeFromItem(const QString& item)
{
    const int index = SwatchSizeItems().indexOf(item);
    return index < 0 ? std::nullopt : std::optional<int>(kSwatchSizes[index]);
}

std::optional<int> ColumnsFromItem(const QString& item)
{
    const int index = ColumnItems().indexOf(item);
    return index < 0 ? std::nullopt : std::optional<int>(kColumnCounts[index]);
}

QSize SwatchesPictureSize(int count, const SwatchOptions& options)
{
    const int s = options.size;
    const int g = options.space;
    const int c = options.columns;
    if (!ValidOptions(options))
        return QSize();
    const int rows = count / c;
    const int height = count == c ? s + g : (rows + 1) * s + rows * g;
    return QSize(c * (s + g), height);
}

QVector<QRect> SwatchCells(int count, const SwatchOptions& options)
{
    QVector<QRect> cells;
    if (!ValidOptions(options))
        return cells;
    const int step = options.size + options.space;
    cells.reserve(count);
    for (int i = 0; i < count; ++i)
        cells << QRect(i % options.columns * step, i / options.columns * step, options.size,
                       options.size);
    return cells;
}

QStringList ListPictureLines(const QString& entry)
{
    const EntryValues values = DeriveEntryValues(entry);
    const Rgb rgb = values.rgb.value_or(Rgb{});
    const Hsl& hsl = values.hsl;
    return {QStringLiteral("RGB: %1,%2,%3").arg(rgb.red).arg(rgb.green).arg(rgb.blue),
            QStringLiteral("HSL: %1,%2,%3").arg(hsl.hue).arg(hsl.saturation).arg(hsl.lightness),
            QStringLiteral("HEX: ") + values.hashHex};
}

QString SwatchesBitmapProblem(const QStringList& entries, const SwatchOptions& options)
{
    return PlanSwatchesBitmap(entries, options).resolved.error;
}

QString ListBitmapProblem(const QStringList& entries)
{
    return PlanListBitmap(entries).resolved.error;
}

PictureResult BuildSwatchesBitmap(const QStringList& entries, const SwatchOptions& options)
{
    const BitmapPlan plan = PlanSwatchesBitmap(entries, options);
    if (!plan.resolved.error.isEmpty())
        return {QImage(), plan.resolved.error};
    const ResolvedColours& resolved = plan.resolved;
    QImage image = AllocateWhiteImage(plan.width, plan.height);
    if (image.isNull())
        return {QImage(), OutOfMemoryMessage(plan.width, plan.height)};

    QPainter painter(&image);
    const QVector<QRect> cells = SwatchCells(entries.size(), options);
    for (int i = 0; i < cells.size(); ++i)
        PaintCell(painter, cells.at(i), ToQColor(resolved.colours[std::size_t(i)]),
                  options.outline);
    painter.end();
    return {image, QString()};
}

MetafileResult BuildSwatchesMetafile(const QStringList& entries, const SwatchOptions& options)
{
    if (!ValidOptions(options))
        return {QByteArray(), InvalidOptionsMessage()};
    const ResolvedColours resolved = ResolveColours(entries);
    if (!resolved.error.isEmpty())
        return {QByteArray(), resolved.error};
    const QSize size = SwatchesPictureSize(entries.size(), options);
    if (size.width() > kMaxWmfCoordinate || size.height() > kMaxWmfCoordinate)
        return {QByteArray(), TooLargeForMetafileMessage(size.width(), size.height())};

    WmfWriter wmf(size.width(), size.height());
    const PictureObjects objects = BeginMetafile(wmf, size.width(), size.height());
    if (options.outline) {
        wmf.SelectObject(wmf.CreatePen(Wmf::kPenSolid, 1, PackColour(0, 0, 0)));
        wmf.DeleteObject(objects.nullPen);
    }
    // Without a pen the player leaves out the right and bottom edges as well;
    // one more pixel keeps the fill as large as the outlined cell.
    const int grow = options.outline ? 0 : 1;
    const QVector<QRect> cells = SwatchCells(entries.size(), options);
    int previousBrush = objects.hollowBrush;
    for (int i = 0; i < cells.size(); ++i) {
        previousBrush =
            SelectNewBrush(wmf, PackColour(resolved.colours[std::size_t(i)]), previousBrush);
        const QRect& cell = cells.at(i);
        wmf.Rectangle(cell.left(), cell.top(), cell.left() + cell.width() + grow,
                      cell.top() + cell.height() + grow);
    }
    return {wmf.Finish(), QString()};
}

PictureResult BuildListBitmap(const QStringList& entries)
{
    if (entries.isEmpty())
        return {QImage(), QString()};
    const BitmapPlan plan = PlanListBitmap(entries);
    if (!plan.resolved.error.isEmpty())
        return {QImage(), plan.resolved.error};
    const ResolvedColours& resolved = plan.resolved;
    QImage image = AllocateWhiteImage(kListWidth, plan.height);
    if (image.isNull())
        return {QImage(), OutOfMemoryMessage(kListWidth, plan.height)};

    QPainter painter(&image);
    const QFont font = ListFont();
    painter.setFont(font);
    painter.setPen(ToQColor(UnpackColour(kListTextColour)));
    painter.setBackgroundMode(Qt::TransparentMode);
    // Lines are placed by their top edge, as the metafile's text records are.
    const int ascent = QFontMetrics(font, &image).ascent();
    for (int i = 0; i < entries.size(); ++i) {
        const int top = i * kListSwatch;
        painter.fillRect(QRect(0, top, kListSwatch, kListSwatch),
                         ToQColor(resolved.colours[std::size_t(i)]));
        const QStringList lines = ListPictureLines(entries.at(i));
        for (int line = 0; line < lines.size(); ++line)
            painter.drawText(kListTextLeft, top + line * kListLineStep + ascent, lines.at(line));
    }
    painter.end();
    return {image, QString()};
}

MetafileResult BuildListMetafile(const QStringList& entries)
{
    const ResolvedColours resolved = ResolveColours(entries);
    if (!resolved.error.isEmpty())
        return {QByteArray(), resolved.error};
    const qint64 height = ListHeight(entries.size());
    if (height > kMaxWmfCoordinate)
        return {QByteArray(), TooLargeForMetafileMessage(kListWidth, height)};

    WmfWriter wmf(kListWidth, int(height));
    const PictureObjects objects = BeginMetafile(wmf, kListWidth, int(height));
    wmf.SelectObject(wmf.CreateFont(kListFontPixels, kListFontFace));
    wmf.SetTextColor(kListTextColour);
    wmf.SetBkMode(Wmf::kBkTransparent);
    int previousBrush = objects.hollowBrush;
    for (int i = 0; i < entries.size(); ++i) {
        const int top = i * kListSwatch;
        previousBrush =
            SelectNewBrush(wmf, PackColour(resolved.colours[std::size_t(i)]), previousBrush);
        // One more pixel right and down: a rectangle without pen leaves its edges out.
        wmf.Rectangle(0, top, kListSwatch + 1, top + kListSwatch + 1);
        const QStringList lines = ListPictureLines(entries.at(i));
        for (int line = 0; line < lines.size(); ++line)
            wmf.TextOut(kListTextLeft, top + line * kListLineStep, lines.at(line));
    }
    return {wmf.Finish(), QString()};
}

QImage BuildMainColourBitmap(Rgb colour)
{
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(ToQColor(colour));
    return image;
}

WheelColours WheelColoursOf(ColorRef mainColour,
                            const std::array<ColorRef, kWheelSegments>& segments)
{
    WheelColours colours{};
    colours[0] = mainColour;
    std::copy(segments.begin(), segments.end(), colours.begin() + 1);
    return colours;
}

QImage BuildWheelBitmap(const WheelGeometry& geometry, const WheelColours& colours)
{
    QRect bounds;
    for (const ShapeGeometry& shape : geometry)
        bounds |= QRect(shape.left, shape.top, shape.width, shape.height);
    QImage image = AllocateWhiteImage(bounds.width(), bounds.height());
    if (image.isNull())
        return image;

    QPainter painter(&image);
    painter.translate(-bounds.topLeft());
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < kWheelShapes; ++i) {
        const ShapeGeometry& shape = geometry[std::size_t(i)];
        const QRect cell(shape.left, shape.top, shape.width, shape.height);
        if (cell.isEmpty())
            continue;
        const QColor colour = ToQColor(UnpackColour(colours[std::size_t(i)]));
        if (shape.outline == ShapeOutline::Circle) {
            painter.setBrush(colour);
            // An outlined figure of w x h pixels: the pen's path runs one pixel inside.
            painter.drawEllipse(cell.adjusted(0, 0, -1, -1));
        } else {
            PaintCell(painter, cell, colour, true);
        }
    }
    painter.end();
    return image;
}
