#include "copy/CopyText.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QString Triple(int a, int b, int c)
{
    return QString::number(a) + QLatin1Char(',') + QString::number(b) + QLatin1Char(',') +
           QString::number(c);
}

QString RgbTriple(Rgb c)
{
    return Triple(c.red, c.green, c.blue);
}
QString HslTriple(Hsl c)
{
    return Triple(c.hue, c.saturation, c.lightness);
}

void AppendLine(QString& text, const QString& line)
{
    text += line;
    text += kLineEnd;
}

} // namespace

QString ValueFieldCaption(ValueField field)
{
    static constexpr const char* kCaptions[kValueFields] = {
        "RGB",        "HSL",      "HTML Hex (with #)", "HTML Hex",
        "Delphi Hex", "VC++ Hex", "ActionScript Hex",  "VB Hex"};
    return QLatin1String(kCaptions[int(field)]);
}

QString BuildCssText(const QStringList& entries, const CssOptions& options)
{
    QString text;
    if (options.textColor) {
        for (int i = 0; i < entries.size(); ++i)
            AppendLine(text, QStringLiteral(".color") + QString::number(i + 1) +
                                 QStringLiteral(" { color: ") + entries.at(i) +
                                 QStringLiteral("; }"));
    }
    if (options.backgroundColor) {
        for (int i = 0; i < entries.size(); ++i)
            AppendLine(text, QStringLiteral(".backgroundcolor") + QString::number(i + 1) +
                                 QStringLiteral(" { background-color: ") + entries.at(i) +
                                 QStringLiteral("; }"));
    }
    return text;
}

QString BuildHtmlText(const QStringList& entries, const HtmlOptions& options)
{
    QString text;
    if (options.color) {
        for (const QString& entry : entries)
            AppendLine(text, QStringLiteral(" color=\"") + entry + QStringLiteral("\" "));
    }
    if (options.bgColor) {
        for (const QString& entry : entries)
            AppendLine(text, QStringLiteral(" bgcolor=\"") + entry + QStringLiteral("\" "));
    }
    return text;
}

CopyText ValueLine(ValueField field, const EntryValues& values)
{
    switch (field) {
    case ValueField::Rgb:
        if (!values.rgb)
            return {QString(), values.error};
        return {QStringLiteral("RGB(") + RgbTriple(*values.rgb) + QLatin1Char(')'), QString()};
    case ValueField::Hsl:
        if (!values.rgb)
            return {QString(), values.error};
        return {QStringLiteral("HSL(") + HslTriple(values.hsl) + QLatin1Char(')'), QString()};
    case ValueField::HtmlHexWithHash:
        return {values.hashHex, QString()};
    case ValueField::HtmlHex:
        return {values.hex, QString()};
    case ValueField::DelphiHex:
        return {QStringLiteral("$00") + values.bgrDigits, QString()};
    case ValueField::VcppHex:
        return {QStringLiteral("0X00") + values.bgrDigits, QString()};
    case ValueField::ActionScriptHex:
        return {QStringLiteral("0x") + values.bgrDigits, QString()};
    case ValueField::VbHex:
        return {QStringLiteral("&H") + values.bgrDigits, QString()};
    }
    return {};
}

CopyText BuildValueText(const QStringList& entries, const ValueOptions& options)
{
    QString text;
    for (const QString& entry : entries) {
        const EntryValues values = DeriveEntryValues(entry);
        for (int f = 0; f < kValueFields; ++f) {
            if (!options.checked[f])
                continue;
            const CopyText line = ValueLine(ValueField(f), values);
            if (!line.ok())
                return {QString(), line.error};
            AppendLine(text, line.text);
        }
        AppendLine(text, QString());
    }
    return {text, QString()};
}

CopyText BuildTextReport(const QStringList& entries, const TextOptions& options)
{
    const bool needsNumbers = options.rgbValue || options.hslValue || options.websafeInfo;
    QString text;
    for (int i = 0; i < entries.size(); ++i) {
        const EntryValues values = DeriveEntryValues(entries.at(i));
        if (needsNumbers && !values.rgb)
            return {QString(), values.error};
        AppendLine(text, QStringLiteral("Color ") + QString::number(i + 1));
        AppendLine(text, QStringLiteral("---------------------"));
        if (options.rgbValue)
            AppendLine(text, QStringLiteral("RGB: ") + RgbTriple(*values.rgb));
        if (options.hslValue)
            AppendLine(text, QStringLiteral("HSL: ") + HslTriple(values.hsl));
        if (options.hexValue)
            AppendLine(text, QStringLiteral("HEX: ") + values.hashHex);
        if (options.websafeInfo) {
            if (IsWebSafe(*values.rgb)) {
                AppendLine(text, QStringLiteral("This color is websafe."));
            } else {
                AppendLine(text, QStringLiteral("This color is not websafe."));
                AppendLine(text, QStringLiteral("Nearest websafe color is RGB(") +
                                     RgbTriple(SnapToWebSafe(*values.rgb)) + QLatin1Char(')'));
            }
        }
        AppendLine(text, QString());
    }
    return {text, QString()};
}

CopyText QuickCopyText(ValueField field, const CopySourceInput& input)
{
    if (SelectedCount(input.listItemSelected) < 2) {
        const QString& hex = input.hexEditText;
        const auto& rgb = input.rgbEditTexts;
        switch (field) {
        case ValueField::Rgb:
            return {QStringLiteral("RGB(") + rgb[0] + QLatin1Char(',') + rgb[1] + QLatin1Char(',') +
                        rgb[2] + QLatin1Char(')'),
                    QString()};
        case ValueField::HtmlHex:
            return {hex, QString()};
        case ValueField::HtmlHexWithHash:
            return {QLatin1Char('#') + hex, QString()};
        default:
            return ValueLine(field, DeriveEntryValues(QLatin1Char('#') + hex));
        }
    }
    QString text;
    const QStringList entries = SelectedColourEntries(input.listItemTexts, input.listItemSelected);
    for (const QString& entry : entries) {
        const CopyText line = ValueLine(field, DeriveEntryValues(entry));
        if (!line.ok())
            return {QString(), line.error};
        AppendLine(text, line.text);
    }
    return {text, QString()};
}

QString QuickCopyColoursText(ValueField field, const QList<ColorRef>& colours)
{
    QString text;
    // The longest line, "HSL(359,100,100)", and its line end.
    text.reserve(colours.size() * 18);
    for (ColorRef colour : colours)
        AppendLine(text, ValueLine(field, EntryValuesOf(UnpackColour(colour))).text);
    return text;
}
