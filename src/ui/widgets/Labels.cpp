#include "ui/widgets/Labels.h"

#include <QLabel>

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}
