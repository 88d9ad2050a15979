#include "ui/ColourDrag.h"

#include "colour/CssColourText.h"

#include "colour/ColourText.h"
#include "copy/QtColour.h"

#include <QColor>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

// The payload is one line of text: "<pid> <source> <kind> <colour>". The process id
// keeps drags from another running copy of the program out, since the source is only
// meaningful inside this process. The Variations image hands its colour over as packed
// text ("$00BBGGRR"); every other kind as a decimal ColorRef.

namespace {

// Another program's colour never comes in through the program's own type.
constexpr int LastKind = int(ColourSourceKind::WebPageText);

QString FormatColour(const DraggedColour& dragged)
{
    if (dragged.kind == ColourSourceKind::VariationsImage)
        return FormatPackedText(UnpackColour(dragged.colour));
    return QString::number(dragged.colour & 0xFFFFFFu);
}

} // namespace

QMimeData* CreateColourMimeData(const DraggedColour& dragged)
{
    const QString payload = QStringLiteral("%1 %2 %3 %4")
                                .arg(QCoreApplication::applicationPid())
                                .arg(quintptr(dragged.source), 0, 16)
                                .arg(int(dragged.kind))
                                .arg(FormatColour(dragged));
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(ColourMimeType), payload.toLatin1());
    data->setColorData(ToQColor(dragged.colour));
    data->setText(FormatHashHex(UnpackColour(dragged.colour)));
    return data;
}

std::optional<DraggedColour> DecodeColourDrop(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(ColourMimeType)))
        return std::nullopt;
    const QStringList fields = QString::fromLatin1(data->data(QString::fromLatin1(ColourMimeType)))
                                   .split(QLatin1Char(' '));
    if (fields.size() != 4)
        return std::nullopt;
    bool pidOk = false;
    bool sourceOk = false;
    bool kindOk = false;
    const qint64 pid = fields[0].toLongLong(&pidOk);
    const quintptr source = fields[1].toULongLong(&sourceOk, 16);
    const int kind = fields[2].toInt(&kindOk);
    if (!pidOk || !sourceOk || !kindOk || pid != QCoreApplication::applicationPid() || kind < 0 ||
        kind > LastKind)
        return std::nullopt;
    const std::optional<int> colour = ParseInteger(fields[3]);
    if (!colour || *colour < 0 || *colour > 0xFFFFFF)
        return std::nullopt;
    return DraggedColour{ColorRef(*colour), ColourSourceKind(kind),
                         reinterpret_cast<const QObject*>(source)};
}

std::optional<ColorRef> ColourFromText(const QString& text)
{
    const CssColourReading reading = ReadCssColour(text);
    if (!reading.colour)
        return std::nullopt;
    return PackColour(*reading.colour);
}

std::optional<DraggedColour> DecodeAnyColourDrop(const QMimeData* data)
{
    if (!data)
        return std::nullopt;
    if (const std::optional<DraggedColour> own = DecodeColourDrop(data))
        return own;
    std::optional<ColorRef> colour;
    if (data->hasColor()) {
        const QColor given = qvariant_cast<QColor>(data->colorData()).toRgb();
        if (given.isValid())
            colour = ColorRefOf(given);
    }
    // Colour data that does not decode leaves the text, when there is one, to say it.
    if (!colour && data->hasText())
        colour = ColourFromText(data->text());
    if (!colour)
        return std::nullopt;
    return DraggedColour{*colour, ColourSourceKind::OtherProgram, nullptr};
}

namespace {

// The drag-enter, drag-move or drop event `event` is, else null.
QDropEvent* DragEvent(QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool drag = type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
    return drag ? static_cast<QDropEvent*>(event) : nullptr;
}

class ColourDropFilter : public QObject
{
public:
    ColourDropFilter(QWidget* target, ColourDropRules rules)
        : QObject(target), m_rules(std::move(rules))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        QDropEvent* drop = DragEvent(event);
        if (!drop)
            return false;
        const QEvent::Type type = event->type();
        const std::optional<DraggedColour> dragged = DecodeAnyColourDrop(drop->mimeData());
        if (type == QEvent::DragEnter && m_rules.entered)
            m_rules.entered(dragged);
        if (!dragged)
            return false;
        if (m_rules.accepts && !m_rules.accepts(*dragged, *drop)) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (type == QEvent::Drop && m_rules.dropped)
            m_rules.dropped(*dragged);
        return true;
    }

private:
    ColourDropRules m_rules;
};

class OwnColourRefusal : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        QDropEvent* drop = DragEvent(event);
        if (!drop || !drop->mimeData()->hasFormat(QString::fromLatin1(ColourMimeType)))
            return false;
        drop->ignore();
        return true;
    }
};

} // namespace

void RefuseOwnColourDrags(QWidget* textField)
{
    textField->installEventFilter(new OwnColourRefusal(textField));
}

void MakeColourDropTarget(QWidget* target, ColourDropRules rules)
{
    target->setAcceptDrops(true);
    target->installEventFilter(new ColourDropFilter(target, std::move(rules)));
}

void StartColourDrag(QWidget* source, const DraggedColour& dragged)
{
    QPixmap picture(16, 16);
    picture.fill(ToQColor(dragged.colour));
    {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, 15, 15);
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(CreateColourMimeData(dragged));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(-4, -4));
    drag->exec(Qt::CopyAction);
}

bool MainSwatchAccepts(const DraggedColour& dragged, const QObject* mainSwatch)
{
    return dragged.source != mainSwatch;
}
