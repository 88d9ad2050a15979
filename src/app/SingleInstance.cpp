#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// More is no command line: a copy that sends it is cut off.
constexpr qint64 kMaxMessageBytes = 1 << 20;
// Taken, and the copy's start-up has finished.
constexpr char kAnswer = '1';
// Taken while the copy is starting (a start-up message may be showing): the
// answer follows when its start-up has finished.
constexpr char kBusy = 'w';

QStringList WithAbsoluteListPath(QStringList arguments)
{
    if (arguments.size() >= 2 && !arguments.at(1).isEmpty())
        arguments[1] = QFileInfo(arguments.at(1)).absoluteFilePath();
    return arguments;
}

enum class LockState
{
    Held,
    Busy,
    Unusable
};

// Locks the regular file at `path`, made when missing. Never opens anything that
// could block (a pipe) or never end (a device behind a link).
LockState LockFile(const QString& path, int& lockFd)
{
    const QByteArray name = QFile::encodeName(path);
    // A copy ending removes its file; one opened just before that is retried.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0)
            return LockState::Unusable;
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return LockState::Unusable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? LockState::Busy : LockState::Unusable;
        }
        struct stat named;
        if (::stat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            lockFd = fd;
            return LockState::Held;
        }
        ::close(fd);
    }
    return LockState::Unusable;
}

} // namespace

QString InstanceServerName(const QString& programDirectory)
{
    const QByteArray hash =
        QCryptographicHash::hash(programDirectory.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("qbkromi-") + QString::fromLatin1(hash.toHex().left(24));
}

QString NoAnswerMessage(const QString& programDirectory)
{
    return QStringLiteral("QB Kromi is already running in the folder\r%1\rbut does not answer.\r\r"
                          "Close that copy (or end it in the system monitor if it does not "
                          "react), then start QB Kromi again.")
        .arg(QDir::toNativeSeparators(programDirectory));
}

SendResult SendArguments(const QString& serverName, const QStringList& arguments, int timeoutMs,
                         bool waitForStartUp)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << arguments;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return SendResult::NotListening;
    socket.write(message);
    char answer = 0;
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())) ||
        !socket.waitForReadyRead(int(deadline.remainingTime())) || !socket.getChar(&answer))
        // Hung up without answering: that copy is ending.
        return socket.state() == QLocalSocket::ConnectedState ? SendResult::NoAnswer
                                                              : SendResult::NotListening;
    if (answer == kBusy && waitForStartUp) {
        // It answers; how long its start-up takes is up to the user.
        if (!socket.waitForReadyRead(-1) || !socket.getChar(&answer))
            return SendResult::NotListening;
    }
    if (answer == kBusy)
        return SendResult::Received;
    return answer == kAnswer ? SendResult::Answered : SendResult::NoAnswer;
}

SingleInstance::SingleInstance(const QString& programDirectory, int handOverTimeoutMs,
                               QObject* parent)
    : QObject(parent), m_programDirectory(programDirectory),
      m_serverName(InstanceServerName(programDirectory)), m_handOverTimeoutMs(handOverTimeoutMs)
{
}

SingleInstance::~SingleInstance()
{
    if (m_lockFd < 0)
        return;
    // Removed while still locked; a copy that opened it meanwhile sees that it
    // is gone and tries again.
    ::unlink(QFile::encodeName(m_lockPath).constData());
    ::close(m_lockFd);
}

bool SingleInstance::TakeLock()
{
    if (m_lockFd >= 0)
        return true;
    QString path = m_programDirectory + QStringLiteral("qbkromi.lock");
    for (int place = 0; place < 2; ++place) {
        switch (LockFile(path, m_lockFd)) {
        case LockState::Held:
            m_lockPath = path;
            return true;
        case LockState::Busy:
            return false;
        case LockState::Unusable:
            break;
        }
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (runtime.isEmpty())
            break;
        path = runtime + QLatin1Char('/') + m_serverName + QStringLiteral(".lock");
    }
    return true;
}

SingleInstance::HandOverResult SingleInstance::HandOver(const QStringList& arguments)
{
    const QStringList sent = WithAbsoluteListPath(arguments);
    const QDeadlineTimer deadline(m_handOverTimeoutMs);
    while (!deadline.hasExpired()) {
        switch (SendArguments(m_serverName, sent, int(deadline.remainingTime()))) {
        case SendResult::Answered:
        case SendResult::Received:
            return HandOverResult::HandedOver;
        case SendResult::NoAnswer:
            return HandOverResult::NoAnswer;
        case SendResult::NotListening:
            break;
        }
        // Not listening yet, or no more: it starts or ends.
        if (TakeLock())
            return HandOverResult::LockTaken;
        QThread::msleep(50);
    }
    // A copy that took the command line during its start-up may have ended since.
    return TakeLock() ? HandOverResult::LockTaken : HandOverResult::NoAnswer;
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

void SingleInstance::SetReady()
{
    m_ready = true;
    for (QLocalSocket* socket : std::as_const(m_waiting)) {
        if (socket) {
            socket->putChar(kAnswer);
            socket->flush();
        }
    }
    m_waiting.clear();
}

void SingleInstance::StopListening()
{
    if (m_server)
        m_server->close();
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
    if (m_ready) {
        socket->putChar(kAnswer);
    } else {
        socket->putChar(kBusy);
        m_waiting << socket;
    }
    socket->flush();
    // Opened after the answer is on its way: opening may ask a question.
    QMetaObject::invokeMethod(
        this, [this, arguments] { emit argumentsReceived(arguments); }, Qt::QueuedConnection);
}
