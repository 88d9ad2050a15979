#pragma once
// Where the colour list goes at exit. The list is written over a file only when
// the program read that file in full (or wrote it) and the file still holds just
// that; a changed list that has no such file of its own (a palette, a start-up
// list that failed to load, a file another program changed since) goes to a new
// file that overwrites nothing, and the next start loads it and says where it
// went. An unchanged list is never written over anything.

#include <QString>
#include <QStringList>

class ColourList;

enum class ListExitAction
{
    Nothing, // unchanged, or nowhere to go
    Write,   // over `path`, which holds what the list was read from, or nothing
    NewFile  // into a new file, `path` as it would be named now
};

struct ListExitPlan
{
    ListExitAction action = ListExitAction::Nothing;
    QString path;
};

// `defaultList` is where a list without a current list path goes; a list of a
// palette goes to "<palette name>.cll" beside it.
ListExitPlan PlanListExit(const ColourList& list, const QString& defaultList);

struct ListExitResult
{
    QString path;      // where the list went; empty when it was not written
    QStringList notes; // to tell at the next start
};

// Carries out `plan`, made by PlanListExit for the same list and default list. A
// list that cannot be written where planned goes to a new file beside the default
// list. `keepFolder` takes the old content of a file that can only be written in
// place (WriteWholeFileKeepingOld).
ListExitResult WriteListAtExit(const ColourList& list, const ListExitPlan& plan,
                               const QString& defaultList, const QString& keepFolder);

// Notes for the next start, kept in a small file: appended at exit, read and
// removed at start.
void AddPendingNotes(const QString& file, const QStringList& notes);
QStringList TakePendingNotes(const QString& file);
