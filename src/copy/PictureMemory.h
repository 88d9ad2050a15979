#pragma once
// Pixel memory for the copy pictures, which can run to hundreds of megabytes
// (10,000 list colours make 125 x 350,000 pixels).

#include <QImage>

// At most this many bytes of pixels per picture; larger pictures are refused.
constexpr qint64 kMaxPictureBytes = qint64(1) << 30;

// A white Format_RGB32 image, or a null one when it is larger than
// kMaxPictureBytes or the memory cannot be had.
QImage AllocateWhiteImage(qint64 width, qint64 height);
