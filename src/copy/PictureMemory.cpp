#include "copy/PictureMemory.h"

#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

#ifdef Q_OS_LINUX
constexpr qint64 kHugePage = qint64(2) << 20;
// Large pictures are written once, top to bottom: backing them with huge pages
// saves one page fault per 4 KB, most of their build time.
constexpr qint64 kHugePageThreshold = qint64(8) << 20;

QImage LargeImage(int width, int height)
{
    const qint64 bytesPerLine = qint64(width) * 4;
    const qint64 size = (bytesPerLine * height + kHugePage - 1) / kHugePage * kHugePage;
    void* pixels = nullptr;
    if (posix_memalign(&pixels, std::size_t(kHugePage), std::size_t(size)) != 0)
        return QImage();
    madvise(pixels, std::size_t(size), MADV_HUGEPAGE);
    return QImage(
        static_cast<uchar*>(pixels), width, height, qsizetype(bytesPerLine), QImage::Format_RGB32,
        [](void* p) { std::free(p); }, pixels);
}
#endif

} // namespace

QImage AllocateWhiteImage(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0 || width * height * 4 > kMaxPictureBytes)
        return QImage();
#ifdef Q_OS_LINUX
    QImage image = width * height * 4 >= kHugePageThreshold
                       ? LargeImage(int(width), int(height))
                       : QImage(int(width), int(height), QImage::Format_RGB32);
#else
    QImage image(int(width), int(height), QImage::Format_RGB32);
#endif
    if (!image.isNull())
        image.fill(Qt::white);
    return image;
}
