#pragma once
// The settings store: ordered text lines, "name=value" lines defining keys, held
// for the whole run and written back to "set.set" at exit. Key names compare
// ignoring letter case; the first occurrence of a key counts.

#include "storage/TextFile.h"

#include <QString>
#include <QStringList>

#include <optional>

struct SettingsLoadResult
{
    enum class Status
    {
        Missing,
        Loaded,
        Unreadable
    };
    Status status = Status::Missing;
    QString error; // "Cannot open file <path>" when Unreadable
};

// A value read as a window position: empty means "not set", anything else must be
// a decimal integer.
struct PositionSetting
{
    std::optional<int> value; // set only for a valid, non-empty value
    QString error;            // "'<value>' is not a valid integer value"
};

class SettingsStore
{
public:
    // Holds the single line "Settings" until a file is loaded.
    SettingsStore();

    // The value of the first line whose name equals `name` ignoring case, or "".
    QString GetSetting(const QString& name) const;
    // Non-empty value: replaces the key's first line in place, or appends
    // name=value. Empty value: removes the key's first line. The name is written
    // exactly as given.
    void SetSetting(const QString& name, const QString& value);
    // A file path kept in a key ("lastcll"): stored in the local 8-bit encoding of
    // file names (EncodeFilePath), so that any path survives; the file's other
    // lines stay Latin-1, and a pure ASCII path is stored as before.
    QString GetPathSetting(const QString& name) const;
    void SetPathSetting(const QString& name, const QString& path);

    // The file's lines replace the store entirely (at most kMaxSmallFileBytes). A
    // missing file keeps the store as it is. A file that exists but cannot be read also keeps the
    // store, and Save then refuses to write over it, so values never read are not lost.
    SettingsLoadResult Load(const QString& path);
    // The file's content in memory: its lines replace the store.
    void LoadData(QByteArrayView data);
    // Writes every line (Latin-1, CR LF) atomically. False when refused or failed.
    FileWriteResult Save(const QString& path) const;

    // "1.left", "shp.top" and the other position keys.
    PositionSetting SettingAsPosition(const QString& name) const;

    const QStringList& lines() const { return m_lines; }

private:
    int FindKey(const QString& name) const;

    QStringList m_lines;
    QString m_unreadPath; // a settings file that exists but could not be read
};
