#pragma once
// The picture of the main window's stay-on-top pin.

#include <QPixmap>
#include <QString>

// "top2.bmp" (on) or "top.bmp" (off) from the program directory when present, else
// the shipped default. programDirectory may end with a separator or not.
QPixmap LoadPinPicture(const QString& programDirectory, bool on);
