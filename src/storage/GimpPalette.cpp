#include "storage/GimpPalette.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/TextFile.h"

#include <QFileInfo>

#include <optional>

namespace {

constexpr QByteArrayView kHeader("GIMP Palette");
constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArrayView WithoutLeadingBlanks(QByteArrayView text)
{
    qsizetype start = 0;
    while (start < text.size() && IsBlank(text.at(start)))
        ++start;
    return text.sliced(start);
}

// GIMP writes UTF-8; a name or row in Latin-1 still shows its letters.
QString DecodeText(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

// One number 0..255 at `pos`, after optional blanks, ending at a blank or the
// end of the row; `pos` is left after it.
std::optional<std::uint8_t> ReadComponent(QByteArrayView row, qsizetype& pos)
{
    while (pos < row.size() && IsBlank(row.at(pos)))
        ++pos;
    const qsizetype start = pos;
    int value = 0;
    while (pos < row.size() && IsDigit(row.at(pos))) {
        // Stop counting past 255: a row of a million digits must not overflow.
        if (value <= 255)
            value = value * 10 + (row.at(pos) - '0');
        ++pos;
    }
    if (pos == start || value > 255 || (pos < row.size() && !IsBlank(row.at(pos))))
        return std::nullopt;
    return std::uint8_t(value);
}

// The colour of a row; whatever follows the three numbers is its name.
std::optional<Rgb> ParseRow(QByteArrayView row)
{
    qsizetype pos = 0;
    const std::optional<std::uint8_t> red = ReadComponent(row, pos);
    const std::optional<std::uint8_t> green = red ? ReadComponent(row, pos) : std::nullopt;
    const std::optional<std::uint8_t> blue = green ? ReadComponent(row, pos) : std::nullopt;
    if (!blue)
        return std::nullopt;
    return Rgb{*red, *green, *blue};
}

// Decoded whole before it is cut: a cut in the middle of a UTF-8 character would
// turn the row into Latin-1.
QString QuotedRow(QByteArrayView row)
{
    return QuotedValue(DecodeText(row));
}

// One arg() call: a "%3" in the path must stay as it is.
QString BadRowsNotice(const QString& path, int count, qsizetype firstLine, QByteArrayView firstRow)
{
    if (count == 1)
        return QStringLiteral("Line %1 of '%2' is not a color and was skipped:\r%3")
            .arg(QString::number(firstLine), path, QuotedRow(firstRow));
    return QStringLiteral(
               "%1 lines of '%2' are not colors and were skipped. The first is line %3:\r%4")
        .arg(QString::number(count), path, QString::number(firstLine), QuotedRow(firstRow));
}

// Three places, right-aligned, as "%3d" writes them.
char* WriteComponent(char* out, std::uint8_t value)
{
    if (value < 100)
        *out++ = ' ';
    if (value < 10)
        *out++ = ' ';
    return WriteDecimal(out, value);
}

} // namespace

bool LooksLikeGimpPalette(QByteArrayView head)
{
    if (head.startsWith(kUtf8Mark))
        head = head.sliced(kUtf8Mark.size());
    return head.startsWith(kHeader);
}

PaletteFileContent ParseGimpPalette(QByteArrayView data, const QString& path,
                                    const ProgressCallback& progress)
{
    PaletteFileContent content;
    if (!LooksLikeGimpPalette(data)) {
        content.status = ColourListLoadStatus::Failed;
        content.error = QStringLiteral("The file '%1' is not a GIMP palette.").arg(path);
        return content;
    }
    if (data.startsWith(kUtf8Mark))
        data = data.sliced(kUtf8Mark.size());
    const QList<QByteArrayView> lines = SplitTextLines(data);
    content.status = ColourListLoadStatus::Loaded;
    content.colours.reserve(lines.size());
    int badRows = 0;
    qsizetype firstBadLine = 0;
    int reported = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (progress) {
            const int percent = int(i * 100 / lines.size());
            if (percent != reported)
                progress(reported = percent);
        }
        const QByteArrayView line = WithoutLeadingBlanks(lines.at(i));
        if (line.trimmed().isEmpty() || line.startsWith('#') || line.startsWith("Columns:"))
            continue;
        if (line.startsWith("Name:")) {
            content.paletteName = DecodeText(line.sliced(5).trimmed());
            continue;
        }
        const std::optional<Rgb> colour = ParseRow(line);
        if (!colour) {
            if (badRows++ == 0)
                firstBadLine = i;
            continue;
        }
        content.colours.append(PackColour(*colour));
    }
    if (progress)
        progress(100);
    if (badRows > 0)
        content.notice = BadRowsNotice(path, badRows, firstBadLine + 1, lines.at(firstBadLine));
    return content;
}

PaletteFileContent ReadGimpPaletteFile(const QString& path, const ProgressCallback& progress)
{
    return ReadPaletteFile(
        path, [&](const QByteArray& data) { return ParseGimpPalette(data, path, progress); });
}

QByteArray ExportListAsGimpPalette(const QString& paletteName, const QStringList& itemTexts)
{
    QByteArray name = paletteName.toUtf8();
    name.replace('\r', ' ').replace('\n', ' ');
    QByteArray file = "GIMP Palette\nName: " + name + "\nColumns: 0\n#\n";
    // "255 255 255\t#FFFFFF\n" is the longest row.
    constexpr int kLongestRow = 20;
    file.reserve(file.size() + itemTexts.size() * kLongestRow);
    char row[kLongestRow];
    for (const QString& text : itemTexts) {
        const std::optional<Rgb> colour = ListItemColour(text);
        if (!colour)
            continue;
        char* out = WriteComponent(row, colour->red);
        *out++ = ' ';
        out = WriteComponent(out, colour->green);
        *out++ = ' ';
        out = WriteComponent(out, colour->blue);
        *out++ = '\t';
        *out++ = '#';
        out = WriteHexText(out, *colour);
        *out++ = '\n';
        file.append(row, out - row);
    }
    return file;
}

QString GimpPaletteName(const QString& currentListPath, const QString& exportPath)
{
    return QFileInfo(currentListPath.isEmpty() ? exportPath : currentListPath).completeBaseName();
}
