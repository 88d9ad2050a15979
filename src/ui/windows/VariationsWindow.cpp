#include "ui/windows/VariationsWindow.h"

#include "colour/ColourText.h"
#include "copy/CopyPayload.h"
#include "platform/Platform.h"
#include "state/MainColour.h"
#include "ui/Fonts.h"
#include "ui/KeyboardMap.h"
#include "ui/widgets/KeyPreview.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kCellSize = 15;

// Shows the window's picture as it is; the window owns and paints the pixels.
class ImageView : public QWidget
{
public:
    ImageView(const QImage& image, QWidget* parent) : QWidget(parent), m_image(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }

private:
    const QImage& m_image;
};

QString ReadoutText(Rgb c)
{
    return QStringLiteral("R: %1, G: %2, B: %3 ( %4 )")
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue)
        .arg(FormatHashHex(c));
}

Rgb RgbOf(QRgb pixel)
{
    return Rgb{std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel))};
}

} // namespace

VariationsWindow::VariationsWindow(Platform& platform, MainColour& mainColour,
                                   CommandTable& commands, QWidget* parent)
    : FramedWindow(QStringLiteral("Variations"), kClientSize, parent), m_platform(platform),
      m_mainColour(mainColour), m_commands(commands), m_image(kImageSize, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("VariationsWindow"));
    SetSuperMinimizeHeight(kClientSize.height());
    m_image.fill(Qt::white);

    m_imageView = new ImageView(m_image, this);
    m_imageView->setObjectName(QStringLiteral("gridImage"));
    m_imageView->setGeometry(QRect(kImagePosition, kImageSize));
    m_imageView->installEventFilter(this);
    // The strip covers the picture's top rows.
    titleStrip()->raise();

    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("readout"));
    m_readout->setGeometry(4, 264, 209, 13);
    m_readout->setFont(SansSerifPoints());

    m_contextMenu = new QMenu(this);
    m_contextMenu->addAction(QStringLiteral("Copy Variations as Bitmap"), this,
                             &VariationsWindow::CopyAsBitmap);

    connect(&mainColour, &MainColour::changed, this, [this] {
        if (m_open)
            PaintGrid();
    });
    new KeyPreview(this, [this](const QKeyEvent& key) {
        return RunMappedKey(KeyMap::MainWindow, key, m_commands);
    });
}

VariationsWindow::~VariationsWindow() = default;

void VariationsWindow::PaintGrid()
{
    ComputeVariationsGrid(m_mainColour.rgb(), m_grid);
    // Straight into the pixels: no painter to set up, and the gaps keep what they show.
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const Rgb c = UnpackColour(m_grid[row][column]);
            const QRgb value = qRgb(c.red, c.green, c.blue);
            const QPoint origin = CellOrigin(row, column);
            for (int y = origin.y(); y < origin.y() + kCellSize; ++y)
                std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + origin.x(), kCellSize,
                            value);
        }
    }
    m_imageView->update();
}

void VariationsWindow::ShowReadout(const QPoint& imagePos)
{
    if (m_image.rect().contains(imagePos))
        m_readout->setText(ReadoutText(RgbOf(m_image.pixel(imagePos))));
}

std::optional<DraggedColour> VariationsWindow::TakePress(const QPoint& imagePos,
                                                         Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !m_image.rect().contains(imagePos))
        return std::nullopt;
    const Rgb sampled = RgbOf(m_image.pixel(imagePos));
    m_draggedColour = FormatPackedText(sampled);
    return DraggedColour{PackColour(sampled), ColourSourceKind::VariationsImage, m_imageView};
}

void VariationsWindow::CopyAsBitmap()
{
    // A copy of its own, so the next repaint never has to detach from the clipboard's.
    m_platform.clipboard.SetMimeData(BitmapMimeData(m_image.copy()).release());
}

bool VariationsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_imageView)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        ShowReadout(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::optional<DraggedColour> drag =
                TakePress(mouse->position().toPoint(), mouse->button())) {
            StartColourDrag(m_imageView, *drag);
            return true;
        }
        return false;
    }
    case QEvent::ContextMenu:
        m_contextMenu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

void VariationsWindow::showEvent(QShowEvent* event)
{
    FramedWindow::showEvent(event);
    m_open = true;
    PaintGrid();
}

void VariationsWindow::hideEvent(QHideEvent* event)
{
    m_open = false;
    FramedWindow::hideEvent(event);
}
