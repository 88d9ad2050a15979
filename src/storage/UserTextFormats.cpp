#include "storage/UserTextFormats.h"

namespace {

QString Key(int number, const char* part)
{
    return QStringLiteral("textformat%1.%2").arg(number).arg(QLatin1String(part));
}

QString Encoded(const QString& value)
{
    // Printable ASCII stays readable; '%' itself and everything else is escaped.
    static const QByteArray keep = [] {
        QByteArray bytes;
        for (char c = ' '; c < 127; ++c)
            if (c != '%')
                bytes += c;
        return bytes;
    }();
    return QString::fromLatin1(value.toUtf8().toPercentEncoding(keep));
}

QString Decoded(const QString& value)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value.toLatin1()));
}

} // namespace

QVector<UserTextFormat> LoadUserTextFormats(const SettingsStore& settings)
{
    QVector<UserTextFormat> formats;
    for (int number = 1;; ++number) {
        const QString name = settings.GetSetting(Key(number, "name"));
        if (name.isEmpty())
            return formats;
        formats.append({Decoded(name), Decoded(settings.GetSetting(Key(number, "text")))});
    }
}

void SaveUserTextFormats(SettingsStore& settings, const QVector<UserTextFormat>& formats)
{
    int number = 1;
    for (const UserTextFormat& format : formats) {
        settings.SetSetting(Key(number, "name"), Encoded(format.name));
        settings.SetSetting(Key(number, "text"), Encoded(format.text));
        ++number;
    }
    // The numbers past the last format, left from a longer list.
    while (!settings.GetSetting(Key(number, "name")).isEmpty()) {
        settings.SetSetting(Key(number, "name"), QString());
        settings.SetSetting(Key(number, "text"), QString());
        ++number;
    }
}
