#pragma once
// The Variations window: the main colour's hue and its eleven 30-degree
// neighbours, each in ten lightness steps, painted into one picture while the
// window is open. Pointing at the picture reads a colour out, a left press drags
// it, and its context menu copies the whole picture as a bitmap.

#include "colour/Harmonies.h"
#include "ui/ColourDrag.h"
#include "ui/widgets/FramedWindow.h"

#include <QImage>
#include <QPoint>
#include <QSize>

#include <optional>

class Platform;
class MainColour;
class CommandTable;
class QLabel;
class QMenu;

class VariationsWindow : public FramedWindow
{
    Q_OBJECT
public:
    static constexpr QSize kClientSize{217, 282};
    static constexpr QPoint kDefaultPosition{347, 235};
    static constexpr QSize kImageSize{214, 251};
    static constexpr QPoint kImagePosition{1, 13};

    // Image coordinates of cell (row, column): the top-left pixel of a 15 x 15 square.
    static constexpr QPoint CellOrigin(int row, int column)
    {
        return QPoint(10 + 20 * column, 10 + 20 * row);
    }

    // Hidden; the picture starts white.
    explicit VariationsWindow(Platform& platform, MainColour& mainColour, CommandTable& commands,
                              QWidget* parent = nullptr);
    ~VariationsWindow() override;

    // True from show to hide; the grid follows the main colour only then.
    bool IsOpen() const { return m_open; }
    // Fills the 120 cells for the current main colour and updates the picture.
    // Allocation-free: it runs on every slider step while the window is open.
    void PaintGrid();

    // The readout line for the picture's pixel at `imagePos` (cell or gap).
    void ShowReadout(const QPoint& imagePos);
    // A press on the picture: a left press samples the pixel, keeps its packed text
    // as the dragged colour and returns the drag to start; other buttons return
    // nothing and keep the last dragged colour.
    std::optional<DraggedColour> TakePress(const QPoint& imagePos, Qt::MouseButton button);
    // "Copy Variations as Bitmap": the whole picture, gaps included.
    void CopyAsBitmap();

    // "$00BBGGRR" of the last left press; empty before the first.
    const QString& draggedColour() const { return m_draggedColour; }
    const QImage& image() const { return m_image; }
    QWidget* imageView() const { return m_imageView; }
    QLabel* readout() const { return m_readout; }
    QMenu* contextMenu() const { return m_contextMenu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Platform& m_platform;
    MainColour& m_mainColour;
    CommandTable& m_commands;
    QImage m_image;
    VariationsGrid m_grid{};
    QWidget* m_imageView;
    QLabel* m_readout;
    QMenu* m_contextMenu;
    QString m_draggedColour;
    bool m_open = false;
};
