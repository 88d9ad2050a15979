#pragma once
// "Export as HTML" of the Simple Web Page Test: the page as one standalone HTML
// document with its CSS in a <style> element, laid out with absolute positions at
// the window's pixel geometry (LayOutWebPage): a 385 x 297 page at the document's
// top-left corner whose own background is the border colour, so the border shows
// in the 2-pixel gaps between the parts, as in the window. Each text sits at its
// place in its part, in its font and colour; parts clip their texts.
//
// The document is ASCII with CR LF line ends: every user text is HTML-escaped
// (& < > " ') and every character beyond ASCII is a numeric character reference,
// so it reads the same whatever encoding a browser assumes. Element ids: page,
// header, footer, linkcolumn, body, headertext, footertext, link1 .. link5,
// pagetitle, bodytext.

#include "state/WebPageStyle.h"
#include "storage/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// The document.
QByteArray ExportWebPageAsHtml(const WebPageStyle& style);

// Writes the document atomically; on failure the result carries the system's reason.
FileWriteResult SaveWebPageAsHtml(const QString& path, const WebPageStyle& style);

// Text for HTML content or attribute values: & < > " ' as references, characters
// beyond ASCII as "&#N;", line breaks (CR LF, LF, CR) as "&#10;"; other control
// characters, which no page shows, are left out, and an unpaired surrogate
// becomes U+FFFD.
QString HtmlEscaped(QStringView text);

// The CSS declarations of a font: font-family (the name as a CSS string with every
// character but letters, digits, space, "-" and "_" hex-escaped, then a generic
// family), font-size in points, font-weight, font-style, text-decoration and color.
// The character set has no CSS counterpart and is left out.
QString CssFontDeclarations(const FontSpec& font);
