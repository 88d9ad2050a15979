#include "colour/TextTemplate.h"

#include "colour/ColourNames.h"
#include "colour/ColourText.h"
#include "colour/CssColourText.h"

namespace {

enum class Value
{
    Red,
    Green,
    Blue,
    Hex,
    HashHex,
    Hue,
    Saturation,
    Lightness,
    Name,
    WholeForm,
    FormComponent,
};

struct Placeholder
{
    const char* name;
    Value value;
    CssForm form = CssForm::Hex;
    int component = 0;
};

// One row per placeholder.
const Placeholder kPlaceholders[] = {
    {"r", Value::Red},
    {"g", Value::Green},
    {"b", Value::Blue},
    {"hex", Value::Hex},
    {"#hex", Value::HashHex},
    {"h", Value::Hue},
    {"s", Value::Saturation},
    {"l", Value::Lightness},
    {"name", Value::Name},
    {"oklch", Value::WholeForm, CssForm::OkLch},
    {"oklch.l", Value::FormComponent, CssForm::OkLch, 0},
    {"oklch.c", Value::FormComponent, CssForm::OkLch, 1},
    {"oklch.h", Value::FormComponent, CssForm::OkLch, 2},
    {"oklab", Value::WholeForm, CssForm::OkLab},
    {"oklab.l", Value::FormComponent, CssForm::OkLab, 0},
    {"oklab.a", Value::FormComponent, CssForm::OkLab, 1},
    {"oklab.b", Value::FormComponent, CssForm::OkLab, 2},
    {"lab", Value::WholeForm, CssForm::Lab},
    {"lab.l", Value::FormComponent, CssForm::Lab, 0},
    {"lab.a", Value::FormComponent, CssForm::Lab, 1},
    {"lab.b", Value::FormComponent, CssForm::Lab, 2},
    {"lch", Value::WholeForm, CssForm::Lch},
    {"lch.l", Value::FormComponent, CssForm::Lch, 0},
    {"lch.c", Value::FormComponent, CssForm::Lch, 1},
    {"lch.h", Value::FormComponent, CssForm::Lch, 2},
    {"display-p3", Value::WholeForm, CssForm::DisplayP3},
    {"p3.r", Value::FormComponent, CssForm::DisplayP3, 0},
    {"p3.g", Value::FormComponent, CssForm::DisplayP3, 1},
    {"p3.b", Value::FormComponent, CssForm::DisplayP3, 2},
    {"rgb", Value::WholeForm, CssForm::Rgb},
    {"hsl", Value::WholeForm, CssForm::Hsl},
};

const Placeholder* FindPlaceholder(QStringView name)
{
    for (const Placeholder& row : kPlaceholders)
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

QString ValueText(const Placeholder& placeholder, Rgb c)
{
    switch (placeholder.value) {
    case Value::Red:
        return QString::number(c.red);
    case Value::Green:
        return QString::number(c.green);
    case Value::Blue:
        return QString::number(c.blue);
    case Value::Hex:
        return FormatHexText(c);
    case Value::HashHex:
        return FormatHashHex(c);
    case Value::Hue:
        return QString::number(RgbToHsl(c).hue);
    case Value::Saturation:
        return QString::number(RgbToHsl(c).saturation);
    case Value::Lightness:
        return QString::number(RgbToHsl(c).lightness);
    case Value::Name:
        return QLatin1String(NearestColourName(c).name);
    case Value::WholeForm:
        return FormatCssForm(placeholder.form, c);
    case Value::FormComponent:
        break;
    }
    return CssFormComponent(placeholder.form, c, placeholder.component);
}

// Walks the template: literal text and the placeholders in turn. `visit` gets
// each placeholder's name; false from it stops the walk. Gives why the template
// is malformed, or nothing.
template <typename Literal, typename Visit>
QString Walk(QStringView text, Literal literal, Visit visit)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text[i + 1] == c) {
            literal(text.mid(i, 1));
            i += 2;
            continue;
        }
        if (c == u'}')
            return QStringLiteral("A \"}\" has no opening \"{\"; write \"}}\" for a brace.");
        if (c != u'{') {
            qsizetype end = i;
            while (end < text.size() && text[end] != u'{' && text[end] != u'}')
                ++end;
            literal(text.mid(i, end - i));
            i = end;
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i + 1);
        if (close < 0)
            return QStringLiteral("A \"{\" has no closing \"}\"; write \"{{\" for a brace.");
        const QStringView name = text.mid(i + 1, close - i - 1);
        if (!visit(name))
            return QStringLiteral("Unknown placeholder {%1}.").arg(name);
        i = close + 1;
    }
    return {};
}

} // namespace

QStringList TemplatePlaceholders()
{
    QStringList names;
    for (const Placeholder& row : kPlaceholders)
        names << QLatin1Char('{') + QLatin1String(row.name) + QLatin1Char('}');
    return names;
}

QString CheckTemplate(QStringView text)
{
    return Walk(
        text, [](QStringView) {}, [](QStringView name) { return FindPlaceholder(name); });
}

QString ExpandTemplate(QStringView text, Rgb c)
{
    QString out;
    Walk(
        text, [&](QStringView part) { out += part; },
        [&](QStringView name) {
            if (const Placeholder* placeholder = FindPlaceholder(name))
                out += ValueText(*placeholder, c);
            else
                out += QLatin1Char('{') + name.toString() + QLatin1Char('}');
            return true;
        });
    return out;
}
