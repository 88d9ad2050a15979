#pragma once
// The 16-pixel silver title strip of every borderless window: white bold caption,
// small boxes ("X", "_", "?", the pin), drag-to-move and double-click.

#include <QLabel>
#include <QPoint>
#include <QTimer>
#include <QWidget>

// A 15 x 15 silver box on the strip with a hand cursor.
class ClickableBox : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableBox(const QString& text, QWidget* parent);

signals:
    // On release inside the box, with the button that was released.
    void clicked(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TitleStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Height = 16;
    static constexpr int BoxSize = 15;

    // window is the top-level widget that the strip moves; the strip becomes its child and
    // spans the width window has now (owners that resize the window resize the strip).
    explicit TitleStrip(const QString& caption, QWidget* window);

    void setCaptionFont(const QFont& font);
    void setCaption(const QString& caption);
    QString caption() const;

    // A box at `left` (pixels from the strip's left edge) showing text.
    ClickableBox* AddBox(const QString& text, int left);

    // True while the left button drags the window (either move loop).
    bool IsMoving() const;

signals:
    void doubleClicked();
    void moveFinished();
    void contextMenuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FinishSystemMove();

    QWidget* m_window;
    QLabel* m_caption;
    bool m_manualMove = false;
    bool m_systemMove = false;
    QPoint m_pressGlobal;
    QPoint m_windowStart;
    QTimer m_systemMoveSettle;
};
