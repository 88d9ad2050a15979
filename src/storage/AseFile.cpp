#include "storage/AseFile.h"

#include "colour/ColourSpaces.h"
#include "state/ColourList.h"
#include "storage/AcoImport.h"
#include "storage/ItemNames.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr std::uint16_t kColourBlock = 0x0001;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kNormalColour = 2;
constexpr qsizetype kHeaderSize = 12;
constexpr qsizetype kBlockHeaderSize = 6;
constexpr std::uint32_t kMaxNameUnits = 0xFFFE; // the final zero makes 0xFFFF
constexpr char kEndsEarly[] =
    "The file '%1' ends early at byte %2; the colors before the end were read.";
constexpr char kDamaged[] = "The file '%1' is damaged at byte %2; the colors before it were read.";

// Reads big-endian numbers from a block; any read past its end fails the block.
class BlockReader
{
public:
    BlockReader(QByteArrayView data, qsizetype pos, qsizetype end)
        : m_data(data), m_pos(pos), m_end(end)
    {
    }
    bool ok() const { return m_ok; }

    std::uint16_t Word()
    {
        if (!Has(2))
            return 0;
        const auto* p = reinterpret_cast<const std::uint8_t*>(m_data.data() + m_pos);
        m_pos += 2;
        return std::uint16_t(p[0] << 8 | p[1]);
    }
    std::uint32_t DoubleWord()
    {
        const std::uint32_t high = Word();
        return high << 16 | Word();
    }
    float Float()
    {
        const std::uint32_t bits = DoubleWord();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArrayView Bytes(qsizetype count)
    {
        if (!Has(count))
            return {};
        const QByteArrayView bytes = m_data.sliced(m_pos, count);
        m_pos += count;
        return bytes;
    }
    // A name: its length in UTF-16 units with the final zero, then those units.
    QString Name()
    {
        const std::uint16_t units = Word();
        if (!Has(qsizetype(units) * 2))
            return {};
        QString name(units, Qt::Uninitialized);
        for (int i = 0; i < units; ++i)
            name[i] = QChar(Word());
        const qsizetype zero = name.indexOf(QChar(0));
        return zero < 0 ? name : name.first(zero);
    }

private:
    bool Has(qsizetype count)
    {
        m_ok = m_ok && m_end - m_pos >= count;
        return m_ok;
    }

    QByteArrayView m_data;
    qsizetype m_pos;
    qsizetype m_end;
    bool m_ok = true;
};

ColorRef FromUnitRange(double red, double green, double blue)
{
    return PackColour(RealToRgb(RgbReal{red, green, blue}));
}

enum class ColourRead
{
    Colour,
    OtherModel,
    Damaged
};

// The model and values of a colour block; `colour` is set for Colour.
ColourRead ReadColour(BlockReader& block, ColorRef& colour)
{
    const QByteArrayView model = block.Bytes(4);
    int count = 0;
    if (model == "RGB ")
        count = 3;
    else if (model == "CMYK")
        count = 4;
    else if (model == "LAB ")
        count = 3;
    else if (model == "Gray")
        count = 1;
    if (!block.ok())
        return ColourRead::Damaged;
    if (count == 0)
        return ColourRead::OtherModel;
    double v[4] = {};
    for (int i = 0; i < count; ++i) {
        v[i] = block.Float();
        if (!std::isfinite(v[i]))
            return ColourRead::Damaged;
    }
    block.Word(); // global, spot or normal: the same colour on a screen
    if (!block.ok())
        return ColourRead::Damaged;
    if (model == "RGB ")
        colour = FromUnitRange(v[0], v[1], v[2]);
    else if (model == "CMYK")
        colour = FromUnitRange((1 - v[0]) * (1 - v[3]), (1 - v[1]) * (1 - v[3]),
                               (1 - v[2]) * (1 - v[3]));
    else if (model == "LAB ")
        colour = PackColour(RealToRgb(LabToSrgb(Lab{v[0] * 100, v[1], v[2]})));
    else
        colour = FromUnitRange(v[0], v[0], v[0]);
    return ColourRead::Colour;
}

void AppendWord(QByteArray& out, std::uint32_t value)
{
    out.append(char(value >> 8 & 0xFF));
    out.append(char(value & 0xFF));
}

void AppendDoubleWord(QByteArray& out, std::uint32_t value)
{
    AppendWord(out, value >> 16);
    AppendWord(out, value & 0xFFFF);
}

void AppendFloat(QByteArray& out, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendDoubleWord(out, bits);
}

} // namespace

PaletteFileContent ParseAse(QByteArrayView data, const QString& path)
{
    PaletteFileContent content;
    if (!data.startsWith("ASEF")) {
        content.status = ColourListLoadStatus::Failed;
        content.error =
            QStringLiteral("The file '%1' is not an Adobe Swatch Exchange file.").arg(path);
        return content;
    }
    content.status = ColourListLoadStatus::Loaded;
    qsizetype pos = kHeaderSize;
    BlockReader header(data, 4, data.size());
    header.DoubleWord(); // the version: 1.0 in every file seen; read whatever follows
    std::uint32_t blocks = header.DoubleWord();
    int otherModels = 0;
    // Why the reading ended before the announced blocks were read, or null.
    const char* stop = nullptr;
    if (!header.ok()) {
        stop = kEndsEarly;
        pos = 4;
    }
    for (; !stop && blocks > 0; --blocks) {
        if (data.size() - pos < kBlockHeaderSize) {
            stop = kEndsEarly;
            break;
        }
        BlockReader lengths(data, pos, data.size());
        const std::uint16_t type = lengths.Word();
        const std::uint32_t length = lengths.DoubleWord();
        const qsizetype start = pos + kBlockHeaderSize;
        if (std::uint64_t(data.size() - start) < length) {
            stop = kEndsEarly;
            break;
        }
        const qsizetype end = start + qsizetype(length);
        BlockReader block(data, start, end);
        if (type == kColourBlock) {
            const QString name = block.Name();
            ColorRef colour = 0;
            const ColourRead read = block.ok() ? ReadColour(block, colour) : ColourRead::Damaged;
            if (read == ColourRead::Damaged) {
                stop = kDamaged;
                break;
            }
            if (read == ColourRead::OtherModel) {
                ++otherModels;
            } else {
                content.colours.append(colour);
                content.names.append(name);
            }
        } else if (type == kGroupStart) {
            const QString name = block.Name();
            if (!block.ok()) {
                stop = kDamaged;
                break;
            }
            if (content.paletteName.isEmpty())
                content.paletteName = name;
        }
        // Group ends and blocks of unknown types hold nothing to read.
        pos = end;
    }
    QStringList notices;
    if (otherModels > 0)
        notices << SkippedColourSpacesNotice(otherModels);
    if (stop)
        notices << QString::fromLatin1(stop).arg(path, QString::number(pos));
    content.notice = notices.join(QLatin1Char('\r'));
    return content;
}

PaletteFileContent ReadAseFile(const QString& path)
{
    return ReadPaletteFile(path, [&path](const QByteArray& data) { return ParseAse(data, path); });
}

QByteArray ExportListAsAse(const QStringList& itemTexts)
{
    QByteArray blocks;
    std::uint32_t count = 0;
    for (const QString& text : itemTexts) {
        const std::optional<Rgb> colour = ListItemColour(text);
        if (!colour)
            continue;
        QString name = ListItemName(text).left(kMaxNameUnits);
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1); // not half a character
        const std::uint32_t units = std::uint32_t(name.size()) + 1;
        // name length and units, model, three floats, colour type
        const std::uint32_t length = 2 + units * 2 + 4 + 3 * 4 + 2;
        AppendWord(blocks, kColourBlock);
        AppendDoubleWord(blocks, length);
        AppendWord(blocks, units);
        for (const QChar c : name)
            AppendWord(blocks, c.unicode());
        AppendWord(blocks, 0);
        blocks.append("RGB ", 4);
        AppendFloat(blocks, colour->red / 255.0f);
        AppendFloat(blocks, colour->green / 255.0f);
        AppendFloat(blocks, colour->blue / 255.0f);
        AppendWord(blocks, kNormalColour);
        ++count;
    }
    QByteArray file("ASEF", 4);
    AppendWord(file, 1);
    AppendWord(file, 0);
    AppendDoubleWord(file, count);
    return file + blocks;
}
