#include "ui/windows/EyeDropperPanel.h"

#include "colour/ColourText.h"
#include "copy/QtColour.h"
#include "ui/Fonts.h"
#include "ui/widgets/FramedWindow.h"
#include "ui/widgets/MagnifierView.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/TitleStrip.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Three lines, each ended by a lone CR but the last; the second ends with a blank.
const QString KeyHelpText = QStringLiteral(
    "F2 / Click - Capture only one color\rF3 / Right Click - Capture continuously. \rF4 - Quit "
    "capture mode.");
const QString ArrowHelpText =
    QStringLiteral("Arrow keys - Move one pixel.\rShift+Arrow keys - Move ten pixels.");

QLabel* MakeLabel(QWidget* panel, const QString& text, const QPoint& place)
{
    auto* label = new QLabel(text, panel);
    label->setFont(SansSerifPoints());
    label->move(place);
    label->adjustSize();
    return label;
}

QLabel* MakeWrappedLabel(QWidget* panel, const QString& text, const QRect& geometry)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* label = new QLabel(shown, panel);
    label->setFont(SansSerifPoints());
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

EyeDropperPanel::EyeDropperPanel(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("EyeDropperPanel"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    setGeometry(QRect(kFirstPlace, kSize));
    setCursor(Qt::ArrowCursor);

    // The strip moves its "window": here the panel, within the eye dropper window.
    m_strip = new TitleStrip(QStringLiteral("Eye Dropper"), this);
    m_strip->setCaptionFont(VerdanaPixels(11, true));
    m_closeBox = m_strip->AddBox(QStringLiteral("X"), kSize.width() - 18);
    connect(m_closeBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            emit closeRequested();
    });

    m_swatch = new QFrame(this);
    m_swatch->setObjectName(QStringLiteral("SampleSwatch"));
    m_swatch->setGeometry(8, 24, 190, 49);
    m_swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_swatch->setAutoFillBackground(true);

    m_value = MakeLabel(this, QStringLiteral("255"), QPoint(6, 77));
    m_hex = MakeLabel(this, QStringLiteral("HEX (HTML)"), QPoint(132, 77));
    m_keyHelp = MakeWrappedLabel(this, KeyHelpText, QRect(8, 96, 190, 49));

    m_magnifier = new MagnifierView(this, QPoint(8, 150));
    m_place = MakeLabel(this, QString(), QPoint(90, 150));
    m_place->setFixedWidth(108);
    MakeWrappedLabel(this, ArrowHelpText, QRect(90, 168, 108, 58));

    m_quit = new PanelButton(QStringLiteral("Quit"), this);
    m_quit->setGeometry(6, 235, 192, 17);
    m_quit->SetFace(235);
    m_quit->setFont(SansSerifPoints());
    connect(m_quit, &PanelButton::clicked, this, &EyeDropperPanel::closeRequested);
}

void EyeDropperPanel::ShowSample(ColorRef colour, const QPoint& pixel)
{
    const Rgb c = UnpackColour(colour);
    QPalette fill = m_swatch->palette();
    fill.setColor(QPalette::Window, ToQColor(c));
    m_swatch->setPalette(fill);
    m_value->setText(QStringLiteral("R: %1 G: %2 B: %3").arg(c.red).arg(c.green).arg(c.blue));
    m_value->adjustSize();
    m_hex->setText(FormatHashHex(c));
    m_hex->adjustSize();
    m_place->setText(QStringLiteral("X: %1 Y: %2").arg(pixel.x()).arg(pixel.y()));
}

void EyeDropperPanel::KeepInside()
{
    // Before the window is shown its size is not the screen's yet.
    const QWidget* window = parentWidget();
    if (!window || !window->isVisible())
        return;
    const int left = qBound(0, x(), qMax(0, window->width() - width()));
    const int top = qBound(0, y(), qMax(0, window->height() - height()));
    if (QPoint(left, top) != pos())
        move(left, top);
}

void EyeDropperPanel::paintEvent(QPaintEvent*)
{
    PaintFrameEdges(*this);
}

void EyeDropperPanel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void EyeDropperPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void EyeDropperPanel::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    KeepInside();
}
