#pragma once
// The eye dropper's info panel, floating over the screen picture: the title strip
// "Eye Dropper" that drags it within the eye dropper window, the sample swatch,
// the value and hex readouts, the key help, the magnifier with the sampled
// pixel's place, the "X" box and the "Quit" button. It keeps its place and its
// texts from one opening to the next.

#include "colour/ColourValues.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

class ClickableBox;
class MagnifierView;
class PanelButton;
class QFrame;
class QLabel;
class TitleStrip;

class EyeDropperPanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kSize{206, 257};
    static constexpr QPoint kFirstPlace{16, 16};

    explicit EyeDropperPanel(QWidget* window);

    // Swatch and readouts for the sampled colour; the place is that of the pixel
    // in the screen picture. The magnifier is filled by the caller.
    void ShowSample(ColorRef colour, const QPoint& pixel);
    // Moves the panel back inside the window when it stands (partly) outside.
    void KeepInside();

    TitleStrip* titleStrip() const { return m_strip; }
    ClickableBox* closeBox() const { return m_closeBox; }
    PanelButton* quitButton() const { return m_quit; }
    QFrame* swatch() const { return m_swatch; }
    QLabel* valueReadout() const { return m_value; }
    QLabel* hexReadout() const { return m_hex; }
    QLabel* keyHelp() const { return m_keyHelp; }
    MagnifierView* magnifier() const { return m_magnifier; }

signals:
    // "X" or "Quit".
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Clicks on the panel are the panel's, never a capture on the picture below.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    TitleStrip* m_strip;
    ClickableBox* m_closeBox;
    QFrame* m_swatch;
    QLabel* m_value;
    QLabel* m_hex;
    QLabel* m_keyHelp;
    MagnifierView* m_magnifier;
    QLabel* m_place;
    PanelButton* m_quit;
};
