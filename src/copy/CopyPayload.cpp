#include "copy/CopyPayload.h"

#include <QBuffer>

namespace {

CopyText TextOf(CopyFormat format, const QStringList& entries, const CopyOptions& options)
{
    switch (format) {
    case CopyFormat::Css:
        return {BuildCssText(entries, options.css), QString()};
    case CopyFormat::Html:
        return {BuildHtmlText(entries, options.html), QString()};
    case CopyFormat::Value:
        return BuildValueText(entries, options.value);
    case CopyFormat::Text:
        return BuildTextReport(entries, options.text);
    case CopyFormat::Swatches:
    case CopyFormat::List:
        break;
    }
    return {};
}

PictureResult BitmapOf(CopyFormat format, const QStringList& entries, const CopyOptions& options)
{
    return format == CopyFormat::Swatches ? BuildSwatchesBitmap(entries, options.swatches)
                                          : BuildListBitmap(entries);
}

// Offers image/png but encodes it only when a program asks for it: a grid of
// 10,000 swatches takes seconds to compress, and most pastes take the metafile
// or the image data instead.
class PngOnRequestMimeData : public QMimeData
{
public:
    explicit PngOnRequestMimeData(const QImage& image) : m_image(image) {}

    QStringList formats() const override
    {
        QStringList all = QMimeData::formats();
        if (!all.contains(pngType()))
            all << pngType();
        return all;
    }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        if (mimeType != pngType())
            return QMimeData::retrieveData(mimeType, type);
        if (m_png.isEmpty()) {
            QBuffer buffer(&m_png);
            buffer.open(QIODevice::WriteOnly);
            m_image.save(&buffer, "PNG");
        }
        return m_png;
    }

private:
    static QString pngType() { return QStringLiteral("image/png"); }

    QImage m_image;
    mutable QByteArray m_png;
};

bool IsPicture(CopyFormat format)
{
    return format == CopyFormat::Swatches || format == CopyFormat::List;
}

} // namespace

QStringList CopyFormatCaptions()
{
    return {QStringLiteral("Swatches (BMP - WMF)"),
            QStringLiteral("List (BMP - WMF)"),
            QStringLiteral("CSS"),
            QStringLiteral("HTML"),
            QStringLiteral("Value"),
            QStringLiteral("Text")};
}

QStringList WmfMimeTypes()
{
    return {QStringLiteral("application/x-openoffice-wmf;windows_formatname=\"Image WMF\""),
            QStringLiteral("image/x-wmf"), QStringLiteral("image/wmf")};
}

CopyPreview BuildCopyPreview(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options)
{
    if (IsPicture(format)) {
        const PictureResult picture = BitmapOf(format, entries, options);
        return {QString(), picture.image, picture.error};
    }
    const CopyText text = TextOf(format, entries, options);
    return {text.text, QImage(), text.error};
}

CopyPayload BuildCopyPayload(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options)
{
    if (!IsPicture(format)) {
        const CopyText text = TextOf(format, entries, options);
        if (!text.ok())
            return {nullptr, text.error};
        return {TextMimeData(text.text), QString()};
    }
    const PictureResult bitmap = BitmapOf(format, entries, options);
    if (!bitmap.ok())
        return {nullptr, bitmap.error};
    const PictureKind kind =
        format == CopyFormat::Swatches ? options.swatchesKind : options.listKind;
    if (kind == PictureKind::Bmp)
        return {BitmapMimeData(bitmap.image), QString()};
    const MetafileResult metafile = format == CopyFormat::Swatches
                                        ? BuildSwatchesMetafile(entries, options.swatches)
                                        : BuildListMetafile(entries);
    if (!metafile.ok())
        return {nullptr, metafile.error};
    return {MetafileMimeData(metafile.wmf, bitmap.image), QString()};
}

std::unique_ptr<QMimeData> TextMimeData(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

std::unique_ptr<QMimeData> BitmapMimeData(const QImage& image)
{
    auto data = std::make_unique<QMimeData>();
    // An empty picture (no colours) leaves the clipboard empty.
    if (!image.isNull())
        data->setImageData(image);
    return data;
}

std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, const QImage& rendering)
{
    std::unique_ptr<QMimeData> data;
    if (rendering.isNull()) {
        data = std::make_unique<QMimeData>();
    } else {
        data = std::make_unique<PngOnRequestMimeData>(rendering);
        data->setImageData(rendering);
    }
    for (const QString& type : WmfMimeTypes())
        data->setData(type, wmf);
    return data;
}
