#include "storage/RecentLists.h"

#include "storage/TextFile.h"

namespace {

qsizetype LastSeparator(const QString& path, QChar separator)
{
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(separator));
}

QString FoldCase(const QString& path)
{
    return path.toCaseFolded();
}

} // namespace

QString ReopenDisplayText(const QString& path, QChar separator)
{
    const qsizetype split = LastSeparator(path, separator) + 1;
    const QString folder = path.left(split);
    const QString name = path.mid(split);
    if (folder.size() < 12)
        return folder + name;
    return folder.left(3) + QStringLiteral("..") + folder.right(7) + name;
}

QString ListFileName(const QString& path, QChar separator)
{
    return path.mid(LastSeparator(path, separator) + 1);
}

RecentLists::RecentLists(const QString& defaultListPath, QObject* parent)
    : QAbstractListModel(parent), m_defaultListPath(defaultListPath)
{
}

int RecentLists::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RecentLists::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_displayTexts.at(index.row());
    if (role == PathRole)
        return m_paths.at(index.row());
    return QVariant();
}

bool RecentLists::Contains(const QString& path) const
{
    return m_known.contains(FoldCase(path));
}

bool RecentLists::Accepts(const QString& path) const
{
    return !path.isEmpty() && path != m_defaultListPath && !Contains(path);
}

void RecentLists::Append(const QString& path, const QString& displayText)
{
    beginInsertRows(QModelIndex(), count(), count());
    m_paths.append(path);
    m_displayTexts.append(displayText);
    m_known.insert(FoldCase(path));
    endInsertRows();
}

bool RecentLists::AddLoadedList(const QString& path)
{
    if (!Accepts(path))
        return false;
    Append(path, ListFileName(path));
    return true;
}

void RecentLists::PrepareReopenDisplay(const QString& currentListPath)
{
    if (Accepts(currentListPath))
        Append(currentListPath, QString());
    for (qsizetype row = 0; row < m_paths.size(); ++row)
        m_displayTexts[row] = ReopenDisplayText(m_paths.at(row));
    if (!m_paths.isEmpty())
        emit dataChanged(index(0), index(count() - 1), {Qt::DisplayRole});
}

void RecentLists::RemoveAt(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_known.remove(FoldCase(m_paths.at(row)));
    m_paths.removeAt(row);
    m_displayTexts.removeAt(row);
    endRemoveRows();
}

void RecentLists::ClearAll()
{
    beginResetModel();
    m_paths.clear();
    m_displayTexts.clear();
    m_known.clear();
    endResetModel();
}

bool RecentLists::Load(const QString& path)
{
    const FileReadResult read = ReadWholeFile(path, kMaxSmallFileBytes);
    if (read.status == FileReadStatus::Unreadable)
        m_unreadPath = path;
    if (read.status != FileReadStatus::Loaded)
        return read.status == FileReadStatus::Missing;
    if (m_unreadPath == path)
        m_unreadPath.clear();
    LoadData(read.data);
    return true;
}

void RecentLists::LoadData(QByteArrayView data)
{
    beginResetModel();
    m_paths.clear();
    m_displayTexts.clear();
    m_known.clear();
    for (QByteArrayView line : SplitTextLines(data)) {
        const QString stored = DecodeFilePath(line);
        if (Accepts(stored)) {
            m_paths.append(stored);
            m_displayTexts.append(ListFileName(stored));
            m_known.insert(FoldCase(stored));
        }
    }
    endResetModel();
}

FileWriteResult RecentLists::Save(const QString& path) const
{
    if (!m_unreadPath.isEmpty() && path == m_unreadPath)
        return {false, CannotOpenFileMessage(path)};
    QByteArray data;
    for (const QString& stored : m_paths) {
        data += EncodeFilePath(stored);
        data += "\r\n";
    }
    return WriteWholeFile(path, data);
}
