#pragma once
// Pictures offered as image/bmp: a BMP file of 32 bits per pixel whose rows run
// top-down, so its pixels are laid out exactly as a Format_RGB32 image's. The
// picture and its file then share one block of memory: a list picture of
// 10,000 colours (175 MB) is held once, not once as an image and again as the
// 132 MB file Qt's clipboard would make of it on the user-interface thread.

#include <QByteArray>
#include <QImage>

struct BmpPicture
{
    QByteArray file; // the whole BMP file
    QImage image;    // Format_RGB32 over the file's pixels; keeps the file alive
};

// Copies `image` (converted to Format_RGB32 when needed) into a new BMP file. Both
// are null for a null image or when the memory cannot be had.
BmpPicture ToBmpPicture(const QImage& image);
