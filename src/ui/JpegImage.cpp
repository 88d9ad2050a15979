#include "ui/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

// libjpeg's default reaction to an error is exit(); jump back instead.
[[noreturn]] void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Warnings are counted in num_warnings and judged afterwards; nothing is printed.
void OutputMessage(j_common_ptr) {}

// Kept free of C++ objects with destructors: a longjmp out of libjpeg must not
// skip any. The image lives in the caller's frame and is only assigned here.
bool Decode(const unsigned char* bytes, unsigned long size, qint64 minPixels, QImage* image)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.output_message = OutputMessage;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
        info.jpeg_color_space != JCS_RGB) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = 1;
    while (minPixels > 0 && info.scale_denom < 8 &&
           qint64(info.image_width / (info.scale_denom * 2)) *
                   qint64(info.image_height / (info.scale_denom * 2)) >=
               minPixels)
        info.scale_denom *= 2;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    // A truncated file is padded by libjpeg with a warning: treat it as damaged.
    const bool clean = errors.base.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return clean;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, qint64 minPixels)
{
    if (data.isEmpty())
        return {};
    QImage image;
    if (!Decode(reinterpret_cast<const unsigned char*>(data.constData()),
                static_cast<unsigned long>(data.size()), minPixels, &image))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}
