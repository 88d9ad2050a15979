#include "ui/widgets/ScrollBarThumbs.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

class ThumbStyle : public QProxyStyle
{
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarSlider) ||
            bar->minimum == bar->maximum)
            return;
        const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
        const bool pressed =
            (bar->state & State_Sunken) && (bar->activeSubControls & SC_ScrollBarSlider);
        painter->save();
        painter->setPen(QColor(128, 128, 128));
        painter->setBrush(pressed ? QColor(160, 160, 160) : QColor(192, 192, 192));
        painter->drawRect(thumb.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

// One for the whole run, owned by the application.
QStyle* ScrollBarThumbStyle()
{
    static QPointer<ThumbStyle> style;
    if (!style) {
        // Without a base the proxy follows the application's style.
        style = new ThumbStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void ShowScrollBarThumbs(QWidget* root)
{
    for (QScrollBar* bar : root->findChildren<QScrollBar*>())
        bar->setStyle(ScrollBarThumbStyle());
}
