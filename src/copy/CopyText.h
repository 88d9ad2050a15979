#pragma once
// The text formats of the Copy window ("CSS", "HTML", "Value", "Text") and the
// texts of the quick copy menu. Every line of a text, the last one included,
// ends with CR LF; an empty source gives an empty text.

#include "copy/CopySource.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// A text ready for the clipboard, or the conversion message of the first entry
// whose digits could not be read as numbers (then the text is empty).
struct CopyText
{
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

struct CssOptions
{
    bool textColor = true;        // "Text Color"
    bool backgroundColor = false; // "Background Color"
};

struct HtmlOptions
{
    bool color = true;    // "Color"
    bool bgColor = false; // "BGColor"
};

// The "Value" lines, in the order they appear for each entry.
enum class ValueField
{
    Rgb,             // RGB(6,167,255)
    Hsl,             // HSL(201,100,51)
    HtmlHexWithHash, // #06A7FF
    HtmlHex,         // 06A7FF
    DelphiHex,       // $00FFA706
    VcppHex,         // 0X00FFA706
    ActionScriptHex, // 0xFFA706 (blue first, like the other packed forms)
    VbHex,           // &HFFA706
};
constexpr int kValueFields = 8;

// The check box caption of a field: "RGB", "HSL", "HTML Hex (with #)", "HTML Hex", ...
QString ValueFieldCaption(ValueField field);

struct ValueOptions
{
    // Indexed by ValueField; "HTML Hex" is checked at first.
    std::array<bool, kValueFields> checked{false, false, false, true, false, false, false, false};
    bool isChecked(ValueField field) const { return checked[int(field)]; }
    void setChecked(ValueField field, bool on) { checked[int(field)] = on; }
};

struct TextOptions
{
    bool rgbValue = true;    // "RGB Value"
    bool hslValue = true;    // "HSL Value"
    bool hexValue = true;    // "Hex Value"
    bool websafeInfo = true; // "Websafe Info"
};

// ".color1 { color: #06A7FF; }" lines, then ".backgroundcolor1 { ... }" lines.
QString BuildCssText(const QStringList& entries, const CssOptions& options);
// ' color="#06A7FF" ' lines, then ' bgcolor="#06A7FF" ' lines.
QString BuildHtmlText(const QStringList& entries, const HtmlOptions& options);
// Per entry the checked fields in ValueField order, then an empty line.
CopyText BuildValueText(const QStringList& entries, const ValueOptions& options);
// Per entry "Color n", 21 hyphens, the checked values, an empty line.
CopyText BuildTextReport(const QStringList& entries, const TextOptions& options);

// One "Value" line of an entry, without line break.
CopyText ValueLine(ValueField field, const EntryValues& values);

// The text entries of the quick copy menu, in menu order.
struct QuickCopyItem
{
    const char* caption;
    ValueField field;
};
constexpr std::array<QuickCopyItem, 8> kQuickCopyItems{{
    {"&RGB", ValueField::Rgb},
    {"H&SL", ValueField::Hsl},
    {"&HTML Style Hex", ValueField::HtmlHex},
    {"H&TML Style  Hex (with #)", ValueField::HtmlHexWithHash},
    {"&Delphi Hex", ValueField::DelphiHex},
    {"V&B Hex", ValueField::VbHex},
    {"V&C++ Hex", ValueField::VcppHex},
    {"&ActionScript Hex", ValueField::ActionScriptHex},
}};

// With fewer than two list items selected: the main colour as one line without
// line break ("&RGB" from the R, G, B edits as they stand, the hex forms from the
// hex edit, the others derived from "#" + hex edit text). With two or more: one
// line per selected item holding "#", each ending with CR LF.
CopyText QuickCopyText(ValueField field, const CopySourceInput& input);
// The text QuickCopyText gives for two or more selected list items whose texts are
// those the program makes of their colours, from the colours alone: a million of
// them is copied without a million item texts.
QString QuickCopyColoursText(ValueField field, const QList<ColorRef>& colours);
