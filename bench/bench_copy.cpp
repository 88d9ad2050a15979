// Build times of the copy pictures and texts for a 10,000-colour list.
#include "colour/ColourText.h"
#include "copy/CopyPayload.h"
#include "copy/FastPng.h"

#include "BenchReport.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QStringList Entries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i) {
        const Rgb c{std::uint8_t(i * 37), std::uint8_t(i * 11), std::uint8_t(255 - i)};
        entries << FormatHashHex(c);
    }
    return entries;
}

// Runs `work` `runs` times; prints the first run (fresh memory) and the median.
void Measure(const char* name, int runs, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s first %8.1f ms   median %8.1f ms   best %8.1f ms  (%d runs)\n", name, first,
                ms[ms.size() / 2], ms.front(), runs);
    RecordFigure(name, ms[ms.size() / 2], "ms");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList entries = Entries(10000);
    const SwatchOptions big{60, 50, 15, true};
    const QSize size = SwatchesPictureSize(entries.size(), big);
    std::printf("10,000 colours; swatches %d x %d px, list 125 x 350000 px\n", size.width(),
                size.height());

    QImage swatches;
    Measure("swatches bitmap, 50 columns, 60 px, space 15", 7,
            [&] { swatches = BuildSwatchesBitmap(entries, big).image; });
    Measure("swatches bitmap, same, no outline", 5, [&] {
        swatches = BuildSwatchesBitmap(entries, SwatchOptions{60, 50, 15, false}).image;
    });
    Measure("swatches bitmap, defaults (20 px, 12 columns)", 5,
            [&] { BuildSwatchesBitmap(entries, SwatchOptions{}).image; });
    QByteArray wmf;
    Measure("swatches metafile, 50 columns, 60 px, space 15", 5,
            [&] { wmf = BuildSwatchesMetafile(entries, big).wmf; });
    std::printf("  metafile size %lld bytes\n", static_cast<long long>(wmf.size()));
    // What another program's request for image/png costs the user-interface thread.
    QByteArray png;
    Measure("PNG of the swatches, Qt's writer at its default setting", 1, [&] {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        swatches.save(&buffer, "PNG");
    });
    std::printf("  %lld bytes\n", static_cast<long long>(png.size()));
    Measure("PNG of the swatches, EncodeFastPng (on a worker thread)", 3,
            [&] { png = EncodeFastPng(swatches); });
    QImageReader::setAllocationLimit(0);
    const bool same = QImage::fromData(png, "PNG").convertToFormat(swatches.format()) == swatches;
    std::printf("  %lld bytes, reads back as the picture: %s\n", static_cast<long long>(png.size()),
                same ? "yes" : "NO");
    std::unique_ptr<QMimeData> payload;
    Measure("clipboard payload: metafile + bitmap", 1,
            [&] { payload = MetafileMimeData(wmf, [swatches] { return swatches; }); });
    Measure("  its image/png asked for at once (waits for the worker)", 1,
            [&] { payload->data(QStringLiteral("image/png")); });
    payload = BitmapMimeData(swatches);
    QThread::sleep(2);
    Measure("  bitmap payload's image/png asked for 2 s after copying", 1,
            [&] { payload->data(QStringLiteral("image/png")); });
    payload.reset();
    swatches = QImage();

    QImage list;
    Measure("list bitmap, 10,000 colours", 3, [&] { list = BuildListBitmap(entries).image; });
    std::printf("  list bitmap %s\n", list.isNull() ? "refused" : "built");
    list = QImage();
    Measure("list metafile, 936 colours (the 16-bit limit)", 5,
            [&] { BuildListMetafile(entries.mid(0, 936)); });

    CopyOptions all;
    all.css = CssOptions{true, true};
    all.html = HtmlOptions{true, true};
    all.value.checked.fill(true);
    for (CopyFormat format :
         {CopyFormat::Css, CopyFormat::Html, CopyFormat::Value, CopyFormat::Text}) {
        QString text;
        const QByteArray name = "text " + CopyFormatCaptions()[int(format)].toLatin1() +
                                ", every option, 10,000 colours";
        Measure(name.constData(), 5, [&] { text = BuildCopyPreview(format, entries, all).text; });
        std::printf("  %lld characters\n", static_cast<long long>(text.size()));
    }
    return 0;
}
