#pragma once
// The colour wheel around the main colour swatch, the six harmony rows and the two
// variation rows of the main window, with their labels and section headings.
// UpdateHarmonies paints them all from the main colour.

#include "colour/Harmonies.h"
#include "colour/WheelStyle.h"
#include "state/MainColour.h"

#include <QObject>

#include <array>

class ColourSwatch;
class QLabel;
class QWidget;

class WheelPanel : public QObject
{
    Q_OBJECT
public:
    WheelPanel(QWidget* window, MainColour& mainColour);

    // Sets the 41 swatches from the main colour's bytes; allocation-free.
    void UpdateHarmonies();
    const Harmonies& harmonies() const { return m_harmonies; }

    ColourSwatch* mainSwatch() const { return m_wheel[0]; }
    // Shape 1..13: the main swatch, then the segments clockwise from the top.
    ColourSwatch* wheelShape(int index) const { return m_wheel[index]; }
    ColourSwatch* harmonySwatch(int index) const { return m_rows[index]; }
    ColourSwatch* variationSwatch(int index) const { return m_variations[index]; }

    WheelGeometry Geometry() const;
    void ApplyGeometry(const WheelGeometry& geometry);

signals:
    void statusText(const QString& text);
    void mainColourMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourSwatch* MakeSwatch(QWidget* window, const QRect& geometry, ShapeOutline outline);
    QString MainSwatchStatus() const;

    MainColour& m_mainColour;
    Harmonies m_harmonies{};
    std::array<ColourSwatch*, kWheelShapes> m_wheel{};
    std::array<ColourSwatch*, kHarmonySwatches> m_rows{};
    std::array<ColourSwatch*, 10> m_variations{};
    QLabel* m_mainHeading = nullptr;
};
