#include "storage/AcoExport.h"

#include <QSaveFile>

#include <cerrno>

namespace {

void AppendWord(QByteArray& out, int value)
{
    out.append(char(value >> 8 & 0xFF));
    out.append(char(value & 0xFF));
}

// Keeps errno from the failing call, so the message names the system's reason.
ExportWriteResult Failure(int error)
{
    if (error == EACCES || error == EPERM)
        return ExportWriteResult{false, QStringLiteral("File access denied")};
    return ExportWriteResult{false, QStringLiteral("I/O error %1").arg(error)};
}

} // namespace

std::optional<Rgb> ListItemColour(QStringView itemText)
{
    const qsizetype hash = itemText.indexOf(QLatin1Char('#'));
    if (hash < 0 || itemText.size() - hash < 7)
        return std::nullopt;
    std::uint8_t components[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigitValue(itemText[hash + 1 + 2 * i].unicode());
        const int low = HexDigitValue(itemText[hash + 2 + 2 * i].unicode());
        if (high < 0 || low < 0)
            return std::nullopt;
        components[i] = std::uint8_t(high << 4 | low);
    }
    return Rgb{components[0], components[1], components[2]};
}

QByteArray ExportListAsAco(const QStringList& itemTexts)
{
    QByteArray records;
    records.reserve(qsizetype(std::min<qsizetype>(itemTexts.size(), kMaxAcoColours)) * 10);
    int count = 0;
    for (const QString& text : itemTexts) {
        if (count == kMaxAcoColours)
            break;
        const std::optional<Rgb> colour = ListItemColour(text);
        if (!colour)
            continue;
        AppendWord(records, 0);
        AppendWord(records, colour->red * 257);
        AppendWord(records, colour->green * 257);
        AppendWord(records, colour->blue * 257);
        AppendWord(records, 0);
        ++count;
    }
    QByteArray file;
    file.reserve(4 + records.size());
    AppendWord(file, 1);
    AppendWord(file, count);
    file.append(records);
    return file;
}

ExportWriteResult WriteExportFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Failure(errno ? errno : EIO);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno ? errno : EIO;
        file.cancelWriting();
        return Failure(error);
    }
    errno = 0;
    if (!file.commit())
        return Failure(errno ? errno : EIO);
    return ExportWriteResult{true, QString()};
}
