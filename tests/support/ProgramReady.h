#pragma once
// For tests that start the built program: its start-up has finished once it
// answers on its local server (one per program folder).

#include "app/SingleInstance.h"
#include "storage/ProgramDirectory.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>

// True once the program started by `process` answers; false when it ended or did
// not answer within `timeoutMs`. `programFolder` is the folder exactly as the
// program names it (its executable's canonical folder, or the per-user folder).
inline bool WaitUntilReady(QProcess& process, const QString& programFolder, int timeoutMs = 30000)
{
    const QString name = InstanceServerName(WithTrailingSeparator(programFolder));
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(100))
            return true;
        process.waitForFinished(100);
    }
    return false;
}
