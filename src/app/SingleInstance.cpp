#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {

// More is no command line: a copy that sends it is cut off.
constexpr qint64 kMaxMessageBytes = 1 << 20;
constexpr char kAnswer = '1';

QStringList WithAbsoluteListPath(QStringList arguments)
{
    if (arguments.size() >= 2 && !arguments.at(1).isEmpty())
        arguments[1] = QFileInfo(arguments.at(1)).absoluteFilePath();
    return arguments;
}

} // namespace

QString InstanceServerName(const QString& programDirectory)
{
    const QByteArray hash =
        QCryptographicHash::hash(programDirectory.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("qbkromi-") + QString::fromLatin1(hash.toHex().left(24));
}

SingleInstance::SingleInstance(const QString& programDirectory, QObject* parent)
    : QObject(parent), m_serverName(InstanceServerName(programDirectory)),
      m_lock(programDirectory + QStringLiteral("qbkromi.lock"))
{
    // Only a lock whose copy is no longer running is stale, however old it is.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::TakeLock()
{
    return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
}

bool SingleInstance::HandOver(const QStringList& arguments) const
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << WithAbsoluteListPath(arguments);
    // The running copy answers once its start-up has finished.
    const QDeadlineTimer deadline(kHandOverTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(message);
            if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
                return false;
            char answer = 0;
            return socket.waitForReadyRead(int(deadline.remainingTime())) &&
                   socket.getChar(&answer) && answer == kAnswer;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::Listen()
{
    if (m_server)
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket left behind by a copy that crashed is stale.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        return;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this,
                    [this, socket] { ReadArguments(socket); });
        }
    });
}

void SingleInstance::ReadArguments(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessageBytes) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.startTransaction();
    QStringList arguments;
    in >> arguments;
    if (!in.commitTransaction())
        return;
    socket->putChar(kAnswer);
    socket->flush();
    // Opened after the answer is on its way: opening may ask a question.
    QMetaObject::invokeMethod(
        this, [this, arguments] { emit argumentsReceived(arguments); }, Qt::QueuedConnection);
}
