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

// A raw deflate stream (no zlib header or checksum) at the fastest level,
// appending what it makes to `out`.
class RawDeflater
{
public:
    explicit RawDeflater(QByteArray& out) : m_out(out)
    {
        m_ok =
            deflateInit2(&m_stream, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~RawDeflater()
    {
        if (m_ok)
            deflateEnd(&m_stream);
    }
    RawDeflater(const RawDeflater&) = delete;
    RawDeflater& operator=(const RawDeflater&) = delete;

    // Z_FULL_FLUSH ends byte-aligned with nothing after referring back past it.
    bool Write(const std::vector<unsigned char>& data, int flush)
    {
        return Write(data.data(), data.size(), flush);
    }
    bool Write(const unsigned char* data, std::size_t size, int flush)
    {
        if (!m_ok)
            return false;
        unsigned char buffer[64 * 1024];
        m_stream.next_in = const_cast<Bytef*>(data);
        m_stream.avail_in = uInt(size);
        int result = Z_OK;
        do {
            m_stream.next_out = buffer;
            m_stream.avail_out = sizeof buffer;
            result = deflate(&m_stream, flush);
            if (result == Z_STREAM_ERROR)
                return m_ok = false;
            m_out.append(reinterpret_cast<const char*>(buffer),
                         qsizetype(sizeof buffer - m_stream.avail_out));
        } while (m_stream.avail_in > 0 || m_stream.avail_out == 0 ||
                 (flush == Z_FINISH && result != Z_STREAM_END));
        return true;
    }

private:
    QByteArray& m_out;
    z_stream m_stream{};
    bool m_ok = false;
};

} // namespace

QByteArray EncodeFastPng(const QImage& image)
{
    if (image.isNull())
        return QByteArray();
    if (image.hasAlphaChannel())
        return EncodeWithQt(image);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const std::size_t rowBytes = 1 + 3 * std::size_t(width);

    // A row equal to the one above filters to zeros. Its compressed form is made
    // once and copied for every such row: flushed in full it is byte-aligned and
    // refers to nothing outside itself. Swatch grids are mostly such rows, so
    // next to nothing is left for zlib.
    std::vector<unsigned char> repeatRow(rowBytes, 0);
    repeatRow[0] = kUpFilter;
    QByteArray repeatBlock;
    const bool repeatReady = RawDeflater(repeatBlock).Write(repeatRow, Z_FULL_FLUSH);
    const uLong repeatAdler = adler32(adler32(0, nullptr, 0), repeatRow.data(), uInt(rowBytes));

    QByteArray stream("\x78\x01", 2); // zlib header: deflate, 32K window, fastest
    RawDeflater rows(stream);
    bool ok = repeatReady;
    bool atBlockEnd = true;
    uLong adler = adler32(0, nullptr, 0);
    std::vector<unsigned char> previous(rowBytes, 0), current(rowBytes), filtered(rowBytes, 0);
    filtered[0] = kUpFilter;
    for (int y = 0; y < rgb.height() && ok; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        if (y > 0 && std::memcmp(pixels, rgb.constScanLine(y - 1), 4 * std::size_t(width)) == 0) {
            if (!atBlockEnd)
                ok = rows.Write(nullptr, 0, Z_FULL_FLUSH);
            atBlockEnd = true;
            stream.append(repeatBlock);
            adler = adler32_combine(adler, repeatAdler, z_off_t(rowBytes));
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
        ok = rows.Write(filtered, Z_NO_FLUSH);
        atBlockEnd = false;
        adler = adler32(adler, filtered.data(), uInt(rowBytes));
    }
    if (!ok || !rows.Write(nullptr, 0, Z_FINISH))
        return QByteArray();
    AppendBigEndian(stream, quint32(adler));

    QByteArray header(13, '\0');
    qToBigEndian(quint32(width), header.data());
    qToBigEndian(quint32(rgb.height()), header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", stream);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}
