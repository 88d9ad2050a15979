#pragma once
// The splash window shown during start-up, and the pieces it shares with the
// About window: the product picture, the version line and the framed painting.

#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QPainter;
class Screen;

// "Version 1.3 (build N)": the version and build number compiled in.
QString VersionLine();

// The 589 x 500 product picture, decoded from the program's resources.
QImage ProductPicture();

// A 1-pixel black line around window's edges and the picture at 1, 1.
void PaintPictureWindow(QPainter& painter, const QWidget& window, const QImage& picture);

// The version line at 31, 432 in black 9-pixel Arial on a transparent background.
// Clicks pass through it to the window.
QLabel* AddVersionLabel(QWidget* window);

// Moves window so that it stands in the middle of a screen of the given size
// (integer halves, rounding towards zero).
void CentreOnScreen(QWidget& window, const Screen& screen);

class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    // Centred on the screen and ready to show.
    explicit SplashWindow(const Screen& screen, QWidget* parent = nullptr);

    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
