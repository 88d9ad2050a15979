#include "ui/windows/ConfusablePairsWindow.h"

#include "colour/ColourText.h"
#include "copy/QtColour.h"
#include "ui/Fonts.h"
#include "ui/ViewAs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

namespace {

constexpr QSize kClientSize{360, 300};
constexpr int kSwatch = 14;
constexpr int kRoleFirst = Qt::UserRole + 1;
constexpr int kRoleSecond = Qt::UserRole + 2;

const VisionKind kKinds[] = {VisionKind::Protanopia, VisionKind::Deuteranopia,
                             VisionKind::Tritanopia, VisionKind::Achromatopsia};

// Real first, real second, a gap, seen first, seen second.
QIcon PairIcon(ColorRef first, ColorRef second, const VisionSimulator& seen)
{
    QPixmap pixmap(kSwatch * 5, kSwatch);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const ColorRef colours[] = {first, second, seen.See(first), seen.See(second)};
    const int lefts[] = {0, kSwatch, kSwatch * 3, kSwatch * 4};
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(lefts[i], 0, kSwatch, kSwatch, ToQColor(colours[i]));
        painter.setPen(Qt::gray);
        painter.drawRect(lefts[i], 0, kSwatch - 1, kSwatch - 1);
    }
    return QIcon(pixmap);
}

QString Named(const QStringList& names, int index, ColorRef colour)
{
    const QString hex = FormatHashHex(UnpackColour(colour));
    return index < names.size() ? names[index] + QLatin1Char(' ') + hex : hex;
}

} // namespace

ConfusablePairsWindow::ConfusablePairsWindow(QWidget* parent)
    : FramedWindow(QStringLiteral("Colors Hard to Tell Apart"), kClientSize, parent)
{
    setObjectName(QStringLiteral("ConfusablePairsWindow"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("pairNote"));
    m_note->setFont(SansSerifPixels(11));
    m_note->setWordWrap(true);
    m_note->setGeometry(8, 20, kClientSize.width() - 16, 42);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("pairList"));
    m_list->setFont(SansSerifPixels(11));
    m_list->setIconSize(QSize(kSwatch * 5, kSwatch));
    m_list->setGeometry(8, 64, kClientSize.width() - 16, kClientSize.height() - 72);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QVariant first = item->data(kRoleFirst);
        if (!first.isValid())
            return; // a heading
        const int a = first.toInt();
        const int b = item->data(kRoleSecond).toInt();
        emit pairChosen(a, m_colours[std::size_t(a)], b, m_colours[std::size_t(b)]);
    });
    connect(m_list, &QListWidget::itemClicked, m_list, &QListWidget::itemActivated);
}

void ConfusablePairsWindow::ShowPairs(const std::vector<ColorRef>& colours,
                                      const QStringList& names)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_colours = colours;
    m_list->clear();
    ConfusionLimits limits;
    limits.maxPairs = kMaxPairsPerKind;
    bool complete = true;
    for (const VisionKind kind : kKinds) {
        const ColourVision vision{kind, kMaxVisionSeverity};
        const VisionSimulator seen(vision);
        const ConfusionResult result =
            FindConfusablePairs(m_colours.data(), m_colours.size(), vision, limits);
        complete = complete && result.complete;
        auto* heading = new QListWidgetItem(
            ColourVisionLabel(vision) + QStringLiteral(": ") +
                (result.pairs.empty() ? QStringLiteral("no pairs")
                                      : QString::number(result.pairs.size()) +
                                            (result.complete ? QStringLiteral(" pairs")
                                                             : QStringLiteral(" pairs or more"))),
            m_list);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
        for (const ConfusablePair& pair : result.pairs) {
            const ColorRef a = m_colours[std::size_t(pair.first)];
            const ColorRef b = m_colours[std::size_t(pair.second)];
            auto* row = new QListWidgetItem(
                PairIcon(a, b, seen),
                Named(names, pair.first, a) + QStringLiteral(" and ") +
                    Named(names, pair.second, b) +
                    QStringLiteral(" (seen %1 apart)").arg(double(pair.seenDeltaE), 0, 'f', 3),
                m_list);
            row->setData(kRoleFirst, pair.first);
            row->setData(kRoleSecond, pair.second);
        }
    }
    m_note->setText(
        QStringLiteral("Pairs that look alike with each deficiency at full severity (deltaE OK "
                       "under %1 as seen) but not with normal vision. Left: the real colors; "
                       "right: as seen.")
            .arg(double(kHardToTellApartDeltaE)) +
        (complete ? QString()
                  : QStringLiteral(" The search stopped early (it looks at the first %1 colors, "
                                   "at most %2 pairs per kind); there may be more pairs.")
                        .arg(limits.maxColours)
                        .arg(limits.maxPairs)));
    QGuiApplication::restoreOverrideCursor();
    ShowInFront(*this);
}

void ConfusablePairsWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
