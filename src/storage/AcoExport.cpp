#include "storage/AcoExport.h"

#include "state/ColourList.h"

#include <algorithm>

namespace {

void AppendWord(QByteArray& out, int value)
{
    out.append(char(value >> 8 & 0xFF));
    out.append(char(value & 0xFF));
}

} // namespace

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
