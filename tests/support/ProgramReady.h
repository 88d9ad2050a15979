#pragma once
// For tests that start the built program: its start-up has finished once it
// answers a command line on its local server (one per program folder).

#include "app/SingleInstance.h"
#include "storage/ProgramDirectory.h"

#include <QDeadlineTimer>
#include <QProcess>

// True once the program started by `process` answers; false when it ended or did
// not answer within `timeoutMs`. `programFolder` is the folder exactly as the
// program names it (its executable's canonical folder, or the per-user folder).
inline bool WaitUntilReady(QProcess& process, const QString& programFolder, int timeoutMs = 30000)
{
    const QString name = InstanceServerName(WithTrailingSeparator(programFolder));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        // An empty command line only brings its main window to the front.
        if (SendArguments(name, {}, 1000) == SendResult::Answered)
            return true;
        process.waitForFinished(100);
    }
    return false;
}
