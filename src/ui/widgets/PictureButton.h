#pragma once
// A 32 x 32 tool bar button: a normal and a highlighted picture, its hint as a
// tooltip. Reports presses with their button and clicks (left press and release
// inside).

#include <QPixmap>
#include <QWidget>

class PictureButton : public QWidget
{
    Q_OBJECT
public:
    PictureButton(QWidget* parent, int left, const QString& pictureName, const QString& hint);

    bool IsHighlighted() const { return m_highlighted; }
    void SetHighlighted(bool highlighted);

signals:
    void pressed(Qt::MouseButton button);
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_normal;
    QPixmap m_highlight;
    bool m_highlighted = false;
};
