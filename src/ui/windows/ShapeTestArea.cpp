#include "ui/windows/ShapeTestArea.h"

#include "colour/Contrast.h"
#include "copy/QtColour.h"
#include "state/ShapeTestTexts.h"
#include "ui/JpegImage.h"
#include "ui/ViewAs.h"
#include "ui/widgets/KeyboardFocus.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QToolTip>

namespace {

bool IsTabFocus(const QFocusEvent& event)
{
    return event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason;
}

// The "Page 1" picture: no drop target and no drag source. It takes a drag coming
// over it, so the area underneath cannot, and then refuses the drop.
class LayoutPicture : public QLabel
{
public:
    explicit LayoutPicture(QWidget* parent) : QLabel(parent)
    {
        setAcceptDrops(true);
        // Presses and moves stop here: the area would start a drag or change the hint.
        setAttribute(Qt::WA_NoMousePropagation);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { event->accept(); }
    void dragMoveEvent(QDragMoveEvent* event) override { event->ignore(); }
    void dropEvent(QDropEvent* event) override { event->ignore(); }
};

} // namespace

bool ShapeTestTakes(ShapeTestTarget target, ColourSourceKind kind)
{
    switch (target) {
    case ShapeTestTarget::Shape:
        return true;
    case ShapeTestTarget::Text:
        return kind != ColourSourceKind::WebPagePart && kind != ColourSourceKind::WebPageText;
    case ShapeTestTarget::Area:
        return kind != ColourSourceKind::TestArea;
    }
    return false;
}

ShapeTestItem::ShapeTestItem(ShapeTestTarget role, int index, ShapeTestArea* area)
    : QWidget(area), m_role(role), m_index(index), m_area(area)
{
    const bool shape = role == ShapeTestTarget::Shape;
    setObjectName((shape ? QStringLiteral("Shape") : QStringLiteral("Text")) +
                  QString::number(index + 1));
    setMouseTracking(true);
    area->MakeDropTarget(this, role, index);
    if (!shape)
        setFont(QFont(QLatin1String(kTestTextFontFamily)));
}

void ShapeTestItem::SetColour(ColorRef colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ShapeTestItem::SetOutline(ColorRef outline)
{
    if (outline == m_outline)
        return;
    m_outline = outline;
    update();
}

void ShapeTestItem::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

bool ShapeTestItem::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && m_role == ShapeTestTarget::Text) {
        QToolTip::showText(
            static_cast<QHelpEvent*>(event)->globalPos(),
            SeenContrastToolTip(m_area->vision(), m_colour, m_area->colours().background), this);
        return true;
    }
    return QWidget::event(event);
}

void ShapeTestItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (m_role == ShapeTestTarget::Shape) {
        painter.setPen(ToQColor(m_area->Seen(m_outline)));
        painter.setBrush(ToQColor(m_area->Seen(m_colour)));
        painter.drawRect(box);
    } else {
        painter.setPen(ToQColor(m_area->Seen(m_colour)));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_caption);
        // While editing, the transparent box shows where it can be grabbed.
        if (m_area->IsEditing()) {
            painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
    }
    if (ShowsFocusFrame(*this))
        DrawDottedFocusFrame(painter, rect());
}

void ShapeTestItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_area->IsEditing()) {
        m_editing = true;
        m_grip = EditGripAt(size(), event->position().toPoint());
        m_pressGlobal = event->globalPosition().toPoint();
        m_startGeometry = geometry();
        return;
    }
    const ColourSourceKind kind =
        m_role == ShapeTestTarget::Shape ? ColourSourceKind::TestShape : ColourSourceKind::TestText;
    m_area->StartDrag(this, DraggedColour{m_colour & 0xFFFFFFu, kind, this});
}

void ShapeTestItem::mouseMoveEvent(QMouseEvent* event)
{
    if (m_editing) {
        const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
        setGeometry(EditedGeometry(m_startGeometry, m_grip, delta, m_area->size()));
        return;
    }
    // The cursor tells which edit a press would start; SetEditing(false) resets it.
    if (m_area->IsEditing()) {
        const bool corner =
            EditGripAt(size(), event->position().toPoint()) == LayoutEditGrip::Resize;
        setCursor(corner ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
    }
    m_area->PointerOver(m_role, m_index);
}

void ShapeTestItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_editing)
        return;
    m_editing = false;
    // A moved item may now come earlier or later in reading order.
    m_area->ChainTabStops();
}

void ShapeTestItem::keyPressEvent(QKeyEvent* event)
{
    const QPoint step = ArrowStep(event->key());
    if (m_area->IsEditing() && !step.isNull()) {
        // The keyboard's edit: an arrow moves the item a pixel, with Shift it resizes it.
        const bool resize = event->modifiers() & Qt::ShiftModifier;
        setGeometry(EditedGeometry(geometry(),
                                   resize ? LayoutEditGrip::Resize : LayoutEditGrip::Move, step,
                                   m_area->size()));
        m_area->ChainTabStops();
    } else if (IsActivationKey(*event, true))
        m_area->DropMainColour(m_role, m_index);
    else
        QWidget::keyPressEvent(event);
}

void ShapeTestItem::focusInEvent(QFocusEvent* event)
{
    // The keyboard's counterpart of pointing at the item: the hint tells its colour.
    if (IsTabFocus(*event))
        m_area->PointerOver(m_role, m_index);
    QWidget::focusInEvent(event);
}

ShapeTestArea::ShapeTestArea(QWidget* parent) : QWidget(parent), m_startDrag(&StartColourDrag)
{
    setObjectName(QStringLiteral("testArea"));
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    MakeDropTarget(this, ShapeTestTarget::Area, 0);
    // Bottom to top: Shape10 .. Shape1, the picture, Text10 .. Text1.
    for (int i = kTestShapeCount - 1; i >= 0; --i)
        m_shapes[i] = new ShapeTestItem(ShapeTestTarget::Shape, i, this);
    m_picture = new LayoutPicture(this);
    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setAccessibleName(QStringLiteral("Page picture"));
    m_picture->setGeometry(kLayoutPictureLeft, kLayoutPictureTop, kLayoutPictureSize,
                           kLayoutPictureSize);
    m_pictureImage =
        LoadJpeg(QStringLiteral(":/pictures/page1.jpg")).convertToFormat(QImage::Format_RGB32);
    m_picture->setPixmap(QPixmap::fromImage(m_pictureImage));
    for (int i = kTestTextCount - 1; i >= 0; --i)
        m_texts[i] = new ShapeTestItem(ShapeTestTarget::Text, i, this);
    BuildLayout(0);
}

void ShapeTestArea::BuildLayout(int index)
{
    const ShapeLayout& layout = ShapeLayouts()[index];
    m_builtLayout = index;
    m_picture->setVisible(layout.pictureVisible);
    ApplyLayoutColours(layout, m_colours);
    for (int i = 0; i < kTestShapeCount; ++i) {
        const ShapeCell& cell = layout.shapes[i];
        m_shapes[i]->setGeometry(cell.left, cell.top, cell.width, cell.height);
        m_shapes[i]->SetColour(m_colours.shapeFills[i]);
    }
    for (int i = 0; i < kTestTextCount; ++i) {
        const TextCell& cell = layout.texts[i];
        ShapeTestItem* text = m_texts[i];
        text->setGeometry(cell.left, cell.top, cell.width, cell.height);
        text->SetColour(m_colours.textColours[i]);
        QFont font = text->font();
        font.setPointSize(cell.pointSize);
        text->setFont(font);
        text->SetCaption(QString::fromLatin1(cell.caption));
    }
    SyncOutlines();
    ChainTabStops();
}

void ShapeTestArea::ChainTabStops()
{
    std::vector<ShapeTestItem*> items(m_shapes.begin(), m_shapes.end());
    items.insert(items.end(), m_texts.begin(), m_texts.end());
    std::vector<QRect> boxes;
    for (ShapeTestItem* item : items) {
        boxes.push_back(item->geometry());
        item->setFocusPolicy(Qt::NoFocus);
    }
    QWidget* previous = this;
    for (const int i : ReadingOrder(boxes, QRect(0, 0, kTestAreaWidth, kTestAreaHeight))) {
        ShapeTestItem* item = items[std::size_t(i)];
        item->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, item);
        previous = item;
    }
    // A focused item that went out of sight hands the focus to the area.
    const QWidget* focused = focusWidget();
    if (focused && focused != this && focused->focusPolicy() == Qt::NoFocus)
        setFocus(Qt::OtherFocusReason);
}

void ShapeTestArea::SetColours(const ShapeTestColours& colours)
{
    m_colours = colours;
    PaintItemColours();
}

void ShapeTestArea::PaintItemColours()
{
    for (int i = 0; i < kTestShapeCount; ++i)
        m_shapes[i]->SetColour(m_colours.shapeFills[i]);
    for (int i = 0; i < kTestTextCount; ++i)
        m_texts[i]->SetColour(m_colours.textColours[i]);
    update();
}

void ShapeTestArea::SetVision(ColourVision vision)
{
    m_vision = VisionSimulator(vision);
    QImage seen = m_pictureImage;
    // The normal view needs no copy of the picture (seen.bits() would make one).
    if (!seen.isNull() && !m_vision.IsNormal())
        m_vision.SeePixels(reinterpret_cast<std::uint32_t*>(seen.bits()),
                           std::size_t(seen.width()) * std::size_t(seen.height()));
    m_picture->setPixmap(QPixmap::fromImage(seen));
    for (ShapeTestItem* shape : m_shapes)
        shape->update();
    for (ShapeTestItem* text : m_texts)
        text->update();
    update();
}

ColorRef& ShapeTestArea::ColourOf(ShapeTestTarget target, int index)
{
    switch (target) {
    case ShapeTestTarget::Shape:
        return m_colours.shapeFills[index];
    case ShapeTestTarget::Text:
        return m_colours.textColours[index];
    case ShapeTestTarget::Area:
        break;
    }
    return m_colours.background;
}

void ShapeTestArea::SyncOutlines()
{
    for (ShapeTestItem* shape : m_shapes)
        shape->SetOutline(shape->colour());
}

void ShapeTestArea::SetEditing(bool on)
{
    m_editing = on;
    for (ShapeTestItem* text : m_texts)
        text->update();
    if (!on) {
        for (ShapeTestItem* shape : m_shapes)
            shape->unsetCursor();
        for (ShapeTestItem* text : m_texts)
            text->unsetCursor();
    }
}

void ShapeTestArea::StartDrag(QWidget* source, const DraggedColour& dragged)
{
    if (!m_editing)
        m_startDrag(source, dragged);
}

void ShapeTestArea::Drop(ShapeTestTarget target, int index, const DraggedColour& dragged)
{
    if (ShapeTestTakes(target, dragged.kind)) {
        ColourOf(target, index) = dragged.colour;
        PaintItemColours();
    }
    if (target == ShapeTestTarget::Shape)
        SyncOutlines();
    emit dropped();
}

void ShapeTestArea::DropMainColour(ShapeTestTarget target, int index)
{
    if (!m_mainColour)
        return;
    Drop(target, index, DraggedColour{m_mainColour(), ColourSourceKind::MainSwatch, nullptr});
    // The hint tells the new colour, as the pointer over the item would.
    PointerOver(target, index);
}

void ShapeTestArea::PointerOver(ShapeTestTarget target, int index)
{
    const ColorRef colour = ColourOf(target, index);
    const QString hint =
        target == ShapeTestTarget::Area ? TestAreaHint(colour) : TestItemHint(colour);
    emit hintChanged(hint + SeenHintSuffix(m_vision, colour));
}

void ShapeTestArea::MakeDropTarget(QWidget* widget, ShapeTestTarget target, int index)
{
    MakeColourDropTarget(widget, {nullptr,
                                  [this, target, index](const DraggedColour& dragged) {
                                      Drop(target, index, dragged);
                                  },
                                  [this](const std::optional<DraggedColour>& dragged) {
                                      if (!dragged)
                                          return;
                                      window()->show();
                                      window()->raise();
                                  }});
}

void ShapeTestArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Seen(m_colours.background)));
    if (ShowsFocusFrame(*this))
        DrawDottedFocusFrame(painter, rect());
}

void ShapeTestArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        StartDrag(this, DraggedColour{m_colours.background & 0xFFFFFFu, ColourSourceKind::TestArea,
                                      this});
}

void ShapeTestArea::mouseMoveEvent(QMouseEvent*)
{
    PointerOver(ShapeTestTarget::Area, 0);
}

void ShapeTestArea::contextMenuEvent(QContextMenuEvent* event)
{
    // Items pass their right clicks up to here.
    emit viewMenuRequested(event->globalPos());
}

void ShapeTestArea::keyPressEvent(QKeyEvent* event)
{
    if (IsActivationKey(*event, true))
        DropMainColour(ShapeTestTarget::Area, 0);
    else
        QWidget::keyPressEvent(event);
}

void ShapeTestArea::focusInEvent(QFocusEvent* event)
{
    if (IsTabFocus(*event))
        PointerOver(ShapeTestTarget::Area, 0);
    QWidget::focusInEvent(event);
}
