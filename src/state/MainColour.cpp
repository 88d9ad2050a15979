#include "state/MainColour.h"

#include "colour/ColourText.h"

namespace {

// The clamps apply to the edits one after the other; the first unreadable text
// stops the operation.
EditTexts ClampTexts(const std::array<QString, 3>& texts, const std::array<int, 3>& maxima,
                     bool skipEmpty)
{
    EditTexts result{texts, QString()};
    for (int i = 0; i < 3; ++i) {
        if (skipEmpty && texts[i].isEmpty())
            continue;
        const auto number = ParseInteger(texts[i]);
        if (!number) {
            result.error = IntegerConversionMessage(texts[i]);
            return result;
        }
        // The maximum + 1 is the first value that is clamped: 256, 360, 101.
        if (*number > maxima[i])
            result.texts[i] = QString::number(maxima[i]);
    }
    return result;
}

} // namespace

EditTexts ClampEditTexts(const std::array<QString, 3>& texts, const std::array<int, 3>& maxima,
                         bool skipEmpty)
{
    return ClampTexts(texts, maxima, skipEmpty);
}

MainColour::MainColour(QObject* parent) : QObject(parent)
{
    m_hsl = RgbToHsl(m_rgb);
    m_webSafe = IsWebSafe(m_rgb);
}

void MainColour::RefreshFromRgb()
{
    m_hsl = RgbToHsl(m_rgb);
    m_webSafe = IsWebSafe(m_rgb);
}

void MainColour::RefreshFromHsl()
{
    m_rgb = HslToRgb(m_hsl);
    m_webSafe = IsWebSafe(m_rgb);
}

void MainColour::SetRgbChannel(int channel, int value)
{
    std::uint8_t* bytes[3] = {&m_rgb.red, &m_rgb.green, &m_rgb.blue};
    if (*bytes[channel] == value)
        return;
    *bytes[channel] = std::uint8_t(value);
    RefreshFromRgb();
    emit changed(ColourChange::FromRgb);
}

void MainColour::SetHslChannel(int channel, int value)
{
    int* values[3] = {&m_hsl.hue, &m_hsl.saturation, &m_hsl.lightness};
    if (*values[channel] == value)
        return;
    *values[channel] = value;
    RefreshFromHsl();
    emit changed(ColourChange::FromHsl);
}

void MainColour::RecordCurrent()
{
    emit recorded(colour());
}

EditTexts MainColour::Commit(const std::array<QString, 3>& texts, const std::array<int, 3>& maxima,
                             bool rgbSide)
{
    EditTexts result = ClampTexts(texts, maxima, false);
    if (!result.ok())
        return result;
    int numbers[3];
    for (int i = 0; i < 3; ++i)
        numbers[i] = *ParseInteger(result.texts[i]);
    if (rgbSide) {
        m_rgb = Rgb{std::uint8_t(numbers[0]), std::uint8_t(numbers[1]), std::uint8_t(numbers[2])};
        RefreshFromRgb();
    } else {
        m_hsl = Hsl{numbers[0], numbers[1], numbers[2]};
        RefreshFromHsl();
    }
    emit changed(rgbSide ? ColourChange::FromRgb : ColourChange::FromHsl);
    emit recorded(colour());
    return result;
}

EditTexts MainColour::CommitRgbEdits(const std::array<QString, 3>& texts)
{
    return Commit(texts, kRgbMaxima, true);
}

EditTexts MainColour::CommitHslEdits(const std::array<QString, 3>& texts)
{
    return Commit(texts, kHslMaxima, false);
}

EditTexts MainColour::Step(const std::array<QString, 3>& texts, int index, int delta,
                           const std::array<int, 3>& maxima, bool rgbSide)
{
    const auto number = ParseInteger(texts[index]);
    if (!number)
        return EditTexts{texts, IntegerConversionMessage(texts[index])};
    int stepped = *number + delta;
    if (stepped < 0)
        stepped = 65535;
    std::array<QString, 3> steppedTexts = texts;
    steppedTexts[index] = QString::number(stepped);
    return Commit(steppedTexts, maxima, rgbSide);
}

EditTexts MainColour::StepRgbEdit(const std::array<QString, 3>& texts, int index, int delta)
{
    return Step(texts, index, delta, kRgbMaxima, true);
}

EditTexts MainColour::StepHslEdit(const std::array<QString, 3>& texts, int index, int delta)
{
    return Step(texts, index, delta, kHslMaxima, false);
}

QString MainColour::ApplyHexText(const QString& text)
{
    const HexParseResult parsed = ParseHexText(text);
    if (!parsed.colour)
        return parsed.error;
    m_rgb = UnpackColour(*parsed.colour);
    RefreshFromRgb();
    emit changed(ColourChange::FromHexText);
    emit recorded(colour());
    return QString();
}

void MainColour::MakeWebsafe()
{
    m_rgb = SnapToWebSafe(m_rgb);
    RefreshFromRgb();
    emit changed(ColourChange::FromRgb);
    emit recorded(colour());
}

void MainColour::FindNegative()
{
    SetMainColour(NegativeColour(colour()));
}

void MainColour::SetMainColour(ColorRef colour)
{
    ShowColour(colour);
    emit recorded(this->colour());
}

void MainColour::ShowColour(ColorRef colour)
{
    m_rgb = UnpackColour(colour);
    RefreshFromRgb();
    emit changed(ColourChange::FromRgb);
}
