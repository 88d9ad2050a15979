#pragma once
// Web test style files (".cls"): every colour, size, text and font of the Simple
// Web Page Test page as readable "name=value" lines, Latin-1 with CR LF after every
// line, written atomically. Example:
//
//   ; QB Kromi Web Test Style
//   header.colour=$0085E0C8            parts: header, footer, linkcolumn, body
//   border.colour=$00000000
//   header.height=49                   also footer.height, linkcolumn.width
//   headertext.text=My Web Site        texts: headertext, footertext, link1 .. link5,
//   headertext.font.name=Arial                pagetitle, bodytext
//   headertext.font.size=24            whole points, 1..1000
//   headertext.font.colour=$00000000
//   headertext.font.bold=1             also italic, underline, strikeout: 0 or 1
//   headertext.font.charset=1          0..255
//
// Colours are the packed text "$00BBGGRR" (any integer 0..$FFFFFF is read). Names
// ignore letter case; a name given twice takes its last value. Empty lines and
// lines starting with ";" are skipped.
//
// Text and font name values are taken exactly as they stand after the first "=",
// spaces included, with these escapes: "\\" a backslash, "\r" CR, "\n" LF, and
// "\uXXXX" (four hexadecimal digits) one UTF-16 code unit. The writer escapes
// every control character and every character outside Latin-1 that way (a
// character beyond U+FFFF as its two surrogates), so any text round-trips and the
// file stays 8-bit.

#include "state/WebPageStyle.h"
#include "storage/TextFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Larger files are refused unread: no style comes near it.
inline constexpr qint64 kMaxWebStyleFileBytes = 1 << 20;

struct WebStyleLoadResult
{
    enum class Status
    {
        Loaded, // the good lines were applied (perhaps none)
        Failed  // missing, unreadable or too large: nothing changed
    };
    Status status = Status::Loaded;
    // The first line that was not taken (no "=", unknown name, bad value, a size
    // that leaves no room for the body), numbered from 1; 0 when every line was good.
    int badLineNumber = 0;
    QString badLineText; // Latin-1, cut at 200 characters with "..." after
    // For a message box: the failure, or the first bad line; empty otherwise.
    QString error;
};

// The file's text: every value of the style, in a fixed order.
QByteArray WebStyleFileText(const WebPageStyle& style);

// Applies the lines of a file's text to `style`. Values on bad lines, and values
// without a line, stay as they were. The header height and footer height
// together must leave the body at least 1 pixel; otherwise both keep their
// values and the later of their lines is bad.
WebStyleLoadResult ApplyWebStyleText(QByteArrayView data, WebPageStyle& style);

// Reads a ".cls" file into `style` as ApplyWebStyleText does. A file that is
// missing, unreadable or larger than kMaxWebStyleFileBytes changes nothing and
// fails with "Cannot open file <path>" or a too-large message.
WebStyleLoadResult LoadWebStyleFile(const QString& path, WebPageStyle& style);

// Writes WebStyleFileText atomically; on failure the old file stays and the
// result carries the system's reason. A text larger than kMaxWebStyleFileBytes,
// which could not be loaded back, is refused and nothing is written.
FileWriteResult SaveWebStyleFile(const QString& path, const WebPageStyle& style);
