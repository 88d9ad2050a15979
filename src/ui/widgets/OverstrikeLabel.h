#pragma once
// A label that stays bold in a bitmap face. Qt thickens outline faces that lack a
// bold style itself, but draws a bitmap face such as "MS Sans Serif" (which has
// no bold strike) plain; this label then draws its text twice, one pixel apart,
// as the desktop has always drawn bold bitmap text.

#include <QLabel>

class OverstrikeLabel : public QLabel
{
    Q_OBJECT
public:
    OverstrikeLabel(const QString& text, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Overstrikes() const;

    bool m_overstrikes = false;
};
