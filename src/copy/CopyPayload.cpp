#include "copy/CopyPayload.h"

#include "copy/FastPng.h"

#include <QThreadPool>

#include <future>

namespace {

// Offers image/png encoded on a worker thread from the moment of copying. A grid
// of 10,000 swatches took a second to compress at the default setting, all of it
// on the user-interface thread when another program asked for the PNG; now it is
// usually ready by the time anyone pastes, and a request that comes sooner waits
// only for the rest.
class PngOnRequestMimeData : public QMimeData
{
public:
    explicit PngOnRequestMimeData(const QImage& image)
    {
        auto promise = std::make_shared<std::promise<QByteArray>>();
        m_png = promise->get_future().share();
        // The task keeps its own promise: the clipboard may drop this data first.
        QThreadPool::globalInstance()->start(
            [image, promise] { promise->set_value(EncodeFastPng(image)); });
    }

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
        return m_png.get();
    }

private:
    static QString pngType() { return QStringLiteral("image/png"); }

    std::shared_future<QByteArray> m_png;
};

} // namespace

QStringList CopyFormatCaptions()
{
    return CopyFormats().Captions();
}

QStringList WmfMimeTypes()
{
    return {QStringLiteral("application/x-openoffice-wmf;windows_formatname=\"Image WMF\""),
            QStringLiteral("image/x-wmf"), QStringLiteral("image/wmf")};
}

CopyPreview BuildCopyPreview(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats)
{
    if (formats.IsPicture(format)) {
        const PictureResult picture = BuiltInCopyFormat(format).picture->bitmap(entries, options);
        return {QString(), picture.image, picture.error};
    }
    const CopyText text = formats.Text(format, entries, options);
    return {text.text, QImage(), text.error};
}

CopyPayload BuildCopyPayload(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats)
{
    if (!formats.IsPicture(format)) {
        const CopyText text = formats.Text(format, entries, options);
        if (!text.ok())
            return {nullptr, text.error};
        return {TextMimeData(text.text), QString()};
    }
    const CopyPictureWriter& writer = *BuiltInCopyFormat(format).picture;
    const PictureResult bitmap = writer.bitmap(entries, options);
    if (!bitmap.ok())
        return {nullptr, bitmap.error};
    if (options.*writer.kind == PictureKind::Bmp)
        return {BitmapMimeData(bitmap.image), QString()};
    const MetafileResult metafile = writer.metafile(entries, options);
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
    // An empty picture (no colours) leaves the clipboard empty.
    if (image.isNull())
        return std::make_unique<QMimeData>();
    auto data = std::make_unique<PngOnRequestMimeData>(image);
    data->setImageData(image);
    return data;
}

std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, const QImage& rendering)
{
    std::unique_ptr<QMimeData> data = BitmapMimeData(rendering);
    for (const QString& type : WmfMimeTypes())
        data->setData(type, wmf);
    return data;
}
