#include "copy/ColourLineFormats.h"

#include "colour/ColourNames.h"
#include "colour/CssColourText.h"

namespace {

// The line of one entry, or the entry's conversion message.
CopyText EntryLine(const ColourLineFormat& format, const QString& entry)
{
    const EntryValues values = DeriveEntryValues(entry);
    if (!values.rgb)
        return {QString(), values.error};
    return {format.line(*values.rgb), QString()};
}

} // namespace

QVector<ColourLineFormat> ColourLineFormats(const QVector<UserTextFormat>& userFormats)
{
    QVector<ColourLineFormat> formats;
    for (const CssFormRow& row : kCssForms) {
        if (row.form == CssForm::Hex)
            continue;
        const CssForm form = row.form;
        formats.append(
            {QLatin1String(row.caption), [form](Rgb c) { return FormatCssForm(form, c); }});
    }
    formats.append({QStringLiteral("Color Name"),
                    [](Rgb c) { return QString::fromLatin1(NearestColourName(c).name); }});
    for (const UserTextFormat& user : userFormats) {
        const QString text = user.text;
        formats.append({user.name, [text](Rgb c) { return ExpandTemplate(text, c); }});
    }
    return formats;
}

CopyText ColourLinesText(const ColourLineFormat& format, const QStringList& entries)
{
    QString text;
    for (const QString& entry : entries) {
        const CopyText line = EntryLine(format, entry);
        if (!line.ok())
            return line;
        text += line.text + QStringLiteral("\r\n");
    }
    return {text, QString()};
}

CopyText QuickCopyLines(const ColourLineFormat& format, const CopySourceInput& input)
{
    if (SelectedCount(input.listItemSelected) < 2)
        return EntryLine(format, QLatin1Char('#') + input.hexEditText);
    return ColourLinesText(format,
                           SelectedColourEntries(input.listItemTexts, input.listItemSelected));
}
