#pragma once
// The Shape Test's test area: the drop surface holding the ten test shapes, the
// "Page 1" picture and the ten test texts, placed by the layout tables. The area and
// every item are colour drag sources (a left press drags at once) and drop targets;
// while "Edit Layout" is on, a press moves or resizes an item instead and the area
// starts no drag. From the keyboard, Tab visits the area and then the items inside
// it in reading order; Enter or Space drops the main colour on the focused one, and
// while "Edit Layout" is on the arrow keys move it (with Shift: resize it).

#include "colour/ColourVision.h"
#include "state/LayoutEditing.h"
#include "state/ShapeLayouts.h"
#include "ui/ColourDrag.h"
#include "ui/widgets/AccessibleColour.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QMimeData;
class ShapeTestArea;

enum class ShapeTestTarget
{
    Shape, // takes the colour as its fill
    Text,  // takes it as its text colour
    Area   // takes it as the background
};

// Whether a drop on `target` takes the colour of a source of `kind`: shapes take
// every source, texts all but the web page's parts and texts, the area all but
// itself. A refused drop still runs the drop's follow-up steps.
bool ShapeTestTakes(ShapeTestTarget target, ColourSourceKind kind);

// One test shape (a rectangle with a fill and a 1-pixel outline) or test text (a
// caption word-wrapped in its box on a transparent background). Colours are the
// full 32-bit words the scheme files carry; the three low bytes are painted.
class ShapeTestItem : public QWidget, public ShowsColour
{
    Q_OBJECT
public:
    // `index` counts from 0 (Shape1, Text1).
    ShapeTestItem(ShapeTestTarget role, int index, ShapeTestArea* area);

    ShapeTestTarget role() const { return m_role; }
    int index() const { return m_index; }
    // The fill of a shape, the text colour of a text.
    ColorRef colour() const { return m_colour; }
    void SetColour(ColorRef colour);
    ColorRef shownColour() const override { return m_colour; }
    QString shownText() const override { return m_caption; }
    // Shapes only.
    ColorRef outline() const { return m_outline; }
    void SetOutline(ColorRef outline);
    // Texts only.
    const QString& caption() const { return m_caption; }
    void SetCaption(const QString& caption);

protected:
    // A text's tooltip: its contrast on the test area's background.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    ShapeTestTarget m_role;
    int m_index;
    ShapeTestArea* m_area;
    ColorRef m_colour = 0;
    ColorRef m_outline = 0;
    QString m_caption;
    // An edit in progress: the grip, where it started and the geometry then.
    bool m_editing = false;
    LayoutEditGrip m_grip = LayoutEditGrip::Move;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
};

class ShapeTestArea : public QWidget, public ShowsColour
{
    Q_OBJECT
public:
    using DragStarter = std::function<void(QWidget* source, const DraggedColour& dragged)>;
    using MainColourSource = std::function<ColorRef()>;

    explicit ShapeTestArea(QWidget* parent);

    // Builds entry `index` of ShapeLayouts(): the picture's visibility, every shape's
    // place and fill, every text's place, black colour, size and caption, then the
    // outline sync. The background stays.
    void BuildLayout(int index);
    // The layout built last (Restore to Default Colors brings back its colours).
    int builtLayout() const { return m_builtLayout; }

    const ShapeTestColours& colours() const { return m_colours; }
    ColorRef shownColour() const override { return m_colours.background; }
    // Scheme loads and Restore: every item and the background painted anew. Outlines
    // change only by SyncOutlines.
    void SetColours(const ShapeTestColours& colours);
    // Every shape's outline becomes its fill.
    void SyncOutlines();

    // "Edit Layout": while on, presses edit items and start no colour drag.
    void SetEditing(bool on);
    bool IsEditing() const { return m_editing; }

    ShapeTestItem* shape(int index) const { return m_shapes[index]; }
    ShapeTestItem* text(int index) const { return m_texts[index]; }
    QLabel* picture() const { return m_picture; }

    // "View as": what is painted is the colours as seen; the colours themselves,
    // drops and the hint readouts stay real (the hint adds the seen colour).
    void SetVision(ColourVision vision);
    const VisionSimulator& vision() const { return m_vision; }
    // A colour as painted in the current view.
    ColorRef Seen(ColorRef colour) const { return m_vision.See(colour); }

    // Tests replace the drag, whose nested loop a synthetic press cannot end.
    void SetDragStarter(DragStarter starter) { m_startDrag = std::move(starter); }

    // For the items: a colour drag from `source`; a drop of `dragged` on a target
    // (the colour is taken when ShapeTestTakes says so; the follow-up steps run
    // always); the hint for a pointer over a target.
    void StartDrag(QWidget* source, const DraggedColour& dragged);
    void Drop(ShapeTestTarget target, int index, const DraggedColour& dragged);
    void PointerOver(ShapeTestTarget target, int index);
    // Makes `widget` the drop target of a target: every colour may be dropped (the
    // target decides what it takes), and a colour dragged over it shows the window
    // and brings it to the front.
    void MakeDropTarget(QWidget* widget, ShapeTestTarget target, int index);

    // Where Enter and Space find the main colour; without a source they do nothing.
    void SetMainColourSource(MainColourSource source) { m_mainColour = std::move(source); }
    // Enter or Space on a target: the main colour is dropped there, as if the main
    // swatch were dragged onto it.
    void DropMainColour(ShapeTestTarget target, int index);
    // Tab order: the area, then the items that show in it in reading order; parked
    // items take no focus. Building a layout and moving an item call it.
    void ChainTabStops();

signals:
    // After every drop, taken or refused: the scheme record is due for a refresh.
    void dropped();
    void hintChanged(const QString& hint);
    // A right click on the area or an item: the "View as" menu is wanted there.
    void viewMenuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void PaintItemColours();
    // The colour a drop on the target sets and its hint tells.
    ColorRef& ColourOf(ShapeTestTarget target, int index);

    std::array<ShapeTestItem*, kTestShapeCount> m_shapes{};
    std::array<ShapeTestItem*, kTestTextCount> m_texts{};
    QLabel* m_picture;
    QImage m_pictureImage; // the picture's real colours
    ShapeTestColours m_colours;
    VisionSimulator m_vision;
    int m_builtLayout = 0;
    bool m_editing = false;
    DragStarter m_startDrag;
    MainColourSource m_mainColour;
};
