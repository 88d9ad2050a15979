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

bool IsPicture(CopyFormat format)
{
    return format == CopyFormat::Swatches || format == CopyFormat::List;
}

} // namespace

QStringList CopyFormatCaptions()
{
    return {QStringLiteral("Swatches (BMP - WMF)"), QStringLiteral("List (BMP - WMF)"),
            QStringLiteral("CSS"), QStringLiteral("HTML"), QStringLiteral("Value"),
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
    data->setImageData(image);
    return data;
}

std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, const QImage& rendering)
{
    auto data = std::make_unique<QMimeData>();
    for (const QString& type : WmfMimeTypes())
        data->setData(type, wmf);
    if (!rendering.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        rendering.save(&buffer, "PNG");
        data->setData(QStringLiteral("image/png"), png);
        data->setImageData(rendering);
    }
    return data;
}
