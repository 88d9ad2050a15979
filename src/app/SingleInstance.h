#pragma once
// One running copy per program folder: two copies would each write the list, the
// history and the settings at exit, and the last one would win. The first copy
// holds a lock on a file in the folder; a later start hands its command line to
// it over a local socket and ends.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// The local socket name of the copy running in `programDirectory`: derived from
// the folder's path, short enough for any folder.
QString InstanceServerName(const QString& programDirectory);

// What a later copy tells the user when the running copy does not answer.
QString NoAnswerMessage(const QString& programDirectory);

enum class SendResult
{
    // Taken, and the copy's start-up has finished.
    Answered,
    // Taken while the copy is still starting (only without waitForStartUp).
    Received,
    NotListening,
    NoAnswer
};

// Sends a command line to the copy listening as `serverName`. A copy still
// starting (a start-up message may be showing) says so at once; with
// `waitForStartUp` the final answer is then awaited however long it takes.
SendResult SendArguments(const QString& serverName, const QStringList& arguments, int timeoutMs,
                         bool waitForStartUp = true);

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHandOverTimeoutMs = 10000;

    enum class HandOverResult
    {
        HandedOver,
        // The running copy ended meanwhile: this copy holds the lock now.
        LockTaken,
        NoAnswer
    };

    explicit SingleInstance(const QString& programDirectory,
                            int handOverTimeoutMs = kHandOverTimeoutMs, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder's lock; false only when another running copy holds it.
    // The lock is the kernel's (flock), so it ends with the copy that held it: a
    // lock file left by a crash or copied along with the folder holds nothing.
    // When the folder holds something else under the name (a pipe, a link, a
    // folder) or cannot hold a file, a lock in the user's runtime folder stands
    // in; when neither can be made, the program runs without one.
    bool TakeLock();
    // For a later copy: gives `arguments` (as QCoreApplication::arguments(), a
    // relative list path made absolute) to the running copy.
    HandOverResult HandOver(const QStringList& arguments);
    // For the running copy, from the start: takes what later copies send, also
    // while a start-up message shows, and delivers it through argumentsReceived.
    void Listen();
    // Start-up has finished: the copies waiting get their answer.
    void SetReady();
    // At shut-down: a later copy then waits for the lock instead of handing its
    // list to a copy that is ending.
    void StopListening();

signals:
    // A later copy's command line, to be opened as the command line is at start.
    void argumentsReceived(const QStringList& arguments);

private:
    void ReadArguments(QLocalSocket* socket);

    QString m_programDirectory;
    QString m_serverName;
    int m_handOverTimeoutMs;
    QString m_lockPath;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
    bool m_ready = false;
    QList<QPointer<QLocalSocket>> m_waiting;
};
