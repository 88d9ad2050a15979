#pragma once
// PNG written for speed rather than size, for pictures offered on the clipboard:
// 8-bit RGB, every row filtered against the row above (so a row repeating the one
// above is all zeros, which the swatch grids are mostly made of) and deflated at
// zlib's fastest level. A 3750 x 15060 grid takes a fraction of the time of the
// general writer. Pictures with transparency go through Qt's own writer.

#include <QByteArray>
#include <QImage>

// Empty when the picture is null or encoding fails.
QByteArray EncodeFastPng(const QImage& image);
