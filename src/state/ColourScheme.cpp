#include "state/ColourScheme.h"

#include "colour/ColourText.h"
#include "colour/SchemeColourText.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int kSchemeColourCount = kTestShapeCount + kTestTextCount + 1;

// The 21 colours in record order: shape fills, text colours, background.
template <typename Colours> auto& ColourAt(Colours& colours, int index)
{
    if (index < kTestShapeCount)
        return colours.shapeFills[index];
    if (index < kTestShapeCount + kTestTextCount)
        return colours.textColours[index - kTestShapeCount];
    return colours.background;
}

enum class RecordKind
{
    Scheme,       // "sc1", "tc1", "background"
    DefaultColour // "s1.color", "t1.color", "background.color"
};

QString KeyAt(RecordKind kind, int index)
{
    const bool scheme = kind == RecordKind::Scheme;
    const QString suffix = scheme ? QString() : QStringLiteral(".color");
    if (index < kTestShapeCount)
        return (scheme ? QStringLiteral("sc") : QStringLiteral("s")) + QString::number(index + 1) +
               suffix;
    if (index < kTestShapeCount + kTestTextCount)
        return (scheme ? QStringLiteral("tc") : QStringLiteral("t")) +
               QString::number(index - kTestShapeCount + 1) + suffix;
    return QStringLiteral("background") + suffix;
}

QStringList RecordLines(RecordKind kind, const ShapeTestColours& colours)
{
    QStringList lines;
    lines.reserve(kSchemeColourCount);
    for (int i = 0; i < kSchemeColourCount; ++i)
        lines.append(KeyAt(kind, i) + QLatin1Char('=') + FormatSchemeColour(ColourAt(colours, i)));
    return lines;
}

ColourRecordApply ApplyRecord(RecordKind kind, const QStringList& record, ShapeTestColours& colours,
                              const SystemColourLookup& system = {})
{
    for (int i = 0; i < kSchemeColourCount; ++i) {
        const QString value = RecordValue(record, KeyAt(kind, i));
        if (value.isEmpty())
            continue;
        const SchemeColourParse parsed = ParseSchemePlainColour(value, system);
        if (!parsed.value)
            return {false, parsed.error};
        ColourAt(colours, i) = *parsed.value;
    }
    return {};
}

} // namespace

QStringList SchemeRecordLines(const ShapeTestColours& colours)
{
    return RecordLines(RecordKind::Scheme, colours);
}

ColourRecordApply ApplySchemeRecord(const QStringList& record, ShapeTestColours& colours,
                                    const SystemColourLookup& system)
{
    return ApplyRecord(RecordKind::Scheme, record, colours, system);
}

QStringList DefaultColourRecordLines(const ShapeTestColours& colours)
{
    return RecordLines(RecordKind::DefaultColour, colours);
}

ColourRecordApply ApplyDefaultColourRecord(const QStringList& record, ShapeTestColours& colours)
{
    return ApplyRecord(RecordKind::DefaultColour, record, colours);
}

QStringList LayoutDefaultColourRecord(const ShapeLayout& layout)
{
    return DefaultColourRecordLines(LayoutDefaultColours(layout));
}

ColourRecordApply RestoreDefaultColours(const ShapeLayout& layout, ShapeTestColours& colours)
{
    return ApplyDefaultColourRecord(LayoutDefaultColourRecord(layout), colours);
}

void ColourScheme::Refresh(const ShapeTestColours& colours)
{
    m_record = SchemeRecordLines(colours);
    m_changed = true;
}

ColourRecordApply ColourScheme::TakeLoadedRecord(const QStringList& lines, const QString& path,
                                                 ShapeTestColours& colours)
{
    m_record = lines;
    m_currentPath = path;
    const ColourRecordApply applied = ApplySchemeRecord(m_record, colours, m_system);
    if (applied.complete)
        m_changed = false;
    return applied;
}

QString ColourScheme::ProposedName() const
{
    const QString fileName = QFileInfo(m_currentPath).fileName();
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}
