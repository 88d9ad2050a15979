#pragma once
// What the Copy window shows and what "Copy Now" hands to the clipboard, for
// every format, and the clipboard payloads themselves.

#include "copy/CopyFormats.h"

#include <QImage>
#include <QMimeData>
#include <QString>
#include <QStringList>

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
// `formats` holds the formats appended at run time.
CopyPreview BuildCopyPreview(CopyFormat format, const QStringList& entries,
                             const CopyOptions& options, const CopyFormats& formats = {});

// "Copy Now": text as plain text; a picture as a bitmap, or as a metafile when
// "WMF" is chosen, built here with the current options.
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
// The picture as image data, and as image/png encoded on a worker thread from now
// on (EncodeFastPng), so a program asking for the PNG does not stall the windows.
std::unique_ptr<QMimeData> BitmapMimeData(const QImage& image);
// The metafile under each WMF type, with `rendering` (the same picture as a
// bitmap) as image/png and as image data for programs that take no metafiles.
std::unique_ptr<QMimeData> MetafileMimeData(const QByteArray& wmf, const QImage& rendering);
