#include "copy/WmfWriter.h"

#include <algorithm>

namespace {

void PutWord(QByteArray& out, std::uint16_t value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void PutLong(QByteArray& out, std::uint32_t value)
{
    PutWord(out, std::uint16_t(value & 0xFFFF));
    PutWord(out, std::uint16_t(value >> 16));
}

} // namespace

WmfWriter::WmfWriter(int width, int height) : m_width(width), m_height(height)
{
    // The window maps logical units one to one onto the placeable frame.
    BeginRecord(Wmf::kSetWindowOrg, 2);
    Word(0);
    Word(0);
    BeginRecord(Wmf::kSetWindowExt, 2);
    Word(std::uint16_t(m_height));
    Word(std::uint16_t(m_width));
}

void WmfWriter::BeginRecord(std::uint16_t function, int parameterWords)
{
    const std::uint32_t words = 3 + std::uint32_t(parameterWords);
    m_maxRecordWords = std::max(m_maxRecordWords, words);
    Long(words);
    Word(function);
}

void WmfWriter::Word(std::uint16_t value)
{
    PutWord(m_records, value);
}
void WmfWriter::Long(std::uint32_t value)
{
    PutLong(m_records, value);
}

int WmfWriter::TakeSlot()
{
    const auto free = std::find(m_slots.begin(), m_slots.end(), false);
    if (free != m_slots.end()) {
        *free = true;
        return int(free - m_slots.begin());
    }
    m_slots.push_back(true);
    return int(m_slots.size()) - 1;
}

void WmfWriter::Comment(const QString& creator, const QString& description)
{
    QByteArray data = creator.toLatin1() + '\0' + description.toLatin1() + '\0' + '\0';
    const int byteCount = data.size();
    if (data.size() % 2)
        data.append('\0');
    BeginRecord(Wmf::kEscape, 2 + data.size() / 2);
    Word(Wmf::kMfComment);
    Word(std::uint16_t(byteCount));
    m_records.append(data);
}

int WmfWriter::CreateSolidBrush(ColorRef colour)
{
    BeginRecord(Wmf::kCreateBrushIndirect, 4);
    Word(0); // BS_SOLID
    Long(colour & 0xFFFFFFu);
    Word(0); // hatch, unused for a solid brush
    return TakeSlot();
}

int WmfWriter::CreateHollowBrush()
{
    BeginRecord(Wmf::kCreateBrushIndirect, 4);
    Word(1); // BS_NULL
    Long(0);
    Word(0);
    return TakeSlot();
}

int WmfWriter::CreatePen(std::uint16_t style, int width, ColorRef colour)
{
    BeginRecord(Wmf::kCreatePenIndirect, 5);
    Word(style);
    Word(std::uint16_t(width));
    Word(0);
    Long(colour & 0xFFFFFFu);
    return TakeSlot();
}

int WmfWriter::CreateFont(int heightPixels, const QString& face)
{
    QByteArray name = face.toLatin1().left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    BeginRecord(Wmf::kCreateFontIndirect, 9 + 16);
    Word(std::uint16_t(-heightPixels));
    Word(0);   // width: from the height
    Word(0);   // escapement
    Word(0);   // orientation
    Word(400); // normal weight
    Word(0);   // italic, underline
    Word(0);   // strike-out, ANSI character set
    Word(0);   // output and clipping precision
    Word(0);   // quality, pitch and family
    m_records.append(name);
    return TakeSlot();
}

void WmfWriter::SelectObject(int slot)
{
    BeginRecord(Wmf::kSelectObject, 1);
    Word(std::uint16_t(slot));
}

void WmfWriter::DeleteObject(int slot)
{
    BeginRecord(Wmf::kDeleteObject, 1);
    Word(std::uint16_t(slot));
    m_slots[std::size_t(slot)] = false;
}

void WmfWriter::Rectangle(int left, int top, int right, int bottom)
{
    BeginRecord(Wmf::kRectangle, 4);
    Word(std::uint16_t(bottom));
    Word(std::uint16_t(right));
    Word(std::uint16_t(top));
    Word(std::uint16_t(left));
}

void WmfWriter::SetTextColor(ColorRef colour)
{
    BeginRecord(Wmf::kSetTextColor, 2);
    Long(colour & 0xFFFFFFu);
}

void WmfWriter::SetBkMode(std::uint16_t mode)
{
    BeginRecord(Wmf::kSetBkMode, 1);
    Word(mode);
}

void WmfWriter::TextOut(int x, int y, const QString& text)
{
    QByteArray bytes = text.toLatin1();
    const int length = bytes.size();
    if (bytes.size() % 2)
        bytes.append('\0');
    BeginRecord(Wmf::kTextOut, 1 + bytes.size() / 2 + 2);
    Word(std::uint16_t(length));
    m_records.append(bytes);
    Word(std::uint16_t(y));
    Word(std::uint16_t(x));
}

QByteArray WmfWriter::Finish()
{
    BeginRecord(Wmf::kEof, 0);

    QByteArray out;
    out.reserve(Wmf::kPlaceableHeaderBytes + Wmf::kHeaderWords * 2 + m_records.size());
    PutLong(out, Wmf::kPlaceableKey);
    PutWord(out, 0); // handle, zero on disk
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, std::uint16_t(m_width));
    PutWord(out, std::uint16_t(m_height));
    PutWord(out, Wmf::kUnitsPerInch);
    PutLong(out, 0);
    std::uint16_t checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= std::uint16_t(std::uint8_t(out[i]) | std::uint8_t(out[i + 1]) << 8);
    PutWord(out, checksum);

    const std::uint32_t totalWords = Wmf::kHeaderWords + std::uint32_t(m_records.size() / 2);
    PutWord(out, 1); // memory metafile
    PutWord(out, Wmf::kHeaderWords);
    PutWord(out, 0x0300);
    PutLong(out, totalWords);
    PutWord(out, std::uint16_t(m_slots.size()));
    PutLong(out, m_maxRecordWords);
    PutWord(out, 0);
    out.append(m_records);
    return out;
}
