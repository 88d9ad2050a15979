#include "ui/ViewAs.h"

#include "colour/ColourText.h"
#include "colour/Contrast.h"
#include "storage/SettingsStore.h"

#include <QActionGroup>

#include <cmath>

namespace {

struct KindLabel
{
    VisionKind kind;
    const char* full;    // severity 1.0
    const char* partial; // below 1.0
};
constexpr KindLabel kLabels[] = {
    {VisionKind::Protanopia, "Protanopia", "Protanomaly"},
    {VisionKind::Deuteranopia, "Deuteranopia", "Deuteranomaly"},
    {VisionKind::Tritanopia, "Tritanopia", "Tritanomaly"},
    {VisionKind::Achromatopsia, "Achromatopsia", "Achromatopsia"},
};

const KindLabel* LabelOf(VisionKind kind)
{
    for (const KindLabel& label : kLabels)
        if (label.kind == kind)
            return &label;
    return nullptr;
}

// One decimal, two where the severity needs them: "1.0", "0.6", "0.35".
QString SeverityText(double severity)
{
    const long hundredths = std::lround(severity * 100);
    return QString::number(hundredths / 100.0, 'f', hundredths % 10 ? 2 : 1);
}

// The settings value and the menu entries' data: "deuteranopia:1".
QString VisionText(ColourVision vision)
{
    char text[24];
    FormatColourVision(vision, text);
    return QString::fromLatin1(text);
}

} // namespace

QString ColourVisionLabel(ColourVision vision)
{
    const KindLabel* label = LabelOf(vision.kind);
    if (!label)
        return QStringLiteral("Normal");
    const bool full = vision.severity >= kMaxVisionSeverity;
    return QLatin1String(full ? label->full : label->partial) + QLatin1Char(' ') +
           SeverityText(vision.severity);
}

QString ViewAsCaption(ColourVision vision)
{
    return QStringLiteral("View as: ") + ColourVisionLabel(vision);
}

QString SeenHintSuffix(const VisionSimulator& simulator, ColorRef real)
{
    if (simulator.IsNormal())
        return QString();
    // The kind is on the "View as" control; the line has room for little more.
    return QStringLiteral("| Simulated, seen: ") +
           FormatHashHex(UnpackColour(simulator.See(real))) + QLatin1Char(' ');
}

QString SeenContrastToolTip(const VisionSimulator& simulator, ColorRef text, ColorRef background)
{
    QString tip = ContrastToolTip(UnpackColour(text), UnpackColour(background));
    if (simulator.IsNormal())
        return tip;
    const ContrastVerdict seen =
        JudgeContrast(UnpackColour(simulator.See(text)), UnpackColour(simulator.See(background)));
    return tip + QStringLiteral("\nAs seen with ") +
           ColourVisionLabel(simulator.vision()).toLower() + QStringLiteral(": ") +
           FormatContrastRatio(seen.hundredths);
}

ColourVision ReadViewAsSetting(const SettingsStore& settings, const QString& key)
{
    const QByteArray value = settings.GetSetting(key).toLatin1();
    return ParseColourVision(std::string_view(value.constData(), std::size_t(value.size())))
        .value_or(ColourVision{});
}

void WriteViewAsSetting(SettingsStore& settings, const QString& key, ColourVision vision)
{
    settings.SetSetting(key, VisionText(vision));
}

ViewAsMenu::ViewAsMenu(QWidget* parent) : QMenu(parent), m_group(new QActionGroup(this))
{
    setObjectName(QStringLiteral("viewAsMenu"));
    const auto add = [this](QMenu* menu, const QString& text, ColourVision vision) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setData(VisionText(vision));
        m_group->addAction(action);
        connect(action, &QAction::triggered, this, [this, vision] { emit chosen(vision); });
    };
    add(this, QStringLiteral("Normal"), ColourVision{});
    for (const KindLabel& label : kLabels) {
        QMenu* kind = addMenu(QLatin1String(label.full));
        for (int tenth = 10; tenth >= 1; --tenth) {
            const ColourVision vision{label.kind, tenth / 10.0};
            add(kind, ColourVisionLabel(vision), vision);
        }
    }
    SetCurrent(ColourVision{});
}

void ViewAsMenu::SetCurrent(ColourVision vision)
{
    const QString wanted = VisionText(vision);
    for (QAction* action : m_group->actions())
        action->setChecked(action->data().toString() == wanted);
}
