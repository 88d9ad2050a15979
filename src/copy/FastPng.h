#pragma once
// PNG written for speed rather than size, for pictures offered on the clipboard:
// 8-bit RGB, every row filtered against the row above, so a row repeating the one
// above is all zeros. The swatch grids are mostly such rows; their compressed
// form is made once and copied, and zlib (at its fastest level) only sees the
// rows that differ. A 3750 x 15060 grid takes some tens of milliseconds instead
// of seconds. Pictures with transparency go through Qt's own writer.

#include <QByteArray>
#include <QImage>

// Empty when the picture is null or encoding fails.
QByteArray EncodeFastPng(const QImage& image);
