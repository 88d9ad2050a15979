#include "ui/widgets/FramedWindow.h"

#include <QPainter>

namespace {

const QColor Silver(192, 192, 192);
constexpr int CloseBoxFromRight = 18;

} // namespace

FramedWindow::FramedWindow(const QString& caption, QSize clientSize, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_fullHeight(clientSize.height())
{
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    // Colours are dragged here from the main window, so the window under the pointer
    // is rarely the active one; its tips (contrast ratios) must show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    m_titleStrip = new TitleStrip(caption, this);
    QFont captionFont(QStringLiteral("Verdana"));
    captionFont.setPixelSize(11);
    captionFont.setBold(true);
    m_titleStrip->setCaptionFont(captionFont);
    m_closeBox = m_titleStrip->AddBox(QStringLiteral("X"), clientSize.width() - CloseBoxFromRight);
    m_closeBox->setAccessibleName(QStringLiteral("Close"));

    connect(m_closeBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            close();
    });
    connect(m_titleStrip, &TitleStrip::doubleClicked, this, [this] {
        if (m_doubleClickMinimizes)
            ToggleSuperMinimize();
    });
    connect(m_titleStrip, &TitleStrip::moveFinished, this, &FramedWindow::moveFinished);
}

TitleStrip* FramedWindow::titleStrip() const
{
    return m_titleStrip;
}

ClickableBox* FramedWindow::closeBox() const
{
    return m_closeBox;
}

void FramedWindow::SetSuperMinimizeHeight(int fullHeight)
{
    m_fullHeight = fullHeight;
    m_doubleClickMinimizes = true;
}

bool FramedWindow::IsSuperMinimized() const
{
    return m_superMinimized;
}

void FramedWindow::ToggleSuperMinimize()
{
    m_superMinimized = !m_superMinimized;
    setFixedHeight(m_superMinimized ? TitleStrip::Height : m_fullHeight);
    emit superMinimizeToggled(m_superMinimized);
}

void PaintFrameEdges(QWidget& widget)
{
    QPainter painter(&widget);
    painter.setPen(Silver);
    const int right = widget.width() - 1;
    const int bottom = widget.height() - 1;
    painter.drawLine(0, 0, 0, bottom);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}

void ShowInFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void FramedWindow::paintEvent(QPaintEvent*)
{
    PaintFrameEdges(*this);
}

void FramedWindow::resizeEvent(QResizeEvent* event)
{
    m_titleStrip->resize(width(), TitleStrip::Height);
    QWidget::resizeEvent(event);
}

void FramedWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    emit moved();
}
