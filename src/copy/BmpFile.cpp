#include "copy/BmpFile.h"

#include <QtEndian>

#include <cstring>
#include <limits>
#include <new>

namespace {

// BITMAPFILEHEADER (14 bytes) and BITMAPINFOHEADER (40), then two bytes of
// padding: the pixels start on a 4-byte boundary, as QImage needs them.
constexpr int kPixelOffset = 56;

template <typename T> void Put(char* at, T value)
{
    qToLittleEndian(value, at);
}

} // namespace

BmpPicture ToBmpPicture(const QImage& source)
{
    if (source.isNull())
        return {};
    const QImage image = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    const qint64 rowBytes = qint64(image.width()) * 4;
    const qint64 pixelBytes = rowBytes * image.height();
    if (kPixelOffset + pixelBytes > std::numeric_limits<quint32>::max())
        return {};
    QByteArray file;
    try {
        file.resize(qsizetype(kPixelOffset + pixelBytes));
    } catch (const std::bad_alloc&) {
        return {};
    }
    char* out = file.data();
    std::memset(out, 0, kPixelOffset);
    out[0] = 'B';
    out[1] = 'M';
    Put<quint32>(out + 2, quint32(file.size()));
    Put<quint32>(out + 10, quint32(kPixelOffset));
    Put<quint32>(out + 14, 40);
    Put<qint32>(out + 18, image.width());
    Put<qint32>(out + 22, -image.height()); // negative: rows top-down
    Put<quint16>(out + 26, 1);              // planes
    Put<quint16>(out + 28, 32);             // bits per pixel; compression 0 = BI_RGB
    Put<quint32>(out + 34, quint32(pixelBytes));
    Put<qint32>(out + 38, 3780); // 96 dpi in pixels per metre
    Put<qint32>(out + 42, 3780);
    uchar* pixels = reinterpret_cast<uchar*>(out + kPixelOffset);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels + y * rowBytes, image.constScanLine(y), std::size_t(rowBytes));
    // The image holds its own reference to the file, so either may outlive the other.
    auto* keep = new QByteArray(file);
    BmpPicture picture;
    picture.image = QImage(
        pixels, image.width(), image.height(), qsizetype(rowBytes), QImage::Format_RGB32,
        [](void* held) { delete static_cast<QByteArray*>(held); }, keep);
    picture.file = file;
    return picture;
}
