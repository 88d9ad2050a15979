#pragma once
// Records a plain (not enhanced) Windows metafile with a placeable header, one
// logical unit per pixel at 96 units per inch. Only the records the copy
// pictures need. Coordinates are 16-bit in this format: see kMaxWmfCoordinate.

#include "colour/ColourValues.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

constexpr int kMaxWmfCoordinate = 32767;

namespace Wmf {
// Record functions.
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kEscape = 0x0626;

constexpr std::uint16_t kMfComment = 0x000F;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kHeaderWords = 9;
constexpr std::uint16_t kUnitsPerInch = 96;

constexpr std::uint16_t kPenSolid = 0;
constexpr std::uint16_t kPenNull = 5;
constexpr std::uint16_t kBkTransparent = 1;
} // namespace Wmf

class WmfWriter
{
public:
    // The picture's frame: 0, 0 to width, height (each at most kMaxWmfCoordinate).
    WmfWriter(int width, int height);

    // MFCOMMENT escape: creator, NUL, description, NUL, NUL (Latin-1).
    void Comment(const QString& creator, const QString& description);

    // Each Create returns the object's slot: the lowest free one, as the player
    // assigns them.
    int CreateSolidBrush(ColorRef colour);
    // A brush that paints nothing.
    int CreateHollowBrush();
    int CreatePen(std::uint16_t style, int width, ColorRef colour);
    // heightPixels is the character height (the em), written negated.
    int CreateFont(int heightPixels, const QString& face);
    void SelectObject(int slot);
    void DeleteObject(int slot);

    // Filled with the selected brush, outlined with the selected pen; the right
    // and bottom edges are outside the figure.
    void Rectangle(int left, int top, int right, int bottom);
    void SetTextColor(ColorRef colour);
    void SetBkMode(std::uint16_t mode);
    // Latin-1 text, its top left corner at x, y.
    void TextOut(int x, int y, const QString& text);

    // Appends the end record and returns header plus records.
    QByteArray Finish();

private:
    void BeginRecord(std::uint16_t function, int parameterWords);
    void Word(std::uint16_t value);
    void Long(std::uint32_t value);
    int TakeSlot();

    int m_width;
    int m_height;
    QByteArray m_records;
    std::uint32_t m_maxRecordWords = 0;
    std::vector<bool> m_slots;
};
