#include "ui/windows/WheelPanel.h"

#include "colour/ColourText.h"
#include "colour/Contrast.h"
#include "ui/ColourDrag.h"
#include "ui/Fonts.h"
#include "ui/widgets/ColourSwatch.h"
#include "ui/widgets/SectionHeading.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace {

struct RowPlace
{
    int labelLeft;
    int labelTop;
    int swatchTop;
};
constexpr std::array<RowPlace, 6> kRowPlaces{{
    {205, 84, 98},
    {204, 122, 136},
    {204, 160, 174},
    {204, 198, 212},
    {203, 236, 250},
    {204, 274, 288},
}};
constexpr int kRowLeft = 204;
constexpr int kSwatchPitch = 22;
constexpr int kVariationTops[2] = {335, 357};

const QString& SwatchStatusText()
{
    static const QString text = QStringLiteral(
        "You can drag and drop this color. Drop over main color to set this as main color.  "
        "Drag over color list to add. Drag over any test shapes or parts of web page layout "
        "to change their color.");
    return text;
}

} // namespace

WheelPanel::WheelPanel(QWidget* window, MainColour& mainColour)
    : QObject(window), m_mainColour(mainColour)
{
    m_mainHeading = MakeSectionHeading(window, QStringLiteral(" Main Color / Color Wheel"),
                                       QRect(8, 66, 185, 14));
    m_mainHeading->setContextMenuPolicy(Qt::DefaultContextMenu);
    m_mainHeading->installEventFilter(this);
    MakeSectionHeading(window, QStringLiteral(" Harmonious Colors"), QRect(200, 66, 121, 14));
    MakeSectionHeading(window, QStringLiteral(" Variations"), QRect(200, 314, 121, 14));

    const WheelGeometry wheel = DefaultWheelGeometry();
    for (int i = 0; i < kWheelShapes; ++i) {
        const ShapeGeometry& shape = wheel[i];
        m_wheel[i] = MakeSwatch(window, QRect(shape.left, shape.top, shape.width, shape.height),
                                shape.outline);
        if (i > 0)
            m_wheel[i]->setCursor(Qt::PointingHandCursor);
    }
    ColourSwatch* main = m_wheel[0];
    main->SetDragKind(ColourSourceKind::MainSwatch);
    // Made when asked for: a tooltip kept current would cost on every slider step.
    main->installEventFilter(this);
    main->AcceptColourDrops(
        [main](const DraggedColour& dragged) { return MainSwatchAccepts(dragged, main); },
        [this](const DraggedColour& dragged) { m_mainColour.SetMainColour(dragged.colour); });
    connect(main, &ColourSwatch::rightPressed, this, &WheelPanel::mainColourMenuRequested);

    int swatch = 0;
    for (int row = 0; row < int(kHarmonyRows.size()); ++row) {
        const RowPlace place = kRowPlaces[row];
        auto* label = new QLabel(QLatin1String(kHarmonyRows[row].name), window);
        label->setFont(ArialPixels(11));
        label->move(place.labelLeft, place.labelTop);
        label->adjustSize();
        for (int i = 0; i < kHarmonyRows[row].count; ++i)
            m_rows[swatch++] =
                MakeSwatch(window, QRect(kRowLeft + kSwatchPitch * i, place.swatchTop, 20, 20),
                           ShapeOutline::Rectangle);
    }
    for (int i = 0; i < 10; ++i)
        m_variations[i] = MakeSwatch(
            window, QRect(kRowLeft + kSwatchPitch * (i % 5), kVariationTops[i / 5], 20, 20),
            ShapeOutline::Rectangle);
    UpdateHarmonies();
}

ColourSwatch* WheelPanel::MakeSwatch(QWidget* window, const QRect& geometry, ShapeOutline outline)
{
    auto* swatch = new ColourSwatch(window, geometry, outline);
    connect(swatch, &ColourSwatch::hovered, this, [this, swatch] {
        emit statusText(swatch == m_wheel[0]
                            ? MainSwatchStatus()
                            : SwatchStatusText() + SwatchReadoutText(swatch->colour()));
    });
    return swatch;
}

QString WheelPanel::MainSwatchStatus() const
{
    QString text = QStringLiteral("This is main color. Drag this color to color list to add it. "
                                  "Right click to see more options. ") +
                   SwatchReadoutText(m_wheel[0]->colour());
    if (m_mainColour.isWebSafe())
        text += QStringLiteral(" ( This color is websafe ) ");
    return text;
}

void WheelPanel::UpdateHarmonies()
{
    ComputeHarmonies(m_mainColour.rgb(), m_harmonies);
    m_wheel[0]->SetColour(m_mainColour.colour());
    for (int i = 0; i < kWheelSegments; ++i)
        m_wheel[i + 1]->SetColour(m_harmonies.wheel[i]);
    for (int i = 0; i < kHarmonySwatches; ++i)
        m_rows[i]->SetColour(m_harmonies.rows[i]);
    for (int i = 0; i < 10; ++i)
        m_variations[i]->SetColour(m_harmonies.variations[i]);
}

WheelGeometry WheelPanel::Geometry() const
{
    WheelGeometry geometry;
    for (int i = 0; i < kWheelShapes; ++i) {
        const QRect r = m_wheel[i]->geometry();
        geometry[i] =
            ShapeGeometry{r.left(), r.top(), r.height(), r.width(), m_wheel[i]->outline()};
    }
    return geometry;
}

void WheelPanel::ApplyGeometry(const WheelGeometry& geometry)
{
    for (int i = 0; i < kWheelShapes; ++i) {
        const ShapeGeometry& shape = geometry[i];
        m_wheel[i]->setGeometry(shape.left, shape.top, shape.width, shape.height);
        m_wheel[i]->SetOutline(shape.outline);
    }
}

bool WheelPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_wheel[0] && event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           ContrastOnWhiteAndBlackToolTip(m_mainColour.rgb()), m_wheel[0]);
        return true;
    }
    if (watched == m_mainHeading && event->type() == QEvent::ContextMenu) {
        emit mainColourMenuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return false;
}
