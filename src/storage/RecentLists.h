#pragma once
// The recent-lists store: full paths of colour list files that were loaded,
// oldest first, each stored once (letter case ignored), never the default list or
// an empty path; and beside each path the text the Reopen window shows for it.
// As a list model, Qt::DisplayRole is the display text and PathRole the path.

#include "storage/TextFile.h"

#include <QAbstractListModel>
#include <QDir>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The Reopen window's text for a path at start-up: folder part d (up to and
// including the last separator) and file name n give d + n when d is shorter than
// 12 characters, else the first 3 characters of d, "..", the last 7 of d, then n.
// '/' and `separator` both count as separators.
QString ReopenDisplayText(const QString& path, QChar separator = QDir::separator());

// The part after the last separator.
QString ListFileName(const QString& path, QChar separator = QDir::separator());

class RecentLists : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int PathRole = Qt::UserRole + 1;

    // `defaultListPath` (ProgramDirectory() + "default.cll") never enters the store.
    explicit RecentLists(const QString& defaultListPath, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int count() const { return int(m_paths.size()); }
    const QStringList& paths() const { return m_paths; }
    const QStringList& displayTexts() const { return m_displayTexts; }
    bool Contains(const QString& path) const;

    // A list was loaded from `path`: appended with its file name as display text,
    // unless empty, the default list (exact text) or already stored. True when added.
    bool AddLoadedList(const QString& path);
    // The Reopen window's creation: `currentListPath` is added under the same rule,
    // then every entry shows the shortened ReopenDisplayText.
    void PrepareReopenDisplay(const QString& currentListPath);
    void RemoveAt(int row);
    void ClearAll();

    // "colorlist.cl1": one path per line, in the local 8-bit encoding of file names
    // (EncodeFilePath). Loading replaces the store; empty lines, repeats and the
    // default list are left out. A missing or unreadable file (or one larger than
    // kMaxSmallFileBytes) leaves the store as it is. False when an existing file
    // could not be read; Save then refuses to write over it, so the paths it holds
    // are not lost.
    bool Load(const QString& path);
    FileWriteResult Save(const QString& path) const;
    // The file's content in memory, as Load takes it.
    void LoadData(QByteArrayView data);

private:
    bool Accepts(const QString& path) const;
    void Append(const QString& path, const QString& displayText);

    QString m_defaultListPath;
    QStringList m_paths;
    QStringList m_displayTexts;
    // Case-folded paths, for the ignoring-case test without a scan.
    QSet<QString> m_known;
    QString m_unreadPath; // a file that exists but could not be read
};
