#include "copy/FastPng.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <cstring>
#include <vector>

#include <zlib.h>

namespace {

constexpr unsigned char kUpFilter = 2;

void AppendBigEndian(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    AppendBigEndian(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* typed = reinterpret_cast<const Bytef*>(out.constData() + start);
    AppendBigEndian(out, quint32(crc32(0, typed, uInt(out.size() - start))));
}

QByteArray EncodeWithQt(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // For PNG the quality picks the zlib level; 80 is the fastest one that compresses.
    writer.setQuality(80);
    return writer.write(image) ? png : QByteArray();
}

// Deflates `row` into `out`; false on a zlib failure.
bool Deflate(z_stream& stream, const unsigned char* row, std::size_t size, int flush,
             QByteArray& out)
{
    unsigned char buffer[64 * 1024];
    stream.next_in = const_cast<Bytef*>(row);
    stream.avail_in = uInt(size);
    do {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        const int result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR)
            return false;
        out.append(reinterpret_cast<const char*>(buffer),
                   qsizetype(sizeof buffer - stream.avail_out));
        if (result == Z_STREAM_END)
            return true;
    } while (stream.avail_in > 0 || stream.avail_out == 0 || flush == Z_FINISH);
    return true;
}

} // namespace

QByteArray EncodeFastPng(const QImage& image)
{
    if (image.isNull())
        return QByteArray();
    if (image.hasAlphaChannel())
        return EncodeWithQt(image);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();

    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(height), header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB

    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return QByteArray();
    QByteArray compressed;
    const std::size_t rowBytes = 1 + 3 * std::size_t(width);
    std::vector<unsigned char> previous(rowBytes, 0), current(rowBytes), filtered(rowBytes, 0);
    filtered[0] = kUpFilter;
    const std::vector<unsigned char> repeatRow = filtered;
    bool ok = true;
    for (int y = 0; y < height && ok; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        if (y > 0 && std::memcmp(pixels, rgb.constScanLine(y - 1), 4 * std::size_t(width)) == 0) {
            ok = Deflate(stream, repeatRow.data(), rowBytes, Z_NO_FLUSH, compressed);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            unsigned char* to = &current[1 + 3 * std::size_t(x)];
            to[0] = static_cast<unsigned char>(qRed(pixels[x]));
            to[1] = static_cast<unsigned char>(qGreen(pixels[x]));
            to[2] = static_cast<unsigned char>(qBlue(pixels[x]));
        }
        for (std::size_t i = 1; i < rowBytes; ++i)
            filtered[i] = static_cast<unsigned char>(current[i] - previous[i]);
        previous.swap(current);
        ok = Deflate(stream, filtered.data(), rowBytes, Z_NO_FLUSH, compressed);
    }
    ok = ok && Deflate(stream, nullptr, 0, Z_FINISH, compressed);
    deflateEnd(&stream);
    if (!ok)
        return QByteArray();

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", compressed);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}
