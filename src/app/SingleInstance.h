#pragma once
// One running copy per program folder: two copies would each write the list, the
// history and the settings at exit, and the last one would win. The first copy
// holds a lock file in the folder (a lock left by a copy that crashed is taken
// over); a later start hands its command line to it over a local socket and
// ends.

#include <QLockFile>
#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// The local socket name of the copy running in `programDirectory`: derived from
// the folder's path, short enough for any folder.
QString InstanceServerName(const QString& programDirectory);

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    static constexpr int kHandOverTimeoutMs = 10000;

    explicit SingleInstance(const QString& programDirectory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the folder's lock; false when another copy holds it. A folder where no
    // lock file can be made at all does not keep the program from running.
    bool TakeLock();
    // For a later copy: gives `arguments` (as QCoreApplication::arguments(), a
    // relative list path made absolute) to the running copy. False when it did
    // not answer within kHandOverTimeoutMs.
    bool HandOver(const QStringList& arguments) const;
    // For the running copy, once its start-up has finished: answers later copies.
    // A copy's readiness can be told by this answer.
    void Listen();

signals:
    // A later copy's command line, to be opened as the command line is at start.
    void argumentsReceived(const QStringList& arguments);

private:
    void ReadArguments(QLocalSocket* socket);

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};
