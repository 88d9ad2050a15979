#include "copy/CopyFormats.h"

#include <array>

namespace {

constexpr CopyPictureWriter kSwatchesWriter{
    [](const QStringList& entries, const CopyOptions& options) {
        return BuildSwatchesBitmap(entries, options.swatches);
    },
    [](const QStringList& entries, const CopyOptions& options) {
        return BuildSwatchesMetafile(entries, options.swatches);
    },
    &CopyOptions::swatchesKind};

constexpr CopyPictureWriter kListWriter{
    [](const QStringList& entries, const CopyOptions&) { return BuildListBitmap(entries); },
    [](const QStringList& entries, const CopyOptions&) { return BuildListMetafile(entries); },
    &CopyOptions::listKind};

// In the order of the format list, one row per CopyFormat.
constexpr std::array<CopyFormatRow, kBuiltInCopyFormats> kCopyFormats{{
    {CopyFormat::Swatches, "Swatches (BMP - WMF)", CopyOptionsPage::Swatches, nullptr,
     &kSwatchesWriter},
    {CopyFormat::List, "List (BMP - WMF)", CopyOptionsPage::List, nullptr, &kListWriter},
    {CopyFormat::Css, "CSS", CopyOptionsPage::Css,
     [](const QStringList& entries, const CopyOptions& options) {
         return CopyText{BuildCssText(entries, options.css), QString()};
     },
     nullptr},
    {CopyFormat::Html, "HTML", CopyOptionsPage::Html,
     [](const QStringList& entries, const CopyOptions& options) {
         return CopyText{BuildHtmlText(entries, options.html), QString()};
     },
     nullptr},
    {CopyFormat::Value, "Value", CopyOptionsPage::Value,
     [](const QStringList& entries, const CopyOptions& options) {
         return BuildValueText(entries, options.value);
     },
     nullptr},
    {CopyFormat::Text, "Text", CopyOptionsPage::Text,
     [](const QStringList& entries, const CopyOptions& options) {
         return BuildTextReport(entries, options.text);
     },
     nullptr},
}};

constexpr bool RowsMatchTheirFormats()
{
    for (int i = 0; i < kBuiltInCopyFormats; ++i) {
        const CopyFormatRow& row = kCopyFormats[i];
        if (int(row.format) != i || (row.text == nullptr) == (row.picture == nullptr))
            return false;
    }
    return true;
}
static_assert(RowsMatchTheirFormats(), "one row per CopyFormat, in order, text or picture");
static_assert(int(CopyOptionsPage::None) + 1 == kCopyOptionsPages,
              "kCopyOptionsPages counts the CopyOptionsPage values");

} // namespace

const CopyFormatRow& BuiltInCopyFormat(CopyFormat format)
{
    return kCopyFormats[size_t(format)];
}

CopyFormat CopyFormats::AddTextFormat(const QString& caption, TextWriter write)
{
    m_user.push_back({caption, std::move(write)});
    return CopyFormat(kBuiltInCopyFormats + int(m_user.size()) - 1);
}

const CopyFormats::UserFormat* CopyFormats::User(CopyFormat format) const
{
    const size_t index = size_t(int(format) - kBuiltInCopyFormats);
    return int(format) >= kBuiltInCopyFormats && index < m_user.size() ? &m_user[index] : nullptr;
}

int CopyFormats::count() const
{
    return kBuiltInCopyFormats + int(m_user.size());
}

QStringList CopyFormats::Captions() const
{
    QStringList captions;
    for (const CopyFormatRow& row : kCopyFormats)
        captions << QLatin1String(row.caption);
    for (const UserFormat& user : m_user)
        captions << user.caption;
    return captions;
}

bool CopyFormats::IsPicture(CopyFormat format) const
{
    return int(format) >= 0 && int(format) < kBuiltInCopyFormats &&
           BuiltInCopyFormat(format).picture != nullptr;
}

CopyOptionsPage CopyFormats::OptionsPage(CopyFormat format) const
{
    return int(format) >= 0 && int(format) < kBuiltInCopyFormats ? BuiltInCopyFormat(format).page
                                                                 : CopyOptionsPage::None;
}

CopyText CopyFormats::Text(CopyFormat format, const QStringList& entries,
                           const CopyOptions& options) const
{
    if (const UserFormat* user = User(format))
        return user->write(entries);
    if (int(format) < 0 || int(format) >= kBuiltInCopyFormats)
        return {};
    const CopyTextWriter write = BuiltInCopyFormat(format).text;
    return write ? write(entries, options) : CopyText{};
}
