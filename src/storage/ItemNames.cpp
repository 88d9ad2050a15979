#include "storage/ItemNames.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"

#include <QSet>

namespace {

// Lower-case ASCII words joined by single dashes.
QString Words(const QString& name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString words;
    words.reserve(decomposed.size());
    bool gap = false;
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue; // the accents of decomposed letters
        const char16_t u = c.toLower().unicode();
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')) {
            if (gap && !words.isEmpty())
                words += QLatin1Char('-');
            words += QChar(u);
            gap = false;
        } else {
            gap = true;
        }
    }
    return words;
}

} // namespace

QString ListItemName(QStringView itemText)
{
    const std::optional<Rgb> colour = ListItemColour(itemText);
    if (!colour)
        return QString();
    if (itemText == FormatListItemText(PackColour(*colour)))
        return FormatHashHex(*colour);
    const QString before =
        itemText.first(itemText.indexOf(QLatin1Char('#'))).toString().simplified();
    return before.isEmpty() ? itemText.toString().simplified() : before;
}

QStringList SafeCodeNames(const QStringList& names)
{
    QStringList safe;
    safe.reserve(names.size());
    QSet<QString> taken;
    for (const QString& name : names) {
        QString base = Words(name);
        if (base.isEmpty())
            base = QStringLiteral("color");
        else if (base.front().isDigit())
            base.prepend(QLatin1String("color-"));
        QString candidate = base;
        for (int n = 2; taken.contains(candidate); ++n)
            candidate = base + QLatin1Char('-') + QString::number(n);
        taken.insert(candidate);
        safe << candidate;
    }
    return safe;
}
