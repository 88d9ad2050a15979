#include "ui/windows/SplashWindow.h"

#include "platform/Screen.h"
#include "ui/JpegImage.h"

#include <QLabel>
#include <QPainter>

QString VersionLine()
{
    return QStringLiteral("Version " KROMI_VERSION " (build %1)").arg(KROMI_BUILD_NUMBER);
}

QImage ProductPicture()
{
    return LoadJpeg(QStringLiteral(":/pictures/product.jpg"));
}

void PaintPictureWindow(QPainter& painter, const QWidget& window, const QImage& picture)
{
    painter.fillRect(window.rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(window.rect().adjusted(0, 0, -1, -1));
    painter.drawImage(QPoint(1, 1), picture);
}

QLabel* AddVersionLabel(QWidget* window)
{
    auto* label = new QLabel(VersionLine(), window);
    label->setObjectName(QStringLiteral("versionLine"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    label->move(31, 432);
    return label;
}

void CentreOnScreen(QWidget& window, const Screen& screen)
{
    const QSize size = screen.ScreenSize();
    window.move((size.width() - window.width()) / 2, (size.height() - window.height()) / 2);
}

SplashWindow::SplashWindow(const Screen& screen, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(ProductPicture())
{
    setFixedSize(591, 502);
    AddVersionLabel(this);
    CentreOnScreen(*this, screen);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintPictureWindow(painter, *this, m_picture);
}
