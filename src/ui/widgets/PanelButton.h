#pragma once
// A flat panel used as a text button ("Save As", "OK", ...): flat when idle, a
// lowered bevel while the left button is down on it. It takes no focus unless its
// window gives it a focus policy (Qt::TabFocus); with the focus, Space, Enter and
// Return click it and a dotted frame shows inside its edge. Screen readers hear a
// button named by its caption, which they can press.

#include <QFrame>
#include <QString>

class PanelButton : public QFrame
{
    Q_OBJECT
public:
    PanelButton(const QString& text, QWidget* parent);

    void setText(const QString& text);
    // A black caption on the grey `grey`, grey, grey instead of the headings' grey.
    void SetFace(int grey);
    QString text() const;
    bool IsLowered() const;
    // What a click does: emits clicked().
    void click();

signals:
    // Left button released inside the panel.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetLowered(bool lowered);

    QString m_text;
};
