#include "ui/widgets/PanelButton.h"

#include "ui/widgets/KeyboardFocus.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

class PanelButtonAccessible : public QAccessibleWidget
{
public:
    explicit PanelButtonAccessible(PanelButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return static_cast<const PanelButton*>(widget())->text();
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<PanelButton*>(widget())->click();
    }
};

QAccessibleInterface* PanelButtonFactory(const QString&, QObject* object)
{
    auto* button = qobject_cast<PanelButton*>(object);
    return button ? new PanelButtonAccessible(button) : nullptr;
}

} // namespace

PanelButton::PanelButton(const QString& text, QWidget* parent) : QFrame(parent), m_text(text)
{
    static const bool accessible = [] {
        QAccessible::installFactory(PanelButtonFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    // The light grey of the section headings.
    QPalette panel = palette();
    panel.setColor(QPalette::Window, QColor(219, 219, 219));
    setPalette(panel);
    setAutoFillBackground(true);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    setFont(verdana);
    setLineWidth(1);
    SetLowered(false);
}

void PanelButton::setText(const QString& text)
{
    m_text = text;
    update();
}

void PanelButton::SetFace(int grey)
{
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(grey, grey, grey));
    face.setColor(QPalette::WindowText, Qt::black);
    setPalette(face);
}

QString PanelButton::text() const
{
    return m_text;
}

void PanelButton::click()
{
    emit clicked();
}

bool PanelButton::IsLowered() const
{
    return frameShape() == QFrame::Panel;
}

void PanelButton::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    // The text sinks with the bevel.
    const QRect area = IsLowered() ? rect().translated(1, 1) : rect();
    painter.drawText(area, Qt::AlignCenter, m_text);
    if (ShowsFocusFrame(*this))
        DrawDottedFocusFrame(painter, rect().adjusted(2, 2, -2, -2));
}

void PanelButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetLowered(true);
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !IsLowered())
        return;
    SetLowered(false);
    if (rect().contains(event->position().toPoint()))
        click();
}

void PanelButton::keyPressEvent(QKeyEvent* event)
{
    if (!IsActivationKey(*event, true)) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
}

void PanelButton::SetLowered(bool lowered)
{
    setFrameStyle(lowered ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame | QFrame::Plain);
    update();
}
