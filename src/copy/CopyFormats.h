#pragma once
// The formats of the Copy window in one table: caption, text or picture, the
// options page the window shows, and the writer. A new built-in format is one
// CopyFormat value and one row in CopyFormats.cpp (the build fails when they
// disagree); a format made at run time (a user's template) is appended to a
// CopyFormats with AddTextFormat and needs no options page.

#include "copy/CopyPictures.h"
#include "copy/CopyText.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The built-in formats in list order; formats appended at run time follow as
// CopyFormat(kBuiltInCopyFormats + n). A new built-in format is a value here and
// a row in the table.
enum class CopyFormat
{
    Swatches,
    List,
    Css,
    Html,
    Value,
    Text,
    FirstAppended
};
constexpr int kBuiltInCopyFormats = int(CopyFormat::FirstAppended);

enum class PictureKind
{
    Bmp,
    Wmf
};

// Every option of the Copy window, at its defaults.
struct CopyOptions
{
    SwatchOptions swatches;
    PictureKind swatchesKind = PictureKind::Bmp;
    PictureKind listKind = PictureKind::Bmp;
    CssOptions css;
    HtmlOptions html;
    ValueOptions value;
    TextOptions text;
};

// The options pages of the Copy window, in the order it builds them; None is an
// empty page, for formats without options.
enum class CopyOptionsPage
{
    Swatches,
    List,
    Css,
    Html,
    Value,
    Text,
    None
};
constexpr int kCopyOptionsPages = 7;

// A text format's writer: the text of the source entries ("#RRGGBB"), or the
// message of the first entry it cannot convert.
using CopyTextWriter = CopyText (*)(const QStringList& entries, const CopyOptions& options);

// A picture format's writers: the bitmap (also the preview), the metafile, and
// which option chooses between them.
struct CopyPictureWriter
{
    PictureResult (*bitmap)(const QStringList& entries, const CopyOptions& options);
    MetafileResult (*metafile)(const QStringList& entries, const CopyOptions& options);
    PictureKind CopyOptions::*kind;
};

// One row of the table: exactly one of `text` and `picture` is set.
struct CopyFormatRow
{
    CopyFormat format;
    const char* caption; // the item of the format list
    CopyOptionsPage page;
    CopyTextWriter text;
    const CopyPictureWriter* picture;
};

// The built-in formats and those appended at run time. Default-constructed it
// holds the built-in ones only, and costs nothing to make.
class CopyFormats
{
public:
    // A run-time text format: the text of the source entries.
    using TextWriter = std::function<CopyText(const QStringList& entries)>;

    // Appends a text format without options; gives its CopyFormat.
    CopyFormat AddTextFormat(const QString& caption, TextWriter write);

    int count() const;
    // The items of the format list in their order: "Swatches (BMP - WMF)", ...
    QStringList Captions() const;
    bool IsPicture(CopyFormat format) const;
    CopyOptionsPage OptionsPage(CopyFormat format) const;
    // The text of a text format, with the message of an entry it cannot convert.
    CopyText Text(CopyFormat format, const QStringList& entries, const CopyOptions& options) const;

private:
    struct UserFormat
    {
        QString caption;
        TextWriter write;
    };
    const UserFormat* User(CopyFormat format) const;

    std::vector<UserFormat> m_user;
};

// The row of a built-in format.
const CopyFormatRow& BuiltInCopyFormat(CopyFormat format);
