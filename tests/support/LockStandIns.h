#pragma once
// What a program folder may hold under the lock file's name instead of a lock:
// one table for the lock tests in-process and on the real program.

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

// The rows: a named pipe, a link to a device, a folder; "copied" (a lock file
// copied from a running copy's folder) is made by each test its own way.
inline void AddLockStandInRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to a device") << "device";
    QTest::newRow("folder") << "folder";
    QTest::newRow("copied from a running copy's folder") << "copied";
}

// Makes `kind` at `lock`; false for "copied" and on failure.
inline bool MakeLockStandIn(const QString& kind, const QString& lock)
{
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(QFile::encodeName(lock).constData(), 0644) == 0;
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), lock);
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(lock);
    return false;
}
