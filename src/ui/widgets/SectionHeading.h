#pragma once
// The section headings of the windows (" Color Values", " Test Area" ...): 11-pixel
// Verdana, black on the light grey 219, 219, 219.

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

QLabel* MakeSectionHeading(QWidget* window, const QString& caption, const QRect& geometry);
