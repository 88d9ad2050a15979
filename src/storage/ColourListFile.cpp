#include "storage/ColourListFile.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/RecentLists.h"
#include "storage/TextFile.h"

#include <algorithm>

namespace {

// "$00" and the rest of the line; only what a message shows is decoded.
QString QuotedNumberText(QByteArrayView rest)
{
    return QStringLiteral("$00") +
           QString::fromLatin1(rest.first(std::min(rest.size(), kMaxQuotedLength + 1)));
}

} // namespace

ColourListLine ConvertColourListLine(QByteArrayView line)
{
    const qsizetype dash = line.indexOf('-');
    if (dash < 0)
        return {};
    const QByteArrayView rest = line.sliced(std::min(dash + 2, line.size()));
    // Leading zeros leave a hexadecimal value as it is; dropping them keeps a huge
    // line of zeros cheap. More than eight significant characters overflow 32 bits
    // or are no number at all.
    qsizetype firstSignificant = 0;
    while (firstSignificant < rest.size() && rest.at(firstSignificant) == '0')
        ++firstSignificant;
    const QByteArrayView significant = rest.sliced(firstSignificant);
    std::optional<int> value;
    if (significant.size() <= 8) {
        // The text is put together on the stack: loads convert a line per item.
        char16_t text[11] = {u'$', u'0', u'0'};
        for (qsizetype i = 0; i < significant.size(); ++i)
            text[3 + i] = char16_t(static_cast<unsigned char>(significant.at(i)));
        value = ParseInteger(
            QString::fromRawData(reinterpret_cast<const QChar*>(text), 3 + significant.size()));
    }
    if (!value)
        return {std::nullopt, IntegerConversionMessage(QuotedNumberText(rest))};
    // Only the three colour bytes count; a top byte would not be a colour.
    return {ColorRef(std::uint32_t(*value)) & 0xFFFFFFu, QString()};
}

ColourListFileContent ReadColourListFile(const QString& path, const ProgressCallback& progress)
{
    const FileReadResult read = ReadWholeFile(path, kMaxLargeFileBytes);
    if (read.status == FileReadStatus::Missing)
        return {ColourListLoadStatus::Missing, {}, {}};
    if (read.status == FileReadStatus::Unreadable)
        return {ColourListLoadStatus::Failed, {}, read.error};
    return ParseColourListData(read.data, progress);
}

ColourListFileContent ParseColourListData(QByteArrayView data, const ProgressCallback& progress)
{
    const QList<QByteArrayView> lines = SplitTextLines(data);
    ColourListFileContent content{ColourListLoadStatus::Loaded, {}, {}};
    content.colours.reserve(lines.size());
    int reported = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (progress) {
            const int percent = int(i * 100 / lines.size());
            if (percent != reported)
                progress(reported = percent);
        }
        const QByteArrayView line = lines.at(i);
        const ColourListLine converted = ConvertColourListLine(line);
        if (!converted.error.isEmpty())
            return {ColourListLoadStatus::Failed, {}, converted.error};
        if (converted.colour)
            content.colours.append(*converted.colour);
        else if (!line.trimmed().isEmpty())
            content.readInFull = false;
    }
    if (progress)
        progress(100);
    return content;
}

ColourListLoadResult LoadColourList(const QString& path, ColourList& list, RecentLists* recent,
                                    const ProgressCallback& progress)
{
    const ColourListFileContent content = ReadColourListFile(path, progress);
    ColourListLoadResult result{content.status, content.error, std::nullopt};
    switch (content.status) {
    case ColourListLoadStatus::Failed:
        return result;
    case ColourListLoadStatus::Missing:
        // Nothing there to lose: the list is written there at exit.
        list.SetNotReadInFull(false);
        break;
    case ColourListLoadStatus::Loaded:
        result.mainColour = list.ReplaceWithLoadedColours(content.colours);
        result.heldNoColours = content.colours.isEmpty() && !content.readInFull;
        list.SetNotReadInFull(!content.readInFull);
        if (recent)
            recent->AddLoadedList(path);
        break;
    }
    list.SetCurrentListPath(path);
    list.SetChanged(false);
    return result;
}

FileWriteResult SaveColourList(const QString& path, const ColourList& list)
{
    QByteArray data;
    // Item texts are 34 to 40 characters; reserving avoids regrowing for long lists.
    data.reserve(list.count() * 42);
    for (int row = 0; row < list.count(); ++row) {
        list.AppendTextLatin1(data, row);
        data += "\r\n";
    }
    return WriteWholeFile(path, data);
}
