#include "storage/ListExitWrite.h"

#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/ColourListFile.h"
#include "storage/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QLatin1String kListExtension("cll");

// The file the list stands for: its current list path or the default list.
QString TargetOf(const ColourList& list, const QString& defaultList)
{
    return list.CurrentListPath().isEmpty() ? defaultList : list.CurrentListPath();
}

// Where a new file for the list goes: "<palette name>.cll" beside the default
// list, or the target's name numbered beside the target.
QString NewFileFor(const ColourList& list, const QString& target, const QString& defaultList)
{
    if (!list.OriginName().isEmpty())
        return FreeFileName(QFileInfo(defaultList).absolutePath(), list.OriginName(),
                            kListExtension);
    const QFileInfo info(target);
    return FreeFileName(info.absolutePath(), info.completeBaseName(), kListExtension);
}

// Why the list went to the new file `saved`, for the next start.
QString NewFileNote(const ColourList& list, const QString& target, const QString& saved)
{
    if (!list.OriginName().isEmpty())
        return QStringLiteral("The color list taken from the palette '%1' was changed; it was "
                              "saved as '%2'.")
            .arg(QuotedValue(list.OriginName()), QuotedValue(saved));
    if (list.FileStamp().path == target)
        return QStringLiteral("'%1' was changed by another program while the color list was "
                              "open. Both are kept: your changes were saved as '%2'.")
            .arg(QuotedValue(target), QuotedValue(saved));
    return QStringLiteral("'%1' holds colors this program did not load, so it was not "
                          "written over: your color list was saved as '%2'.")
        .arg(QuotedValue(target), QuotedValue(saved));
}

} // namespace

ListExitPlan PlanListExit(const ColourList& list, const QString& defaultList)
{
    const QString target = TargetOf(list, defaultList);
    const bool exists = PathTaken(target);
    if (!list.IsChanged()) {
        // Only a list named for a file that does not exist yet is written
        // unchanged: that creates the file and overwrites nothing.
        const bool create = !exists && !list.IsNotReadInFull() && list.FileStamp().path != target &&
                            list.OriginName().isEmpty();
        return {create ? ListExitAction::Write : ListExitAction::Nothing, target};
    }
    const bool ownFile = list.FileStamp().path == target && ListFileIsUnchanged(list.FileStamp());
    if (list.OriginName().isEmpty() && (!exists || ownFile))
        return {ListExitAction::Write, target};
    return {ListExitAction::NewFile, NewFileFor(list, target, defaultList)};
}

ListExitResult WriteListAtExit(const ColourList& list, const ListExitPlan& plan,
                               const QString& defaultList, const QString& keepFolder)
{
    if (plan.action == ListExitAction::Nothing)
        return {};
    const QString target = TargetOf(list, defaultList);
    const QByteArray data = ColourListFileText(list);
    FileWriteResult failed;
    QString path = plan.path;
    if (plan.action == ListExitAction::Write) {
        failed = WriteWholeFileKeepingOld(target, data, keepFolder);
        if (failed)
            return {target, {}};
        path = FreeFileName(QFileInfo(defaultList).absolutePath(),
                            QFileInfo(target).completeBaseName(), kListExtension);
    }
    // Into the planned place, or else beside the default list.
    FileWriteResult created = CreateNewFile(path, data);
    if (!created) {
        path = FreeFileName(QFileInfo(defaultList).absolutePath(),
                            QFileInfo(path).completeBaseName(), kListExtension);
        created = CreateNewFile(path, data);
    }
    QString note;
    if (plan.action == ListExitAction::Write) {
        note = QStringLiteral("The color list could not be saved to '%1' (%2).")
                   .arg(QuotedValue(target), failed.error);
        if (!failed.keptCopy.isEmpty())
            note += QStringLiteral(" Its earlier content is kept in '%1'.")
                        .arg(QuotedValue(failed.keptCopy));
    } else if (created) {
        note = NewFileNote(list, target, path);
    }
    if (!created) {
        note += QStringLiteral(" The changed color list could not be saved anywhere (%1).")
                    .arg(created.error);
        return {QString(), {note.trimmed()}};
    }
    if (plan.action == ListExitAction::Write)
        note += QStringLiteral(" It was saved as '%1'.").arg(QuotedValue(path));
    return {path, {note}};
}

// The notes hold paths: UTF-8, unlike the program's 8-bit files.
void AddPendingNotes(const QString& file, const QStringList& notes)
{
    if (notes.isEmpty())
        return;
    const FileReadResult read = ReadWholeFile(file, kMaxSmallFileBytes);
    QByteArray data = read.status == FileReadStatus::Loaded ? read.data : QByteArray();
    for (const QString& note : notes)
        data += note.toUtf8() + "\r\n";
    WriteWholeFile(file, data);
}

QStringList TakePendingNotes(const QString& file)
{
    const FileReadResult read = ReadWholeFile(file, kMaxSmallFileBytes);
    if (read.status == FileReadStatus::Missing)
        return {};
    // Removed whatever it holds, so that a broken file is not shown at every start.
    QFile::remove(file);
    QStringList notes;
    for (QByteArrayView line : SplitTextLines(read.data))
        notes << QString::fromUtf8(line);
    return notes;
}
