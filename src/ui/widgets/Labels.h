#pragma once
// Plain text labels placed at a fixed position, sized to their text.

#include <QString>

class QLabel;
class QWidget;

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top);
