#include "storage/AcoImport.h"

#include "colour/ColourText.h"
#include "storage/TextFile.h"

namespace {

constexpr qsizetype kSectionHeaderSize = 4;
constexpr qsizetype kRecordSize = 10;

std::uint16_t Word(QByteArrayView data, qsizetype offset)
{
    return std::uint16_t(std::uint8_t(data.at(offset)) << 8 | std::uint8_t(data.at(offset + 1)));
}

std::uint32_t DoubleWord(QByteArrayView data, qsizetype offset)
{
    return std::uint32_t(Word(data, offset)) << 16 | Word(data, offset + 2);
}

struct AcoSection
{
    int version = 0;
    bool complete = false;
    QList<ColorRef> colours;
    QStringList names;
    int otherSpaces = 0;
    qsizetype end = 0; // the offset after the last whole record read
};

QString ReadName(QByteArrayView data, qsizetype offset, std::uint32_t units)
{
    QString name(qsizetype(units), Qt::Uninitialized);
    for (std::uint32_t i = 0; i < units; ++i)
        name[qsizetype(i)] = QChar(Word(data, offset + 2 * qsizetype(i)));
    while (name.endsWith(QChar(0)))
        name.chop(1);
    return name;
}

// The section whose header starts at `offset`. Every length is checked against
// the data before it is used: a cut or damaged file ends the section early.
AcoSection ReadSection(QByteArrayView data, qsizetype offset)
{
    AcoSection section;
    if (data.size() - offset < kSectionHeaderSize)
        return section;
    section.version = Word(data, offset);
    const int count = Word(data, offset + 2);
    qsizetype pos = offset + kSectionHeaderSize;
    section.end = pos;
    for (int i = 0; i < count; ++i) {
        if (data.size() - pos < kRecordSize)
            return section;
        const std::uint16_t space = Word(data, pos);
        const Rgb colour{AcoComponentToByte(Word(data, pos + 2)),
                         AcoComponentToByte(Word(data, pos + 4)),
                         AcoComponentToByte(Word(data, pos + 6))};
        pos += kRecordSize;
        QString name;
        if (section.version == 2) {
            if (data.size() - pos < 4)
                return section;
            const std::uint32_t units = DoubleWord(data, pos);
            if (std::uint64_t(data.size() - pos - 4) < std::uint64_t(units) * 2)
                return section;
            name = ReadName(data, pos + 4, units);
            pos += 4 + qsizetype(units) * 2;
        }
        section.end = pos;
        if (space != 0) {
            ++section.otherSpaces;
            continue;
        }
        section.colours.append(PackColour(colour));
        if (section.version == 2)
            section.names.append(name);
    }
    section.complete = true;
    return section;
}

} // namespace

QString SkippedColourSpacesNotice(int count)
{
    if (count == 1)
        return QStringLiteral("1 color in another color space was skipped.");
    return QStringLiteral("%1 colors in other color spaces were skipped.").arg(count);
}

bool LooksLikeAco(QByteArrayView head)
{
    if (head.size() < kSectionHeaderSize)
        return false;
    const int version = Word(head, 0);
    return version == 1 || version == 2;
}

PaletteFileContent ParseAco(QByteArrayView data, const QString& path)
{
    PaletteFileContent content;
    if (!LooksLikeAco(data)) {
        content.status = ColourListLoadStatus::Failed;
        content.error = QStringLiteral("The file '%1' is not an ACO swatch file.").arg(path);
        return content;
    }
    AcoSection chosen = ReadSection(data, 0);
    bool cut = !chosen.complete;
    // The version-2 section repeats the colours with their names.
    if (chosen.version == 1 && chosen.complete && data.size() - chosen.end >= 2 &&
        Word(data, chosen.end) == 2) {
        AcoSection named = ReadSection(data, chosen.end);
        if (named.complete)
            chosen = std::move(named);
        else
            cut = true;
    }
    if (chosen.colours.isEmpty()) {
        // Nothing to load: the list stays as it is rather than being emptied.
        content.status = ColourListLoadStatus::Failed;
        content.error = QStringLiteral("The file '%1' holds no colors.").arg(QuotedValue(path));
        if (chosen.otherSpaces > 0)
            content.error += QLatin1Char('\r') + SkippedColourSpacesNotice(chosen.otherSpaces);
        return content;
    }
    content.status = ColourListLoadStatus::Loaded;
    content.colours = std::move(chosen.colours);
    content.names = std::move(chosen.names);
    QStringList notices;
    if (chosen.otherSpaces > 0)
        notices << SkippedColourSpacesNotice(chosen.otherSpaces);
    if (cut)
        notices << QStringLiteral("The file '%1' ends early; the colors before the end were read.")
                       .arg(path);
    content.notice = notices.join(QLatin1Char('\r'));
    return content;
}

PaletteFileContent ReadAcoFile(const QString& path)
{
    return ReadPaletteFile(path, [&path](const QByteArray& data) { return ParseAco(data, path); });
}
