#include "storage/SettingsStore.h"

#include "colour/ColourText.h"
#include "storage/TextFile.h"

namespace {

bool IsDecimalInteger(const QString& text)
{
    int i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (i >= text.size())
        return false;
    for (; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

SettingsStore::SettingsStore() : m_lines{QStringLiteral("Settings")} {}

int SettingsStore::FindKey(const QString& name) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString SettingsStore::GetSetting(const QString& name) const
{
    const int index = FindKey(name);
    if (index < 0)
        return QString();
    const QString& line = m_lines.at(index);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void SettingsStore::SetSetting(const QString& name, const QString& value)
{
    const int index = FindKey(name);
    if (value.isEmpty()) {
        if (index >= 0)
            m_lines.removeAt(index);
        return;
    }
    const QString line = name + QLatin1Char('=') + value;
    if (index >= 0)
        m_lines[index] = line;
    else
        m_lines.append(line);
}

QString SettingsStore::GetPathSetting(const QString& name) const
{
    // The store's lines are Latin-1, one character per byte of the file.
    return DecodeFilePath(GetSetting(name).toLatin1());
}

void SettingsStore::SetPathSetting(const QString& name, const QString& path)
{
    SetSetting(name, QString::fromLatin1(EncodeFilePath(path)));
}

SettingsLoadResult SettingsStore::Load(const QString& path)
{
    const FileReadResult read = ReadWholeFile(path, kMaxSmallFileBytes);
    switch (read.status) {
    case FileReadStatus::Missing:
        return {SettingsLoadResult::Status::Missing, {}};
    case FileReadStatus::Unreadable:
        m_unreadPath = path;
        return {SettingsLoadResult::Status::Unreadable, read.error};
    case FileReadStatus::Loaded:
        break;
    }
    LoadData(read.data);
    if (m_unreadPath == path)
        m_unreadPath.clear();
    return {SettingsLoadResult::Status::Loaded, {}};
}

void SettingsStore::LoadData(QByteArrayView data)
{
    m_lines = DecodeTextLines(data);
}

FileWriteResult SettingsStore::Save(const QString& path) const
{
    if (!m_unreadPath.isEmpty() && path == m_unreadPath)
        return {false, CannotOpenFileMessage(path)};
    return WriteTextFileLines(path, m_lines);
}

PositionSetting SettingsStore::SettingAsPosition(const QString& name) const
{
    const QString value = GetSetting(name);
    if (value.isEmpty())
        return {};
    if (!IsDecimalInteger(value))
        return {std::nullopt, IntegerConversionMessage(value)};
    const std::optional<int> number = ParseInteger(value);
    if (!number)
        return {std::nullopt, IntegerConversionMessage(value)};
    return {number, {}};
}
