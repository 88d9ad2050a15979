#include "ui/widgets/AccessibleColour.h"

#include "colour/ColourText.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// "6, 167, 255, #06A7FF".
QString AccessibleColourText(ColorRef colour)
{
    const Rgb c = UnpackColour(colour);
    return QStringLiteral("%1, %2, %3, %4")
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue)
        .arg(FormatHashHex(c));
}

class ColourWidgetAccessible : public QAccessibleWidget
{
public:
    ColourWidgetAccessible(QWidget* widget, const ShowsColour& shows)
        : QAccessibleWidget(widget, QAccessible::Graphic), m_shows(shows)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        const QString shown = m_shows.shownText();
        const QString colour = AccessibleColourText(m_shows.shownColour());
        return shown.isEmpty() ? colour : shown + QStringLiteral(", ") + colour;
    }

private:
    const ShowsColour& m_shows;
};

QAccessibleInterface* ColourWidgetFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    auto* shows = dynamic_cast<ShowsColour*>(object);
    return widget && shows ? new ColourWidgetAccessible(widget, *shows) : nullptr;
}

} // namespace

ShowsColour::ShowsColour()
{
    static const bool installed = [] {
        QAccessible::installFactory(ColourWidgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
