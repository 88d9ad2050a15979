#include "ui/widgets/StatusLine.h"

#include "ui/Fonts.h"

namespace {

constexpr int kLayoutFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

bool Fits(const QFontMetrics& metrics, const QSize& size, const QString& text)
{
    const QRect unbounded(0, 0, size.width(), 1 << 20);
    return metrics.boundingRect(unbounded, kLayoutFlags, text).height() <= size.height();
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(SansSerifPixels(11));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusLine::ShowText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QFontMetrics metrics(font());
    const qsizetype lastBreak = shown.lastIndexOf(QLatin1Char('\n'));
    if (lastBreak < 0 || Fits(metrics, size(), shown)) {
        setText(shown);
        return;
    }
    // The longest start of the help text that still leaves room for the readout.
    const QString help = shown.left(lastBreak);
    const QString readout = QStringLiteral("...") + shown.mid(lastBreak);
    qsizetype keep = 0;
    qsizetype tooLong = help.size();
    while (tooLong - keep > 1) {
        const qsizetype middle = (keep + tooLong) / 2;
        if (Fits(metrics, size(), help.left(middle) + readout))
            keep = middle;
        else
            tooLong = middle;
    }
    setText(help.left(keep).trimmed() + readout);
}
