#pragma once
// The About window: the product picture with the version line. A click on the
// picture closes it; the area at its lower right opens the project's web page.

#include <QImage>
#include <QWidget>

class Shell;
class Screen;

class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char* WebPage = "https://qbkromi.example.org/";

    // picture: the splash's; the window is centred on the screen here, once.
    AboutWindow(const QImage& picture, const Screen& screen, Shell& shell,
                QWidget* parent = nullptr);

    // Shows the window application-modal: other windows take no input until it hides.
    // Returns at once; the window hides itself on a click on the picture.
    void ShowModal();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage m_picture;
    Shell& m_shell;
    QWidget* m_webArea;
};
