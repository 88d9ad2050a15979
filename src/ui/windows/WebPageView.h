#pragma once
// The mock web page of the Simple Web Page Test, drawn from one WebPageStyle:
// the page frame (whose colour, the border colour, shows in the three dividers),
// the four parts and the nine texts. Parts and texts are colour drag sources and
// drop targets; the dividers resize their parts. The view never changes the
// style itself: it reports what the user did and shows the style again when told.
// From the keyboard, each part and text is a Tab stop; Enter or Space drops the
// main colour on it; on a text the menu key asks for a new text and Alt+Enter for
// a new font.

#include "colour/ColourVision.h"
#include "platform/FontDialog.h"
#include "state/WebPageStyle.h"
#include "ui/ColourDrag.h"

#include "ui/widgets/AccessibleColour.h"
#include "ui/widgets/OverstrikeLabel.h"

#include <QLabel>
#include <QPoint>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QDropEvent;

// What a drop lands on; the window's border text is a target too.
enum class WebDropTarget
{
    PagePart,   // sets its background colour
    PageText,   // sets its text colour
    BorderText, // sets the border colour
};

// Parts and texts take every source but themselves; the border text only the
// main colour swatch, the main window's swatches and the Variations picture.
bool WebPageAcceptsDrop(WebDropTarget target, const DraggedColour& dragged, const QObject* self);

// The face a page text is shown in: its point size as pixels at 96 dpi, so the
// page looks the same on every screen.
QFont WebPageFont(const FontSpec& spec);
// The font dialog's preset for a page text, and its answer as a page font. The
// character set has no Qt counterpart; the page text keeps its own.
FontChoice WebFontChoice(const FontSpec& spec);
FontSpec WebFontSpec(const FontChoice& choice, int charSet);

// A part, a text or the border text. A left press on a part or a text drags its
// colour at once; a right press or a double-click on a text asks for a new text or
// font (the window answers). Bold stays bold in a bitmap face.
class WebPageItem : public OverstrikeLabel, public ShowsColour
{
    Q_OBJECT
public:
    using MainColourSource = std::function<ColorRef()>;

    WebPageItem(WebDropTarget role, QWidget* parent);

    // Where Enter and Space find the main colour; without a source they do nothing.
    void SetMainColourSource(MainColourSource source) { m_mainColour = std::move(source); }
    // Enter or Space: the main colour is dropped here, as if the main swatch were
    // dragged onto the item.
    void DropMainColour();

    WebDropTarget role() const { return m_role; }
    // What a drag offers: a part's background or a text's text colour.
    ColorRef colour() const { return m_colour; }
    void SetColour(ColorRef colour) { m_colour = colour; }
    ColorRef shownColour() const override { return m_colour; }
    QString shownText() const override { return text(); }

signals:
    void colourDropped(ColorRef colour);
    void rightPressed();
    void doubleClicked();
    // The pointer moved over the item (for the "View as" readout).
    void pointed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool AcceptsDrop(const DraggedColour& dragged, const QDropEvent& event) const;

    WebDropTarget m_role;
    ColorRef m_colour = 0;
    MainColourSource m_mainColour;
};

// A 2-pixel strip between two parts, showing the border colour; dragging it with
// the left button resizes the part on its outer side.
class WebPageDivider : public QWidget
{
    Q_OBJECT
public:
    WebPageDivider(WebDivider which, QWidget* parent);
    WebDivider which() const { return m_which; }
    void SetColour(ColorRef colour);

signals:
    void dragStarted();
    // How many pixels the part would grow since the press (negative: shrink).
    void draggedBy(int growth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    WebDivider m_which;
    ColorRef m_colour = 0;
    bool m_dragging = false;
    QPoint m_pressGlobal;
};

class WebPageView : public QWidget
{
    Q_OBJECT
public:
    // Shows `style`, which must outlive the view.
    WebPageView(const WebPageStyle& style, QWidget* parent);

    // Shows the style as it is now; call after every change.
    void Refresh();
    // Enough after a change of part sizes only (a divider drag).
    void RefreshLayout();
    // "View as": the page is painted in the colours as seen; the style, drags and
    // drops keep the real ones.
    void SetVision(ColourVision vision);
    const VisionSimulator& vision() const { return m_vision; }

    WebPageItem* part(WebPart which) const { return m_parts[std::size_t(which)]; }
    WebPageItem* text(WebText which) const { return m_texts[std::size_t(which)]; }
    WebPageDivider* divider(WebDivider which) const { return m_dividers[std::size_t(which)]; }

    // The parts and texts in reading order, each part followed by its texts:
    // header, link column, body, footer.
    std::vector<WebPageItem*> ReadingOrder() const;
    void SetMainColourSource(const WebPageItem::MainColourSource& source);

signals:
    void partColourDropped(WebPart part, ColorRef colour);
    void textColourDropped(WebText text, ColorRef colour);
    // The size the user drags the divider's part to, before the divider rule.
    void dividerDragged(WebDivider divider, int requestedSize);
    void textRightPressed(WebText text);
    void textDoubleClicked(WebText text);
    // The pointer is over a part or a text of this real colour.
    void colourPointed(ColorRef colour);

private:
    const WebPageStyle& m_style;
    std::array<WebPageItem*, kWebPartCount> m_parts{};
    std::array<WebPageItem*, kWebTextCount> m_texts{};
    std::array<WebPageDivider*, kWebDividerCount> m_dividers{};
    int m_dragStartSize = 0;
    VisionSimulator m_vision;
};
