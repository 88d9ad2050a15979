#pragma once
// The eye dropper ("Eye Dropper"): a borderless window over the whole primary
// screen showing a picture of it taken at opening, under a cross-hair cursor,
// with the info panel on top. It samples the pixel under the cursor at every
// mouse move over the picture and ten times a second. A left click or F2 takes the sampled colour
// and closes, a right click or F3 takes it and stays open; F4, Escape, "X" and "Quit" close without
// taking. The arrow keys move the cursor by one pixel of the picture (Shift: ten).
//
// On a scaled screen the picture has more pixels than the screen has global
// coordinates: the cursor reaches every second (third ...) one, the arrow keys
// every one.

#include "colour/ColourValues.h"
#include "platform/ScreenPicture.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <optional>

class EyeDropperPanel;
class Screen;

class EyeDropperWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSampleIntervalMs = 100;

    explicit EyeDropperWindow(Screen& screen);
    ~EyeDropperWindow() override;

    // Takes the picture of the screen, shows it full-screen and starts sampling.
    // The first sample comes with the first tick; nothing can be taken before.
    void Open();
    // Stops sampling, hides and emits closed(); nothing when not open.
    void Close();
    bool IsOpen() const { return m_open; }

    // One tick of the sampling timer: the pixel under the cursor is read and
    // shown in the panel.
    void Sample();
    // The same for a cursor position given in screen coordinates: every mouse
    // move over the picture samples at once.
    void SampleAt(const QPoint& cursor);
    // The colour the next capture takes: the last sample of this opening.
    std::optional<ColorRef> sampledColour() const { return m_sampled; }
    // The picture pixel sampled last.
    std::optional<QPoint> samplePixel() const { return m_pixel; }
    const ScreenPicture& picture() const { return m_picture; }
    EyeDropperPanel* panel() const { return m_panel; }
    // The 100 ms timer that calls Sample() (tests stop it and sample by hand).
    QTimer& samplingTimer() { return m_timer; }

signals:
    // A colour was taken; for a one-colour capture closed() follows.
    void taken(ColorRef colour);
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Take(bool thenClose);
    void MoveCursorBy(const QPoint& delta);
    // The pixel as the screen shows it now: the panel's own over the panel,
    // else the picture's; black outside.
    QRgb ShownPixel(const QPoint& pixel) const;
    QRect PanelPixels() const;

    Screen& m_screen;
    EyeDropperPanel* m_panel;
    QTimer m_timer;
    ScreenPicture m_picture;
    // The panel as drawn, taken while the magnifier reaches over it.
    QImage m_panelPicture;
    QRect m_panelPixels;
    std::optional<QPoint> m_pixel;
    // The cursor position m_pixel belongs to: while the cursor stays there, the
    // finer place an arrow key chose is kept.
    QPoint m_cursorSeen;
    std::optional<ColorRef> m_sampled;
    bool m_open = false;
};
