#pragma once
// JPEG pictures decoded with libjpeg itself, so the stored pictures do not
// depend on which image plugins the Qt installation happens to carry.

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a baseline or progressive JPEG (greyscale or colour) into an RGB32
// image. Anything libjpeg rejects or only warns about (corrupt or truncated
// data, an unsupported colour space such as CMYK) gives a null image. With
// `minPixels`, decoded at 1/2, 1/4 or 1/8 of its size as far as it keeps at least
// that many pixels: libjpeg scales while it decodes, far faster than scaling the
// whole picture afterwards.
QImage DecodeJpeg(const QByteArray& data, qint64 minPixels = 0);

// Reads a file or a Qt resource (":/...") and decodes it; a missing file gives
// a null image.
QImage LoadJpeg(const QString& path);
