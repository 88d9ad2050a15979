#include "storage/HistoryFile.h"

#include "colour/ColourText.h"
#include "state/HistoryList.h"
#include "storage/TextFile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// The colour of a line holding "#": the six characters after the first "#".
std::optional<ColorRef> ParseHashColour(const char* hash, const char* end)
{
    if (end - hash < 7)
        return std::nullopt;
    const std::optional<Rgb> colour = ReadHexTriple(hash + 1);
    if (!colour)
        return std::nullopt;
    return PackColour(*colour);
}

// Where the line starting at `p` ends, and where the next one starts (CR LF, LF or CR).
const char* LineEnd(const char* p, const char* end)
{
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

const char* NextLine(const char* lineEnd, const char* end)
{
    if (lineEnd == end)
        return end;
    if (*lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n')
        return lineEnd + 2;
    return lineEnd + 1;
}

} // namespace

HistoryFileContent LoadHistoryFile(const QString& path)
{
    const FileReadResult read = ReadWholeFile(path, kMaxLargeFileBytes);
    if (read.status == FileReadStatus::Missing)
        return {};
    if (read.status == FileReadStatus::Unreadable) {
        HistoryFileContent content;
        content.exists = true;
        content.unreadable = true;
        content.error = read.error;
        return content;
    }
    return ParseHistoryData(read.data);
}

HistoryFileContent ParseHistoryData(QByteArrayView bytes)
{
    HistoryFileContent content;
    content.exists = true;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    content.colours.reserve(std::size_t(bytes.size() / 16));
    while (p < end) {
        const char* const lineEnd = LineEnd(p, end);
        const char* const hash = static_cast<const char*>(std::memchr(p, '#', lineEnd - p));
        if (hash) {
            const std::optional<ColorRef> colour = ParseHashColour(hash, lineEnd);
            if (!colour) {
                const char* const six = std::min(hash + 7, lineEnd);
                content.error = IntegerConversionMessage(
                    QLatin1Char('$') + QString::fromLatin1(hash + 1, six - hash - 1));
                for (const char* q = p; q < end;) {
                    const char* const qEnd = LineEnd(q, end);
                    content.unreadableRest.append(QString::fromLatin1(q, qEnd - q));
                    q = NextLine(qEnd, end);
                }
                break;
            }
            content.colours.push_back(*colour);
        }
        p = NextLine(lineEnd, end);
    }
    return content;
}

FileWriteResult SaveHistoryFile(const QString& path, const std::vector<ColorRef>& colours,
                                const QStringList& unreadableRest)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(colours.size()) * 23 + unreadableRest.size() * 24);
    for (ColorRef colour : colours) {
        AppendHistoryEntryText(bytes, colour);
        bytes.append("\r\n", 2);
    }
    for (const QString& line : unreadableRest) {
        bytes.append(line.toLatin1());
        bytes.append("\r\n", 2);
    }
    return WriteWholeFile(path, bytes);
}

HistoryFileContent LoadHistory(const QString& path, HistoryList& history)
{
    HistoryFileContent content = LoadHistoryFile(path);
    history.AppendLoaded(content.colours);
    history.SetUnreadableRest(content.unreadableRest);
    return content;
}

FileWriteResult SaveHistory(const QString& path, const HistoryList& history)
{
    return SaveHistoryFile(path, history.colours(), history.unreadableRest());
}
