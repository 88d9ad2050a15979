#pragma once
// What the Copy window shows and what "Copy Now" hands to the clipboard, for
// every format, and the clipboard payloads themselves.

#include "copy/CopyFormats.h"

#include <QImage>
#include <QMimeData>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The items of the built-in format list: "Swatches (BMP - WMF)", ...
QStringList CopyFormatCaptions();

// The preview: the text of a text format, or the bitmap of a picture format
// (also for "WMF": the metafile is not shown). error holds a message to report.
struct CopyPreview
{
    QString text;
    QImage image;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
// The part of the preview that can be seen: the top-left `pixels` of a picture,
// the first `lines` lines of a text. An empty area stands for all of it.
struct PreviewArea
{
    QSize pixels;
    int lines = 0;
};
// How many of the first `count` entries can show in `area`: those beyond are left
// out of the preview, so 100,000 colours preview as fast as a dozen.
int PreviewEntryCount(CopyFormat format, int count, const CopyOptions& options,
                      const PreviewArea& area);
// A picture that cannot be made for all the entries (too large, say) gives its
// message, as "Copy Now" would, even though the preview holds fewer entries.
// `formats` holds the formats appended at run time.
CopyPreview BuildCopyPreview(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats = {},
                             const PreviewArea& area = {});

// "Copy Now": text as plain text; a picture as a bitmap, or as a metafile when
// "WMF" is chosen, built with the current options. The bitmap is painted on a
// worker thread (PictureMimeData); what would stop it is reported here.
struct CopyPayload
{
    std::unique_ptr<QMimeData> mimeData; // null when error is set
    QString error;
    bool ok() const { return error.isEmpty(); }
};
CopyPayload BuildCopyPayload(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats = {});

// The metafile's clipboard types: application/x-openoffice-wmf;windows_formatname=
// "Image WMF", image/x-wmf, image/wmf.
QStringList WmfMimeTypes();

std::unique_ptr<QMimeData> TextMimeData(const QString& text);
// Plain text that `make` writes on a worker thread from now on: a million colours
// are copied at once, and pasted as soon as the text is ready.
std::unique_ptr<QMimeData> TextMimeDataFromWorker(std::function<QString()> make);
// The picture as image data, image/bmp (BmpFile) and image/png (EncodeFastPng),
// all made on a worker thread from now on, so a program asking for any of them
// does not stall the windows.
std::unique_ptr<QMimeData> BitmapMimeData(const QImage& image);
// The same for a picture that `paint` makes on the worker thread first.
std::unique_ptr<QMimeData> PictureMimeData(std::function<QImage()> paint);
// The metafile under each WMF type, with the same picture as a bitmap, which
// `paint` makes as for PictureMimeData, for programs that take no metafiles.
std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, std::function<QImage()> paint);
