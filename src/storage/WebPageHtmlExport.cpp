#include "storage/WebPageHtmlExport.h"

#include "colour/ColourText.h"

#include <QStringList>

namespace {

// Fragments of family names and the generic family a browser falls back on when
// the named face is missing; the first match counts, sans-serif otherwise.
struct GenericFamily
{
    const char* fragment;
    const char* generic;
};
constexpr GenericFamily kGenericFamilies[] = {
    {"sans", "sans-serif"},   {"courier", "monospace"},  {"mono", "monospace"},
    {"console", "monospace"}, {"fixedsys", "monospace"}, {"terminal", "monospace"},
    {"times", "serif"},       {"roman", "serif"},        {"georgia", "serif"},
    {"garamond", "serif"},    {"serif", "serif"},
};

QString CssColour(ColorRef colour)
{
    return FormatHashHex(UnpackColour(colour));
}

QString Pixels(int value)
{
    return QString::number(value) + QLatin1String("px");
}

QString CssString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const char32_t c : text.toUcs4()) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_';
        if (plain)
            out += QChar(char16_t(c));
        // A NUL or a surrogate cannot be escaped in CSS; U+FFFD stands in.
        else if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            out += QLatin1String("\\FFFD ");
        else
            out += QLatin1Char('\\') + QString::number(uint(c), 16).toUpper() + QLatin1Char(' ');
    }
    return out + QLatin1Char('"');
}

const char* GenericFamilyOf(const QString& family)
{
    for (const GenericFamily& entry : kGenericFamilies) {
        if (family.contains(QLatin1String(entry.fragment), Qt::CaseInsensitive))
            return entry.generic;
    }
    return "sans-serif";
}

QString RectDeclarations(const QRect& rect)
{
    return QStringLiteral("left: %1; top: %2; width: %3; height: %4;")
        .arg(Pixels(rect.x()), Pixels(rect.y()), Pixels(rect.width()), Pixels(rect.height()));
}

} // namespace

QString HtmlEscaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), text.at(i + 1).unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            c = 0xFFFD;
        }
        switch (c) {
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '>':
            out += QLatin1String("&gt;");
            continue;
        case '"':
            out += QLatin1String("&quot;");
            continue;
        case '\'':
            out += QLatin1String("&#39;");
            continue;
        case '\r':
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("&#10;");
            continue;
        case '\n':
            out += QLatin1String("&#10;");
            continue;
        case '\t':
            out += QLatin1Char('\t');
            continue;
        default:
            break;
        }
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            continue;
        if (c < 0x80)
            out += QChar(char16_t(c));
        else
            out += QLatin1String("&#") + QString::number(uint(c)) + QLatin1Char(';');
    }
    return out;
}

QString CssFontDeclarations(const FontSpec& font)
{
    QStringList decorations;
    if (font.underline)
        decorations << QStringLiteral("underline");
    if (font.strikeOut)
        decorations << QStringLiteral("line-through");
    return QStringLiteral("font-family: %1, %2; font-size: %3pt; font-weight: %4; "
                          "font-style: %5; text-decoration: %6; color: %7;")
        .arg(CssString(font.family), QLatin1String(GenericFamilyOf(font.family)),
             QString::number(font.pointSize),
             font.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
             font.italic ? QStringLiteral("italic") : QStringLiteral("normal"),
             decorations.isEmpty() ? QStringLiteral("none") : decorations.join(QLatin1Char(' ')),
             CssColour(font.colour));
}

QByteArray ExportWebPageAsHtml(const WebPageStyle& style)
{
    const WebPageLayout layout = LayOutWebPage(style);
    QStringList lines;
    lines << QStringLiteral("<!DOCTYPE html>") << QStringLiteral("<html>")
          << QStringLiteral("<head>") << QStringLiteral("<meta charset=\"utf-8\">")
          << QStringLiteral("<meta name=\"generator\" content=\"QB Kromi\">")
          << QStringLiteral("<title>%1</title>")
                 .arg(HtmlEscaped(style.text(WebText::HeaderText).text))
          << QStringLiteral("<style>")
          << QStringLiteral("html, body { margin: 0; padding: 0; background: #FFFFFF; }")
          << QStringLiteral("#page { position: relative; overflow: hidden; width: %1; height: "
                            "%2; background: %3; }")
                 .arg(Pixels(kWebPageWidth), Pixels(kWebPageHeight), CssColour(style.borderColour))
          << QStringLiteral(".part { position: absolute; overflow: hidden; }")
          << QStringLiteral(".text { position: absolute; margin: 0; padding: 0; "
                            "white-space: pre; line-height: normal; }");
    for (int i = 0; i < kWebPartCount; ++i)
        lines << QStringLiteral("#%1 { %2 background: %3; }")
                     .arg(QLatin1String(WebPartName(WebPart(i))), RectDeclarations(layout.parts[i]),
                          CssColour(style.partColours[std::size_t(i)]));
    for (int i = 0; i < kWebTextCount; ++i) {
        const WebTextPlacement place = PlaceWebText(WebText(i));
        QString rule = QStringLiteral("#%1 { left: %2; top: %3; %4")
                           .arg(QLatin1String(place.name), Pixels(place.position.x()),
                                Pixels(place.position.y()),
                                CssFontDeclarations(style.texts[std::size_t(i)].font));
        if (WebText(i) == WebText::BodyText)
            rule += QStringLiteral(" width: %1; white-space: pre-wrap;")
                        .arg(Pixels(BodyTextWidth(layout.part(WebPart::Body).width())));
        lines << rule + QLatin1String(" }");
    }
    lines << QStringLiteral("</style>") << QStringLiteral("</head>") << QStringLiteral("<body>")
          << QStringLiteral("<div id=\"page\">");
    for (int part = 0; part < kWebPartCount; ++part) {
        lines << QStringLiteral("<div class=\"part\" id=\"%1\">")
                     .arg(QLatin1String(WebPartName(WebPart(part))));
        for (int i = 0; i < kWebTextCount; ++i) {
            if (PlaceWebText(WebText(i)).part != WebPart(part))
                continue;
            lines << QStringLiteral("<div class=\"text\" id=\"%1\">%2</div>")
                         .arg(QLatin1String(PlaceWebText(WebText(i)).name),
                              HtmlEscaped(style.texts[std::size_t(i)].text));
        }
        lines << QStringLiteral("</div>");
    }
    lines << QStringLiteral("</div>") << QStringLiteral("</body>") << QStringLiteral("</html>");

    // ASCII: everything else became a reference above.
    return EncodeTextLines(lines);
}

FileWriteResult SaveWebPageAsHtml(const QString& path, const WebPageStyle& style)
{
    return WriteWholeFile(path, ExportWebPageAsHtml(style));
}
