#include "storage/HistoryFile.h"

#include "state/HistoryList.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// The colour of a line holding "#": the six characters after the first "#".
std::optional<ColorRef> ParseHashColour(const char* hash, const char* end)
{
    if (end - hash < 7)
        return std::nullopt;
    int components[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigitValue(char16_t(static_cast<unsigned char>(hash[1 + 2 * i])));
        const int low = HexDigitValue(char16_t(static_cast<unsigned char>(hash[2 + 2 * i])));
        if (high < 0 || low < 0)
            return std::nullopt;
        components[i] = high << 4 | low;
    }
    return PackColour(std::uint8_t(components[0]), std::uint8_t(components[1]),
                      std::uint8_t(components[2]));
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
    HistoryFileContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    content.exists = true;
    const QByteArray bytes = file.readAll();
    const char* p = bytes.constData();
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

bool SaveHistoryFile(const QString& path, const std::vector<ColorRef>& colours,
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

HistoryFileContent LoadHistory(const QString& path, HistoryList& history)
{
    HistoryFileContent content = LoadHistoryFile(path);
    history.AppendLoaded(content.colours);
    history.SetUnreadableRest(content.unreadableRest);
    return content;
}

bool SaveHistory(const QString& path, const HistoryList& history)
{
    return SaveHistoryFile(path, history.colours(), history.unreadableRest());
}
