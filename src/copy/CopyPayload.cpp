#include "copy/CopyPayload.h"

#include "copy/BmpFile.h"
#include "copy/FastPng.h"
#include "copy/WorkerMimeData.h"

namespace {

PictureResult BitmapOf(CopyFormat format, const QStringList& entries, const CopyOptions& options)
{
    return BuiltInCopyFormat(format).picture->bitmap(entries, options);
}

QString BitmapProblem(CopyFormat format, const QStringList& entries, const CopyOptions& options)
{
    return format == CopyFormat::Swatches ? SwatchesBitmapProblem(entries, options.swatches)
                                          : ListBitmapProblem(entries);
}

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

int PreviewEntryCount(CopyFormat format, int count, const CopyOptions& options,
                      const PreviewArea& area)
{
    if (area.pixels.isEmpty())
        return count;
    // One row (or line) more than fits: the cut row is drawn whole.
    const auto rowsIn = [](int extent, int step) { return step > 0 ? extent / step + 2 : -1; };
    qint64 shown = -1;
    switch (format) {
    case CopyFormat::Swatches: {
        const SwatchOptions& swatches = options.swatches;
        const int rows = rowsIn(area.pixels.height(), swatches.size + swatches.space);
        if (rows > 0 && swatches.columns > 0)
            shown = qint64(rows) * swatches.columns;
        break;
    }
    case CopyFormat::List:
        shown = rowsIn(area.pixels.height(), kListSwatch);
        break;
    default:
        // Every entry makes at least one line.
        shown = area.lines + 1;
        break;
    }
    return shown < 0 ? count : int(qMin<qint64>(count, shown));
}

CopyPreview BuildCopyPreview(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats,
                             const PreviewArea& area)
{
    const QStringList shown =
        entries.mid(0, PreviewEntryCount(format, int(entries.size()), options, area));
    if (formats.IsPicture(format)) {
        if (shown.size() < entries.size()) {
            const QString problem = BitmapProblem(format, entries, options);
            if (!problem.isEmpty())
                return {QString(), QImage(), problem};
        }
        const PictureResult picture = BitmapOf(format, shown, options);
        return {QString(), picture.image, picture.error};
    }
    const CopyText text = formats.Text(format, shown, options);
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
    const QString problem = BitmapProblem(format, entries, options);
    if (!problem.isEmpty())
        return {nullptr, problem};
    // A list without colours has no picture: the clipboard is left empty.
    if (format == CopyFormat::List && entries.isEmpty())
        return {std::make_unique<QMimeData>(), QString()};
    auto paint = [format, entries, options] { return BitmapOf(format, entries, options).image; };
    const CopyPictureWriter& writer = *BuiltInCopyFormat(format).picture;
    if (options.*writer.kind == PictureKind::Bmp)
        return {PictureMimeData(paint), QString()};
    const MetafileResult metafile = writer.metafile(entries, options);
    if (!metafile.ok())
        return {nullptr, metafile.error};
    return {MetafileMimeData(metafile.wmf, paint), QString()};
}

std::unique_ptr<QMimeData> TextMimeData(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

std::unique_ptr<QMimeData> TextMimeDataFromWorker(std::function<QString()> make)
{
    auto data = std::make_unique<WorkerMimeData>();
    data->OfferFromWorker(QStringLiteral("text/plain"),
                          [make = std::move(make)] { return QVariant(make()); });
    return data;
}

std::unique_ptr<QMimeData> BitmapMimeData(const QImage& image)
{
    // An empty picture (no colours) leaves the clipboard empty.
    if (image.isNull())
        return std::make_unique<QMimeData>();
    return PictureMimeData([image] { return image; });
}

std::unique_ptr<QMimeData> PictureMimeData(std::function<QImage()> paint)
{
    auto data = std::make_unique<WorkerMimeData>();
    const ValuePromise image = MakeValuePromise();
    const ValuePromise bmp = MakeValuePromise();
    const ValuePromise png = MakeValuePromise();
    data->Offer(QStringLiteral("application/x-qt-image"), image->get_future().share());
    data->Offer(QStringLiteral("image/bmp"), bmp->get_future().share());
    data->Offer(QStringLiteral("image/png"), png->get_future().share());
    RunOnWorker([paint = std::move(paint), image, bmp, png] {
        // The painted picture is dropped once copied into the BMP file: the two
        // forms share that file's memory. Out of memory, the types are empty.
        BmpPicture picture;
        try {
            picture = ToBmpPicture(paint());
        } catch (...) {
        }
        image->set_value(picture.image.isNull() ? QVariant() : QVariant(picture.image));
        bmp->set_value(picture.file);
        QByteArray encoded;
        try {
            encoded = EncodeFastPng(picture.image);
        } catch (...) {
        }
        png->set_value(encoded);
    });
    return data;
}

std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, std::function<QImage()> paint)
{
    std::unique_ptr<QMimeData> data = PictureMimeData(std::move(paint));
    for (const QString& type : WmfMimeTypes())
        data->setData(type, wmf);
    return data;
}
