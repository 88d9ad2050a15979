#include "ui/windows/EyeDropperWindow.h"

#include "platform/Screen.h"
#include "ui/widgets/KeyboardFocus.h"
#include "ui/widgets/MagnifierView.h"
#include "ui/windows/EyeDropperPanel.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

EyeDropperWindow::EyeDropperWindow(Screen& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_screen(screen), m_panel(new EyeDropperPanel(this))
{
    setObjectName(QStringLiteral("EyeDropperWindow"));
    setWindowTitle(QStringLiteral("Eye Dropper"));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The readout and the magnifier follow every cursor move over the picture;
    // the timer still samples where no move arrives (over the panel, arrow keys).
    setMouseTracking(true);
    m_timer.setInterval(kSampleIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &EyeDropperWindow::Sample);
    connect(m_panel, &EyeDropperPanel::closeRequested, this, &EyeDropperWindow::Close);
}

EyeDropperWindow::~EyeDropperWindow() = default;

void EyeDropperWindow::Open()
{
    if (m_open)
        return;
    // Taken before this window shows, so it holds what lies beneath.
    m_picture = GrabScreenPicture(m_screen);
    m_picture.image.setDevicePixelRatio(m_picture.ScaleX());
    m_sampled.reset();
    m_pixel.reset();
    m_panelPicture = QImage();
    m_open = true;
    setGeometry(m_picture.geometry);
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
    // The keys reach the eye dropper even where the desktop keeps the focus
    // elsewhere; the mouse is not grabbed, so the panel stays usable.
    grabKeyboard();
    m_panel->KeepInside();
    m_timer.start();
}

void EyeDropperWindow::Close()
{
    if (!m_open)
        return;
    m_timer.stop();
    m_open = false;
    releaseKeyboard();
    // Hidden, not closed: a close while every other window of the program is
    // hidden would end the program.
    hide();
    m_picture.image = QImage();
    m_panelPicture = QImage();
    emit closed();
}

void EyeDropperWindow::Sample()
{
    if (m_open)
        SampleAt(m_screen.CursorPosition());
}

void EyeDropperWindow::SampleAt(const QPoint& cursor)
{
    if (!m_open)
        return;
    if (!m_pixel || cursor != m_cursorSeen) {
        m_cursorSeen = cursor;
        m_pixel = m_picture.PixelAtCursor(cursor);
    }
    if (!m_pixel)
        return; // off the picture (another screen): the last sample stays
    const QPoint centre = *m_pixel;
    m_panelPixels = PanelPixels();
    constexpr int half = MagnifierView::kSpan / 2;
    const QRect around(centre - QPoint(half, half),
                       QSize(MagnifierView::kSpan, MagnifierView::kSpan));
    if (around.intersects(m_panelPixels))
        m_panelPicture = m_panel->grab().toImage();
    const QRgb shown = ShownPixel(centre);
    m_sampled = PackColour(std::uint8_t(qRed(shown)), std::uint8_t(qGreen(shown)),
                           std::uint8_t(qBlue(shown)));
    m_panel->ShowSample(*m_sampled, centre);
    m_panel->magnifier()->ShowPixels(
        [this, centre](int dx, int dy) { return ShownPixel(centre + QPoint(dx, dy)); });
}

QRect EyeDropperWindow::PanelPixels() const
{
    return m_picture.PixelRect(
        QRect(m_picture.geometry.topLeft() + m_panel->pos(), m_panel->size()));
}

QRgb EyeDropperWindow::ShownPixel(const QPoint& pixel) const
{
    if (m_panelPixels.contains(pixel) && !m_panelPicture.isNull()) {
        // The panel is drawn at the window's own scale, which may differ from the
        // picture's; proportional places match either way.
        const QPoint inPanel = pixel - m_panelPixels.topLeft();
        const QPoint at(inPanel.x() * m_panelPicture.width() / m_panelPixels.width(),
                        inPanel.y() * m_panelPicture.height() / m_panelPixels.height());
        if (m_panelPicture.valid(at))
            return m_panelPicture.pixel(at);
    }
    if (m_picture.image.valid(pixel))
        return m_picture.image.pixel(pixel);
    return qRgb(0, 0, 0);
}

void EyeDropperWindow::Take(bool thenClose)
{
    // Nothing sampled yet in this opening: nothing to take.
    if (!m_sampled)
        return;
    emit taken(*m_sampled);
    if (thenClose)
        Close();
}

void EyeDropperWindow::MoveCursorBy(const QPoint& delta)
{
    if (!m_pixel) {
        m_cursorSeen = m_screen.CursorPosition();
        m_pixel = m_picture.PixelAtCursor(m_cursorSeen);
        if (!m_pixel)
            return;
    }
    const QRect bounds = m_picture.image.rect();
    const QPoint moved(qBound(bounds.left(), m_pixel->x() + delta.x(), bounds.right()),
                       qBound(bounds.top(), m_pixel->y() + delta.y(), bounds.bottom()));
    m_pixel = moved;
    // The cursor goes to the position standing for the pixel; the pixel itself is
    // kept while the cursor stays there, so a scaled screen loses none.
    const QPoint target = m_picture.CursorPositionOf(moved);
    m_screen.SetCursorPosition(target);
    m_cursorSeen = target;
    Sample();
}

void EyeDropperWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.image.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(QPointF(0, 0), m_picture.image);
}

void EyeDropperWindow::mouseMoveEvent(QMouseEvent* event)
{
    SampleAt(event->globalPosition().toPoint());
}

void EyeDropperWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Take(true);
    else if (event->button() == Qt::RightButton)
        Take(false);
}

void EyeDropperWindow::keyPressEvent(QKeyEvent* event)
{
    const QPoint step = ArrowStep(event->key());
    if (!step.isNull()) {
        MoveCursorBy(event->modifiers() & Qt::ShiftModifier ? step * 10 : step);
        return;
    }
    switch (event->key()) {
    case Qt::Key_F2:
        Take(true);
        break;
    case Qt::Key_F3:
        Take(false);
        break;
    case Qt::Key_F4:
    case Qt::Key_Escape:
        Close();
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void EyeDropperWindow::closeEvent(QCloseEvent* event)
{
    // Alt+F4 and the like: the eye dropper closes its own way.
    event->ignore();
    Close();
}
