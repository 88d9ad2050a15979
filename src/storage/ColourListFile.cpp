#include "storage/ColourListFile.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/RecentLists.h"
#include "storage/TextFile.h"

#include <QHashFunctions>
#include <QFileInfo>

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

ListFileStamp StampListFile(const QString& path, QByteArrayView data)
{
    // A fixed seed: the hash is only compared within one run, against the file as
    // it is at exit.
    return {path, data.size(), qHashBits(data.data(), std::size_t(data.size()), 0x5EED)};
}

bool ListFileIsUnchanged(const ListFileStamp& stamp)
{
    // The size tells most changes without reading; the content decides the rest
    // (a time stamp would add nothing: a file touched but unchanged loses nothing).
    if (stamp.path.isEmpty() || QFileInfo(stamp.path).size() != stamp.size)
        return false;
    const FileReadResult read = ReadWholeFile(stamp.path, kMaxLargeFileBytes);
    return read.status == FileReadStatus::Loaded &&
           StampListFile(stamp.path, read.data).hash == stamp.hash;
}

QString ListNotesNotice(const QString& path, int lines)
{
    if (lines == 1)
        return QStringLiteral("The file '%1' holds 1 line that is not a color; it is kept in "
                              "place.")
            .arg(path);
    return QStringLiteral("The file '%1' holds %2 lines that are not colors; they are kept in "
                          "place.")
        .arg(path)
        .arg(lines);
}

ColourListFileContent ReadColourListFile(const QString& path, const ProgressCallback& progress)
{
    const FileReadResult read = ReadWholeFile(path, kMaxLargeFileBytes);
    ColourListFileContent content;
    if (read.status == FileReadStatus::Missing)
        return content;
    if (read.status == FileReadStatus::Unreadable) {
        content.status = ColourListLoadStatus::Failed;
        content.error = read.error;
        return content;
    }
    content = ParseColourListData(read.data, progress);
    if (content.status == ColourListLoadStatus::Loaded)
        content.stamp = StampListFile(path, read.data);
    return content;
}

ColourListFileContent ParseColourListData(QByteArrayView data, const ProgressCallback& progress)
{
    const QList<QByteArrayView> lines = SplitTextLines(data);
    ColourListFileContent content;
    content.status = ColourListLoadStatus::Loaded;
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
        if (!converted.error.isEmpty()) {
            ColourListFileContent failed;
            failed.status = ColourListLoadStatus::Failed;
            failed.error = converted.error;
            return failed;
        }
        if (converted.colour) {
            content.colours.append(*converted.colour);
            continue;
        }
        if (content.notes.isEmpty() || content.notes.back().before != content.colours.size())
            content.notes.append(ListFileNote{content.colours.size(), {}});
        content.notes.back().lines.append(QString::fromLatin1(line));
        if (!line.trimmed().isEmpty())
            ++content.otherLines;
    }
    content.readInFull = !content.colours.isEmpty() || content.otherLines == 0;
    if (progress)
        progress(100);
    return content;
}

ColourListLoadResult LoadColourList(const QString& path, ColourList& list, RecentLists* recent,
                                    const ProgressCallback& progress)
{
    const ColourListFileContent content = ReadColourListFile(path, progress);
    ColourListLoadResult result{content.status, content.error, std::nullopt, false, QString()};
    switch (content.status) {
    case ColourListLoadStatus::Failed:
        return result;
    case ColourListLoadStatus::Missing:
        // Nothing there to lose: the list is written there at exit.
        list.SetNotReadInFull(false);
        list.SetFileStamp(ListFileStamp());
        list.SetOriginName(QString());
        break;
    case ColourListLoadStatus::Loaded:
        // The text of a file that is no colour list is not carried into a list file.
        result.mainColour = list.ReplaceWithLoadedColours(
            content.colours, content.readInFull ? content.notes : QList<ListFileNote>());
        result.heldNoColours = !content.readInFull;
        list.SetNotReadInFull(!content.readInFull);
        if (content.readInFull) {
            list.SetFileStamp(content.stamp);
            if (content.otherLines > 0)
                result.notice = ListNotesNotice(path, content.otherLines);
        }
        if (recent)
            recent->AddLoadedList(path);
        break;
    }
    list.SetCurrentListPath(path);
    list.SetChanged(false);
    return result;
}

QByteArray ColourListFileText(const ColourList& list)
{
    QByteArray data;
    // Item texts are 34 to 40 characters; reserving avoids regrowing for long lists.
    data.reserve(list.count() * 42);
    for (int row = 0; row < list.count(); ++row) {
        if (const QStringList* notes = list.NotesBefore(row))
            data += EncodeTextLines(*notes);
        list.AppendTextLatin1(data, row);
        data += "\r\n";
    }
    data += EncodeTextLines(list.TrailingNotes());
    return data;
}

FileWriteResult SaveColourList(const QString& path, const ColourList& list)
{
    return WriteWholeFile(path, ColourListFileText(list));
}
