#pragma once
// A filled shape (circle or rectangle, 1-pixel black outline): the main colour
// swatch, the wheel segments and the harmony and variation swatches. A left press
// drags its colour at once; a right press asks for the context menu.

#include "colour/ColourValues.h"
#include "colour/WheelStyle.h"
#include "ui/ColourDrag.h"
#include "ui/widgets/AccessibleColour.h"

#include <QWidget>

#include <functional>
#include <optional>

class QMimeData;

class ColourSwatch : public QWidget, public ShowsColour
{
    Q_OBJECT
public:
    ColourSwatch(QWidget* parent, const QRect& geometry, ShapeOutline outline);

    ColorRef colour() const { return m_colour; }
    ColorRef shownColour() const override { return m_colour; }
    // Repaints only when the colour really changes (runs on every slider step).
    void SetColour(ColorRef colour);
    ShapeOutline outline() const { return m_outline; }
    void SetOutline(ShapeOutline outline);
    // What a drag from this swatch says it comes from; a window swatch unless set.
    void SetDragKind(ColourSourceKind kind) { m_dragKind = kind; }

    // Makes the swatch a drop target; accepts(dragged) decides, dropped(dragged) acts.
    void AcceptColourDrops(std::function<bool(const DraggedColour&)> accepts,
                           std::function<void(const DraggedColour&)> dropped);

signals:
    void rightPressed(const QPoint& globalPos);
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<DraggedColour> AcceptableDrop(const QMimeData* data) const;

    ColorRef m_colour = 0;
    ShapeOutline m_outline;
    ColourSourceKind m_dragKind = ColourSourceKind::WindowSwatch;
    std::function<bool(const DraggedColour&)> m_accepts;
    std::function<void(const DraggedColour&)> m_dropped;
};
