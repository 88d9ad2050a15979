#include "storage/WebStyleFile.h"

#include "colour/ColourText.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

constexpr char kSignatureLine[] = "; QB Kromi Web Test Style";

constexpr const char* kSizeNames[kWebDividerCount] = {"header.height", "footer.height",
                                                      "linkcolumn.width"};

enum class FontField
{
    Name,
    Size,
    Colour,
    Bold,
    Italic,
    Underline,
    StrikeOut,
    CharSet
};
constexpr const char* kFontFieldNames[] = {"name",   "size",      "colour",    "bold",
                                           "italic", "underline", "strikeout", "charset"};
constexpr int kFontFieldCount = int(std::size(kFontFieldNames));

bool IsEscaped(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c > 0xFF;
}

QString EscapeValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '\\') {
            out += QLatin1String("\\\\");
        } else if (c == '\r') {
            out += QLatin1String("\\r");
        } else if (c == '\n') {
            out += QLatin1String("\\n");
        } else if (IsEscaped(c)) {
            out += QLatin1String("\\u") +
                   QString::number(int(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        } else {
            out += qc;
        }
    }
    return out;
}

std::optional<QString> UnescapeValue(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= value.size())
            return std::nullopt;
        switch (value.at(i).unicode()) {
        case '\\':
            out += QLatin1Char('\\');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'u': {
            if (i + 4 >= value.size())
                return std::nullopt;
            int unit = 0;
            for (int k = 1; k <= 4; ++k) {
                const int digit = HexDigitValue(value.at(i + k).unicode());
                if (digit < 0)
                    return std::nullopt;
                unit = unit << 4 | digit;
            }
            out += QChar(char16_t(unit));
            i += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::optional<int> ParseRange(QStringView value, int minimum, int maximum)
{
    const std::optional<int> number = ParseInteger(value.trimmed().toString());
    if (!number || *number < minimum || *number > maximum)
        return std::nullopt;
    return number;
}

std::optional<ColorRef> ParseColour(QStringView value)
{
    const std::optional<int> number = ParseRange(value, 0, 0xFFFFFF);
    if (!number)
        return std::nullopt;
    return ColorRef(*number);
}

QString ColourValue(ColorRef colour)
{
    return FormatPackedText(UnpackColour(colour));
}

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString FontFieldValue(const FontSpec& font, FontField field)
{
    switch (field) {
    case FontField::Name:
        return EscapeValue(font.family);
    case FontField::Size:
        return QString::number(font.pointSize);
    case FontField::Colour:
        return ColourValue(font.colour);
    case FontField::Bold:
        return Flag(font.bold);
    case FontField::Italic:
        return Flag(font.italic);
    case FontField::Underline:
        return Flag(font.underline);
    case FontField::StrikeOut:
        return Flag(font.strikeOut);
    case FontField::CharSet:
        break;
    }
    return QString::number(font.charSet);
}

bool SetFontField(FontSpec& font, FontField field, QStringView value)
{
    if (field == FontField::Name) {
        std::optional<QString> family = UnescapeValue(value);
        if (family)
            font.family = *family;
        return family.has_value();
    }
    if (field == FontField::Colour) {
        const std::optional<ColorRef> colour = ParseColour(value);
        if (colour)
            font.colour = *colour;
        return colour.has_value();
    }
    if (field == FontField::Size || field == FontField::CharSet) {
        const bool size = field == FontField::Size;
        const std::optional<int> number =
            size ? ParseRange(value, 1, kMaxFontPointSize) : ParseRange(value, 0, 255);
        if (number)
            (size ? font.pointSize : font.charSet) = *number;
        return number.has_value();
    }
    const std::optional<int> flag = ParseRange(value, 0, 1);
    if (!flag)
        return false;
    bool* const flags[] = {&font.bold, &font.italic, &font.underline, &font.strikeOut};
    *flags[int(field) - int(FontField::Bold)] = *flag == 1;
    return true;
}

// The index whose name(index) equals `name` ignoring case, or -1.
template <typename NameOf> int IndexOf(QStringView name, int count, NameOf nameOf)
{
    for (int i = 0; i < count; ++i) {
        if (name.compare(QLatin1String(nameOf(i)), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Sizes are read against an otherwise empty page; whether header and footer fit
// together is checked once every line is read.
struct PendingSizes
{
    std::array<int, kWebDividerCount> lineNumbers{};
};

bool ApplyLine(QStringView key, QStringView value, WebPageStyle& style, PendingSizes& sizes,
               int lineNumber)
{
    const int size = IndexOf(key, kWebDividerCount, [](int i) { return kSizeNames[i]; });
    if (size >= 0) {
        const std::optional<int> number =
            ParseRange(value, 0, MaximumPartSize(WebPageStyle(), WebDivider(size)));
        if (!number)
            return false;
        style.partSizes[std::size_t(size)] = *number;
        sizes.lineNumbers[std::size_t(size)] = lineNumber;
        return true;
    }
    if (key.compare(QLatin1String("border.colour"), Qt::CaseInsensitive) == 0) {
        const std::optional<ColorRef> colour = ParseColour(value);
        if (colour)
            style.borderColour = *colour;
        return colour.has_value();
    }
    const qsizetype dot = key.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView object = key.first(dot);
    const QStringView field = key.sliced(dot + 1);
    const int part = IndexOf(object, kWebPartCount, [](int i) { return WebPartName(WebPart(i)); });
    if (part >= 0) {
        const std::optional<ColorRef> colour = ParseColour(value);
        if (!colour || field.compare(QLatin1String("colour"), Qt::CaseInsensitive) != 0)
            return false;
        style.partColours[std::size_t(part)] = *colour;
        return true;
    }
    const int text =
        IndexOf(object, kWebTextCount, [](int i) { return PlaceWebText(WebText(i)).name; });
    if (text < 0)
        return false;
    WebPageText& target = style.texts[std::size_t(text)];
    if (field.compare(QLatin1String("text"), Qt::CaseInsensitive) == 0) {
        std::optional<QString> unescaped = UnescapeValue(value);
        if (unescaped)
            target.text = *unescaped;
        return unescaped.has_value();
    }
    const QLatin1String fontPrefix("font.");
    if (!field.startsWith(fontPrefix, Qt::CaseInsensitive))
        return false;
    const int fontField = IndexOf(field.sliced(fontPrefix.size()), kFontFieldCount,
                                  [](int i) { return kFontFieldNames[i]; });
    return fontField >= 0 && SetFontField(target.font, FontField(fontField), value);
}

} // namespace

QByteArray WebStyleFileText(const WebPageStyle& style)
{
    QStringList lines;
    lines << QString::fromLatin1(kSignatureLine);
    for (int i = 0; i < kWebPartCount; ++i)
        lines << QLatin1String(WebPartName(WebPart(i))) + QLatin1String(".colour=") +
                     ColourValue(style.partColours[std::size_t(i)]);
    lines << QStringLiteral("border.colour=") + ColourValue(style.borderColour);
    for (int i = 0; i < kWebDividerCount; ++i)
        lines << QLatin1String(kSizeNames[i]) + QLatin1Char('=') +
                     QString::number(style.partSizes[std::size_t(i)]);
    for (int i = 0; i < kWebTextCount; ++i) {
        const WebPageText& text = style.texts[std::size_t(i)];
        const QString name = QLatin1String(PlaceWebText(WebText(i)).name);
        lines << name + QLatin1String(".text=") + EscapeValue(text.text);
        for (int field = 0; field < kFontFieldCount; ++field)
            lines << name + QLatin1String(".font.") + QLatin1String(kFontFieldNames[field]) +
                         QLatin1Char('=') + FontFieldValue(text.font, FontField(field));
    }
    // Every character beyond Latin-1 was escaped above.
    return EncodeTextLines(lines);
}

WebStyleLoadResult ApplyWebStyleText(QByteArrayView data, WebPageStyle& style)
{
    WebPageStyle loaded = style;
    PendingSizes sizes;
    WebStyleLoadResult result;
    const auto noteBad = [&result](int lineNumber, QByteArrayView line) {
        if (result.badLineNumber != 0 && result.badLineNumber < lineNumber)
            return;
        result.badLineNumber = lineNumber;
        result.badLineText = QuotedValue(line);
    };

    const QList<QByteArrayView> lines = SplitTextLines(data);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView line = lines.at(i);
        const int lineNumber = int(i + 1);
        if (line.trimmed().isEmpty() || line.startsWith(';'))
            continue;
        const QString text = QString::fromLatin1(line);
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals < 0 ||
            !ApplyLine(QStringView(text).first(equals).trimmed(),
                       QStringView(text).sliced(equals + 1), loaded, sizes, lineNumber)) {
            noteBad(lineNumber, line);
        }
    }

    constexpr auto kHeader = std::size_t(WebDivider::BelowHeader);
    constexpr auto kFooter = std::size_t(WebDivider::AboveFooter);
    if (loaded.partSizes[kHeader] > MaximumPartSize(loaded, WebDivider::BelowHeader)) {
        loaded.partSizes[kHeader] = style.partSizes[kHeader];
        loaded.partSizes[kFooter] = style.partSizes[kFooter];
        const int later = std::max(sizes.lineNumbers[kHeader], sizes.lineNumbers[kFooter]);
        noteBad(later, lines.at(later - 1));
    }

    style = loaded;
    if (result.badLineNumber != 0)
        result.error = QStringLiteral("Line %1 is not a valid style line: \"%2\"")
                           .arg(result.badLineNumber)
                           .arg(result.badLineText);
    return result;
}

WebStyleLoadResult LoadWebStyleFile(const QString& path, WebPageStyle& style)
{
    WebStyleLoadResult result;
    result.status = WebStyleLoadResult::Status::Failed;
    const FileReadResult read = ReadWholeFile(path, kMaxWebStyleFileBytes);
    if (read.tooLarge) {
        result.error = QStringLiteral("%1 is too large to be a web test style file.").arg(path);
        return result;
    }
    if (read.status != FileReadStatus::Loaded) {
        result.error = CannotOpenFileMessage(path);
        return result;
    }
    result = ApplyWebStyleText(read.data, style);
    if (!result.error.isEmpty())
        result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

FileWriteResult SaveWebStyleFile(const QString& path, const WebPageStyle& style)
{
    // What is written must load back: texts taken from several loaded styles can
    // add up to more than one file may hold.
    const QByteArray text = WebStyleFileText(style);
    if (text.size() > kMaxWebStyleFileBytes)
        return {false, QStringLiteral("The style's texts add up to more than a style file may "
                                      "hold (1 MB); shorten them. Nothing was saved.")};
    return WriteWholeFile(path, text);
}
