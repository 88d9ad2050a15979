#include "ui/features/PicturePaletteFeature.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/TextFile.h"
#include "ui/features/AppContext.h"
#include "ui/JpegImage.h"
#include "ui/windows/MainWindow.h"

#include <QFile>
#include <QImage>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace {

constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1A\n");
constexpr QByteArrayView kJpegSignature("\xFF\xD8\xFF");
// Decoding is the first fifth of the work as the progress bar shows it.
constexpr int kDecodedPercent = 20;

bool IsJpeg(QByteArrayView data)
{
    return data.startsWith(kJpegSignature);
}

// The picture as RGB32 or ARGB32. A JPEG decodes at a reduced size that still
// gives every sample its own pixel (the clustering looks at no more).
QImage DecodePicture(const QString& path)
{
    const FileReadResult read = ReadWholeFile(path);
    if (read.status != FileReadStatus::Loaded)
        return {};
    QImage image;
    if (IsJpeg(read.data))
        image = DecodeJpeg(read.data, kMaxPaletteSamples);
    if (image.isNull()) // a PNG, or a JPEG our decoder leaves to Qt's (CMYK)
        image = QImage::fromData(read.data);
    if (image.isNull())
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

} // namespace

std::optional<QList<PaletteColour>> ReadPicturePalette(const QString& path, int count,
                                                       const ClusterProgress& progress)
{
    const QImage image = DecodePicture(path);
    if (image.isNull())
        return std::nullopt;
    if (progress && !progress(kDecodedPercent))
        return QList<PaletteColour>();
    const PixelGrid grid{reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(),
                         image.height(), image.bytesPerLine() / 4};
    return PicturePalette(grid, count, [&progress](int percent) {
        return !progress || progress(kDecodedPercent + percent * (100 - kDecodedPercent) / 100);
    });
}

PicturePaletteFeature::PicturePaletteFeature(AppContext& context, QObject* parent)
    : QObject(parent), m_context(context)
{
    connect(&m_watcher, &QFutureWatcherBase::progressValueChanged, &m_context.mainWindow,
            &MainWindow::SetProgress);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &PicturePaletteFeature::Finish);
}

PicturePaletteFeature::~PicturePaletteFeature()
{
    m_waiting.clear();
    m_watcher.disconnect(this);
    m_watcher.cancel();
    m_watcher.waitForFinished();
}

bool PicturePaletteFeature::IsPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(kPngSignature.size());
    return head.startsWith(kPngSignature) || IsJpeg(head);
}

bool PicturePaletteFeature::isBusy() const
{
    return !m_current.path.isEmpty();
}

void PicturePaletteFeature::AddPaletteOf(const QString& path)
{
    const std::optional<QString> answer = m_context.platform.inputBox.GetText(
        &m_context.mainWindow, QStringLiteral("Palette from Picture"),
        QStringLiteral("How many colors (2 to 64)?"), m_lastCount);
    if (!answer)
        return;
    const std::optional<int> count = ParseInteger(*answer);
    if (!count) {
        m_context.platform.messages.Information(&m_context.mainWindow,
                                                IntegerConversionMessage(*answer));
        return;
    }
    if (*count < kMinPaletteColours || *count > kMaxPaletteColours) {
        m_context.platform.messages.Information(
            &m_context.mainWindow, QStringLiteral("The number of colors must be from 2 to 64."));
        return;
    }
    m_lastCount = QString::number(*count);
    m_waiting.append({path, *count});
    if (!isBusy())
        StartNext();
}

void PicturePaletteFeature::StartNext()
{
    if (m_waiting.isEmpty())
        return;
    m_current = m_waiting.takeFirst();
    m_context.mainWindow.ShowProgress(100);

    auto promise = std::make_shared<QPromise<Result>>();
    m_watcher.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, job = m_current] {
        promise->setProgressRange(0, 100);
        const std::optional<QList<PaletteColour>> colours =
            ReadPicturePalette(job.path, job.count, [&promise](int percent) {
                promise->setProgressValue(percent);
                return !promise->isCanceled();
            });
        promise->addResult(Result{colours.has_value(), colours.value_or(QList<PaletteColour>())});
        promise->finish();
    });
}

void PicturePaletteFeature::Finish()
{
    const Job job = m_current;
    m_current = Job();
    m_context.mainWindow.HideProgress();
    const Result result = m_watcher.future().resultCount() > 0 ? m_watcher.result() : Result();
    int added = 0;
    if (!result.decoded) {
        m_context.platform.messages.Information(&m_context.mainWindow,
                                                CannotOpenFileMessage(job.path));
    } else {
        for (const PaletteColour& colour : result.colours)
            added += m_context.colourList.AddDroppedColourToList(colour.colour) ? 1 : 0;
    }
    emit pictureDone(job.path, added);
    StartNext();
}
