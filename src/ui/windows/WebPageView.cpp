#include "ui/windows/WebPageView.h"

#include "colour/Contrast.h"
#include "copy/QtColour.h"
#include "ui/Fonts.h"
#include "ui/ViewAs.h"
#include "ui/widgets/KeyboardFocus.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace {

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, ColorRef colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(colour));
    widget->setPalette(palette);
}

} // namespace

bool WebPageAcceptsDrop(WebDropTarget target, const DraggedColour& dragged, const QObject* self)
{
    if (dragged.source == self)
        return false;
    if (target != WebDropTarget::BorderText)
        return true;
    switch (dragged.kind) {
    case ColourSourceKind::MainSwatch:
    case ColourSourceKind::WindowSwatch:
    case ColourSourceKind::VariationsImage:
    case ColourSourceKind::OtherProgram:
        return true;
    default:
        return false;
    }
}

QFont WebPageFont(const FontSpec& spec)
{
    // The bitmap face is loaded, and kept from ligating, only through SansSerifPoints.
    QFont font =
        spec.family == QLatin1String("MS Sans Serif") ? SansSerifPoints() : QFont(spec.family);
    font.setPixelSize(std::max(1, FontPixelSize(spec.pointSize)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

FontChoice WebFontChoice(const FontSpec& spec)
{
    QFont font(spec.family);
    font.setPointSize(std::max(1, spec.pointSize));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return FontChoice{font, ToQColor(spec.colour)};
}

FontSpec WebFontSpec(const FontChoice& choice, int charSet)
{
    const QFont& font = choice.font;
    FontSpec spec;
    spec.family = font.family();
    const int points = font.pointSize() > 0 ? font.pointSize() : FontPointSize(font.pixelSize());
    spec.pointSize = std::clamp(points, 1, kMaxFontPointSize);
    spec.colour = choice.colour.isValid() ? ColorRefOf(choice.colour) : 0;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    spec.charSet = charSet;
    return spec;
}

WebPageItem::WebPageItem(WebDropTarget role, QWidget* parent)
    : OverstrikeLabel(QString(), parent), m_role(role)
{
    // Typed texts are shown as they are, markup included.
    setTextFormat(Qt::PlainText);
    MakeColourDropTarget(
        this, {[this](const DraggedColour& dragged, const QDropEvent& event) {
                   return AcceptsDrop(dragged, event);
               },
               [this](const DraggedColour& dragged) { emit colourDropped(dragged.colour); },
               // Anything dragged over the page brings the window to the front.
               [this](const std::optional<DraggedColour>&) { window()->raise(); }});
    setMouseTracking(true);
}

void WebPageItem::mouseMoveEvent(QMouseEvent* event)
{
    emit pointed();
    OverstrikeLabel::mouseMoveEvent(event);
}

void WebPageItem::mousePressEvent(QMouseEvent* event)
{
    if (m_role == WebDropTarget::BorderText)
        return;
    if (event->button() == Qt::LeftButton) {
        const ColourSourceKind kind = m_role == WebDropTarget::PagePart
                                          ? ColourSourceKind::WebPagePart
                                          : ColourSourceKind::WebPageText;
        StartColourDrag(this, DraggedColour{m_colour, kind, this});
    } else if (event->button() == Qt::RightButton && m_role == WebDropTarget::PageText) {
        emit rightPressed();
    }
}

void WebPageItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_role == WebDropTarget::PageText && event->button() == Qt::LeftButton)
        emit doubleClicked();
    else
        mousePressEvent(event);
}

void WebPageItem::DropMainColour()
{
    if (!m_mainColour)
        return;
    const DraggedColour dragged{m_mainColour(), ColourSourceKind::MainSwatch, nullptr};
    if (WebPageAcceptsDrop(m_role, dragged, this))
        emit colourDropped(dragged.colour);
}

void WebPageItem::paintEvent(QPaintEvent* event)
{
    OverstrikeLabel::paintEvent(event);
    if (ShowsFocusFrame(*this)) {
        QPainter painter(this);
        DrawDottedFocusFrame(painter, rect());
    }
}

void WebPageItem::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Alt+Enter, the desktop's "properties" key, does what a double-click does.
    if (enter && event->modifiers() == Qt::AltModifier && m_role == WebDropTarget::PageText)
        emit doubleClicked();
    else if (IsActivationKey(*event, true))
        DropMainColour();
    else
        OverstrikeLabel::keyPressEvent(event);
}

void WebPageItem::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key does what the right button does; the button has acted already.
    if (event->reason() == QContextMenuEvent::Keyboard && m_role == WebDropTarget::PageText)
        emit rightPressed();
    else
        OverstrikeLabel::contextMenuEvent(event);
}

bool WebPageItem::AcceptsDrop(const DraggedColour& dragged, const QDropEvent& event) const
{
    // A drop a text refused comes on to the part beneath it; it stays refused.
    if (m_role == WebDropTarget::PagePart && childAt(event.position().toPoint()))
        return false;
    return WebPageAcceptsDrop(m_role, dragged, this);
}

WebPageDivider::WebPageDivider(WebDivider which, QWidget* parent) : QWidget(parent), m_which(which)
{
    setCursor(which == WebDivider::RightOfLinkColumn ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void WebPageDivider::SetColour(ColorRef colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void WebPageDivider::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), ToQColor(m_colour));
}

void WebPageDivider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressGlobal = event->globalPosition().toPoint();
    emit dragStarted();
}

void WebPageDivider::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint moved = event->globalPosition().toPoint() - m_pressGlobal;
    switch (m_which) {
    case WebDivider::BelowHeader:
        emit draggedBy(moved.y());
        break;
    case WebDivider::AboveFooter:
        emit draggedBy(-moved.y());
        break;
    case WebDivider::RightOfLinkColumn:
        emit draggedBy(moved.x());
        break;
    }
}

void WebPageDivider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

WebPageView::WebPageView(const WebPageStyle& style, QWidget* parent)
    : QWidget(parent), m_style(style)
{
    setFixedSize(kWebPageWidth, kWebPageHeight);
    setAutoFillBackground(true);
    for (int i = 0; i < kWebPartCount; ++i) {
        auto* part = new WebPageItem(WebDropTarget::PagePart, this);
        part->setObjectName(QLatin1String(WebPartName(WebPart(i))));
        part->setAutoFillBackground(true);
        connect(part, &WebPageItem::pointed, this,
                [this, part] { emit colourPointed(part->colour()); });
        connect(part, &WebPageItem::colourDropped, this,
                [this, i](ColorRef colour) { emit partColourDropped(WebPart(i), colour); });
        m_parts[std::size_t(i)] = part;
    }
    for (int i = 0; i < kWebTextCount; ++i) {
        const auto which = WebText(i);
        const WebTextPlacement place = PlaceWebText(which);
        auto* text = new WebPageItem(WebDropTarget::PageText, part(place.part));
        text->setObjectName(QLatin1String(place.name));
        text->move(place.position);
        if (which == WebText::BodyText) {
            text->setWordWrap(true);
            text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            text->setAutoFillBackground(true);
        }
        connect(text, &WebPageItem::colourDropped, this,
                [this, which](ColorRef colour) { emit textColourDropped(which, colour); });
        connect(text, &WebPageItem::pointed, this,
                [this, text] { emit colourPointed(text->colour()); });
        connect(text, &WebPageItem::rightPressed, this,
                [this, which] { emit textRightPressed(which); });
        connect(text, &WebPageItem::doubleClicked, this,
                [this, which] { emit textDoubleClicked(which); });
        m_texts[std::size_t(i)] = text;
    }
    for (int i = 0; i < kWebDividerCount; ++i) {
        const auto which = WebDivider(i);
        auto* divider = new WebPageDivider(which, this);
        connect(divider, &WebPageDivider::dragStarted, this,
                [this, which] { m_dragStartSize = m_style.size(which); });
        connect(divider, &WebPageDivider::draggedBy, this, [this, which](int growth) {
            emit dividerDragged(which, m_dragStartSize + growth);
        });
        m_dividers[std::size_t(i)] = divider;
    }
    Refresh();
}

std::vector<WebPageItem*> WebPageView::ReadingOrder() const
{
    static constexpr std::array kPartOrder{WebPart::Header, WebPart::LinkColumn, WebPart::Body,
                                           WebPart::Footer};
    std::vector<WebPageItem*> order;
    for (const WebPart which : kPartOrder) {
        order.push_back(part(which));
        for (int i = 0; i < kWebTextCount; ++i)
            if (PlaceWebText(WebText(i)).part == which)
                order.push_back(m_texts[std::size_t(i)]);
    }
    return order;
}

void WebPageView::SetMainColourSource(const WebPageItem::MainColourSource& source)
{
    for (WebPageItem* item : m_parts)
        item->SetMainColourSource(source);
    for (WebPageItem* item : m_texts)
        item->SetMainColourSource(source);
}

void WebPageView::SetVision(ColourVision vision)
{
    m_vision = VisionSimulator(vision);
    Refresh();
}

void WebPageView::Refresh()
{
    const auto seen = [this](ColorRef colour) { return m_vision.See(colour); };
    SetPaletteColour(this, QPalette::Window, seen(m_style.borderColour));
    for (int i = 0; i < kWebPartCount; ++i) {
        WebPageItem* item = m_parts[std::size_t(i)];
        const ColorRef colour = m_style.partColours[std::size_t(i)];
        item->SetColour(colour);
        SetPaletteColour(item, QPalette::Window, seen(colour));
    }
    for (WebPageDivider* divider : m_dividers)
        divider->SetColour(seen(m_style.borderColour));
    for (int i = 0; i < kWebTextCount; ++i) {
        const auto which = WebText(i);
        const WebPageText& content = m_style.text(which);
        WebPageItem* item = m_texts[std::size_t(i)];
        item->setFont(WebPageFont(content.font));
        item->setText(content.text);
        item->SetColour(content.font.colour);
        SetPaletteColour(item, QPalette::WindowText, seen(content.font.colour));
        item->setToolTip(SeenContrastToolTip(m_vision, content.font.colour,
                                             m_style.colour(PlaceWebText(which).part)));
        if (which == WebText::BodyText)
            // The body text's background is the body's own colour.
            SetPaletteColour(item, QPalette::Window, seen(m_style.colour(WebPart::Body)));
        else
            item->adjustSize();
    }
    RefreshLayout();
}

void WebPageView::RefreshLayout()
{
    const WebPageLayout layout = LayOutWebPage(m_style);
    for (int i = 0; i < kWebPartCount; ++i)
        m_parts[std::size_t(i)]->setGeometry(layout.parts[std::size_t(i)]);
    for (int i = 0; i < kWebDividerCount; ++i)
        m_dividers[std::size_t(i)]->setGeometry(layout.dividers[std::size_t(i)]);
    // The body text wraps to the body's width.
    WebPageItem* body = text(WebText::BodyText);
    const int width = BodyTextWidth(layout.part(WebPart::Body).width());
    body->resize(width, std::max(0, body->heightForWidth(width)));
}
