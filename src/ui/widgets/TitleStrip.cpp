#include "ui/widgets/TitleStrip.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace {

const QColor Silver(192, 192, 192);

// A system move loop may end without a release reaching the program; once the window
// has stood still this long the move counts as finished.
constexpr int SystemMoveSettleMs = 400;

void FillSilver(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Silver);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

ClickableBox::ClickableBox(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    FillSilver(this);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    // Every box has the same face, whatever font the window gives its own texts.
    QFont boxFont = QGuiApplication::font();
    boxFont.setBold(true);
    boxFont.setPixelSize(10);
    boxFont.setResolveMask(QFont::AllPropertiesResolved);
    setFont(boxFont);
    resize(TitleStrip::BoxSize, TitleStrip::BoxSize);
}

void ClickableBox::mousePressEvent(QMouseEvent* event)
{
    // Keeps the press away from the strip, which would start moving the window.
    event->accept();
}

void ClickableBox::mouseMoveEvent(QMouseEvent* event)
{
    // Kept from the strip too, so pointing at a box never reads as pointing at the strip.
    event->accept();
}

void ClickableBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked(event->button());
}

TitleStrip::TitleStrip(const QString& caption, QWidget* window)
    : QWidget(window), m_window(window), m_caption(new QLabel(caption, this))
{
    FillSilver(this);
    setGeometry(0, 0, window->width(), Height);

    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    m_caption->setPalette(captionPalette);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    m_caption->setGeometry(3, 0, width() - 3, Height);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_caption->lower();

    m_systemMoveSettle.setSingleShot(true);
    m_systemMoveSettle.setInterval(SystemMoveSettleMs);
    connect(&m_systemMoveSettle, &QTimer::timeout, this, &TitleStrip::FinishSystemMove);
}

void TitleStrip::setCaptionFont(const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    m_caption->setFont(bold);
}

void TitleStrip::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

QString TitleStrip::caption() const
{
    return m_caption->text();
}

ClickableBox* TitleStrip::AddBox(const QString& text, int left)
{
    auto* box = new ClickableBox(text, this);
    box->move(left, 0);
    box->show();
    return box;
}

bool TitleStrip::IsMoving() const
{
    return m_manualMove || m_systemMove;
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    m_pressGlobal = event->globalPosition().toPoint();
    m_windowStart = m_window->pos();
    QWindow* handle = m_window->windowHandle();
    if (handle && handle->startSystemMove()) {
        m_systemMove = true;
        // The window manager owns the pointer now; watch for the end of its loop.
        qApp->installEventFilter(this);
        m_systemMoveSettle.start();
        return;
    }
    // No window manager to do it (or it refused): follow the pointer ourselves.
    m_manualMove = true;
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_manualMove)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere.
        m_manualMove = false;
        emit moveFinished();
        return;
    }
    m_window->move(m_windowStart + event->globalPosition().toPoint() - m_pressGlobal);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_manualMove)
        return;
    m_window->move(m_windowStart + event->globalPosition().toPoint() - m_pressGlobal);
    m_manualMove = false;
    emit moveFinished();
}

void TitleStrip::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TitleStrip::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextMenuRequested(event->globalPos());
}

bool TitleStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (m_systemMove) {
        switch (event->type()) {
        case QEvent::Move:
            if (watched == m_window)
                m_systemMoveSettle.start();
            break;
        case QEvent::MouseButtonRelease:
            FinishSystemMove();
            break;
        case QEvent::MouseMove:
            if (!(static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton))
                FinishSystemMove();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TitleStrip::FinishSystemMove()
{
    if (!m_systemMove)
        return;
    m_systemMove = false;
    m_systemMoveSettle.stop();
    qApp->removeEventFilter(this);
    emit moveFinished();
}
