#include "ui/windows/AboutWindow.h"

#include "platform/Shell.h"
#include "ui/widgets/FramedWindow.h"
#include "ui/windows/SplashWindow.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QRect kPictureArea(1, 1, 589, 500);
} // namespace

AboutWindow::AboutWindow(const QImage& picture, const Screen& screen, Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), m_picture(picture), m_shell(shell),
      m_webArea(new QWidget(this))
{
    setFixedSize(592, 502);
    setWindowModality(Qt::ApplicationModal);
    AddVersionLabel(this);

    m_webArea->setObjectName(QStringLiteral("webArea"));
    m_webArea->setGeometry(292, 451, 297, 49);
    m_webArea->setCursor(Qt::PointingHandCursor);
    m_webArea->installEventFilter(this);

    CentreOnScreen(*this, screen);
}

void AboutWindow::ShowModal()
{
    ShowInFront(*this);
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintPictureWindow(painter, *this, m_picture);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && kPictureArea.contains(event->position().toPoint()))
        hide();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_webArea && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_webArea->rect().contains(mouse->position().toPoint()))
            m_shell.OpenDocument(QString::fromLatin1(WebPage));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
