// The built program on a real X server (no window manager): it ends whatever is
// open, a later start is never left with nothing, whatever stands under the lock
// file's name, and a list handed over during Save As waits for the dialog.
#include "support/LockStandIns.h"
#include "support/ProgramReady.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

QString Xdo(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(10000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

// The visible windows of process `pid` whose name matches `pattern`.
QStringList Windows(qint64 pid, const QString& pattern)
{
    return Xdo({"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name",
                pattern})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString WaitForWindow(qint64 pid, const QString& pattern)
{
    QString window;
    [[maybe_unused]] const bool found = QTest::qWaitFor(
        [&] {
            window = Windows(pid, pattern).value(0);
            return !window.isEmpty();
        },
        30000);
    return window;
}

void Key(const QString& window, const QString& key)
{
    Xdo({"windowfocus", "--sync", window});
    Xdo({"key", key});
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Counts the times a file named `name` appears in `folder` (each save renames a
// new file into place).
class WriteCounter
{
public:
    WriteCounter(const QString& folder, QByteArray name) : m_name(std::move(name))
    {
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~WriteCounter() { ::close(m_fd); }
    int Count()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len && m_name == event->name)
                    ++m_count;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_count;
    }

private:
    QByteArray m_name;
    int m_fd;
    int m_count = 0;
};

// The settings file names `list` in `dir` as the list to open next.
bool LastListIs(const QTemporaryDir& dir, const char* list)
{
    const QString path = QFileInfo(dir.filePath(QLatin1String(list))).canonicalFilePath();
    return ReadFile(dir.filePath(QStringLiteral("set.set")))
        .contains("\r\nlastcll=" + path.toUtf8() + "\r\n");
}

const QByteArray kRedList("255,0,0           #FF0000 - 0000FF\r\n");

} // namespace

class X11LifecycleTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void theProgramEndsWhateverIsOpen_data();
    void theProgramEndsWhateverIsOpen();
    void aLaterStartDuringAStartUpMessage();
    void aLaterStartWhenTheRunningCopyDoesNotAnswer();
    void whateverStandsUnderTheLockName_data();
    void whateverStandsUnderTheLockName();
    void aListHandedOverDuringSaveAsWaits();

private:
    void Start(QProcess& process, const QString& folder, const QStringList& arguments = {});
    // Started and showing its main window; the main window's id.
    QString StartShown(QProcess& process, const QString& folder);
    void EndSession(QProcess& process);
};

void X11LifecycleTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
}

void X11LifecycleTest::Start(QProcess& process, const QString& folder, const QStringList& arguments)
{
    const QString program = folder + QStringLiteral("/qbkromi");
    if (!QFile::exists(program))
        QVERIFY(QFile::copy(QStringLiteral(KROMI_PROGRAM_PATH), program));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    QVERIFY(process.waitForStarted());
}

QString X11LifecycleTest::StartShown(QProcess& process, const QString& folder)
{
    Start(process, folder);
    // Before, the splash bears the program's name too.
    if (!WaitUntilReady(process, QFileInfo(folder).canonicalFilePath()))
        return QString();
    return WaitForWindow(process.processId(), QStringLiteral("^QB Kromi$"));
}

void X11LifecycleTest::EndSession(QProcess& process)
{
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

void X11LifecycleTest::theProgramEndsWhateverIsOpen_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("sigterm");
    // The eye dropper hides the main window, so its "X" cannot be clicked then.
    QTest::newRow("Eye Dropper, SIGTERM") << QStringList{"F1"} << true;
    QTest::newRow("Shape Test, X") << QStringList{"F7"} << false;
    QTest::newRow("Shape Test, SIGTERM") << QStringList{"F7"} << true;
    QTest::newRow("Web Page Test, X") << QStringList{"F8"} << false;
    QTest::newRow("Copy, SIGTERM") << QStringList{"F5"} << true;
    QTest::newRow("Reopen, X") << QStringList{"F11"} << false;
    QTest::newRow("all but the Eye Dropper, X") << QStringList{"F7", "F8", "F11"} << false;
    // The Copy window is modal: no key reaches the main window after it.
    QTest::newRow("all with Copy, SIGTERM") << QStringList{"F7", "F8", "F11", "F5"} << true;
    QTest::newRow("all with the Eye Dropper, SIGTERM")
        << QStringList{"F7", "F8", "F11", "F1"} << true;
}

void X11LifecycleTest::theProgramEndsWhateverIsOpen()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, sigterm);
    QTemporaryDir dir;
    WriteCounter settingsWrites(dir.path(), "set.set");
    QProcess process;
    const QString main = StartShown(process, dir.path());
    QVERIFY(!main.isEmpty());
    for (const QString& key : keys) {
        const int before = Windows(process.processId(), QStringLiteral(".")).size();
        Key(main, key);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return key == QLatin1String("F1")
                           ? !Windows(process.processId(), QStringLiteral("^Eye Dropper")).isEmpty()
                           : Windows(process.processId(), QStringLiteral(".")).size() > before;
            },
            20000));
    }
    if (sigterm) {
        EndSession(process);
    } else {
        const QString geometry = Xdo({"getwindowgeometry", "--shell", main});
        QMap<QString, int> values;
        for (const QString& line : geometry.split(QLatin1Char('\n')))
            values[line.section(QLatin1Char('='), 0, 0)] =
                line.section(QLatin1Char('='), 1).toInt();
        // The "X" box stands 18 pixels from the right edge of the title strip.
        const int x = values["X"] + values["WIDTH"] - 12, y = values["Y"] + 6;
        // Tool windows may cover it; there is no window manager to raise it on a click.
        Xdo({"windowraise", main});
        Xdo({"mousemove", QString::number(x), QString::number(y)});
        Xdo({"click", "1"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);
    }
    QCOMPARE(settingsWrites.Count(), 1);
    QVERIFY(ReadFile(dir.filePath(QStringLiteral("set.set"))).contains("\r\n1.left="));
}

// The later start is answered at once; its list opens once the message is closed.
void X11LifecycleTest::aLaterStartDuringAStartUpMessage()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("set.set")),
              "Settings\r\nlastcll=" + dir.filePath(QStringLiteral("gone.cll")).toUtf8() + "\r\n");
    WriteFile(dir.filePath(QStringLiteral("default.cll")), QByteArray());
    WriteFile(dir.filePath(QStringLiteral("red.cll")), kRedList);
    QProcess first;
    Start(first, dir.path());
    // Taken from the message box's event loop, before start-up has finished.
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    const QString name = InstanceServerName(WithTrailingSeparator(folder));
    QVERIFY(QTest::qWaitFor(
        [&] { return SendArguments(name, {}, 1000, false) == SendResult::Received; }, 30000));
    // Where the splash bears the same name, the message box is the later window.
    QStringList named;
    QVERIFY(QTest::qWaitFor(
        [&] {
            return !(named = Windows(first.processId(), QStringLiteral("^QB Kromi$"))).isEmpty();
        },
        30000));
    const QString message = named.constLast();
    QVERIFY(!message.isEmpty());
    QProcess second;
    Start(second, dir.path(), {QStringLiteral("red.cll")});
    // Still waiting, past the time after which it would give up on a copy that
    // does not answer.
    QVERIFY(!second.waitForFinished(SingleInstance::kHandOverTimeoutMs + 2000));
    Key(message, QStringLiteral("Return"));
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(WaitUntilReady(first, folder));
    EndSession(first);
    QVERIFY(LastListIs(dir, "red.cll"));
}

// A running copy that is stopped: the later start says so in a message box.
void X11LifecycleTest::aLaterStartWhenTheRunningCopyDoesNotAnswer()
{
    QTemporaryDir dir;
    QProcess first;
    QVERIFY(!StartShown(first, dir.path()).isEmpty());
    ::kill(pid_t(first.processId()), SIGSTOP);
    QProcess second;
    Start(second, dir.path());
    const QString box = WaitForWindow(second.processId(), QStringLiteral("^QB Kromi$"));
    QVERIFY(!box.isEmpty());
    Key(box, QStringLiteral("Return"));
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 1);
    ::kill(pid_t(first.processId()), SIGCONT);
    EndSession(first);
}

void X11LifecycleTest::whateverStandsUnderTheLockName_data()
{
    AddLockStandInRows();
}

// The program starts, shows its window and ends as always.
void X11LifecycleTest::whateverStandsUnderTheLockName()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("qbkromi.lock"));
    QTemporaryDir original;
    QProcess running;
    if (kind == QLatin1String("copied")) {
        QVERIFY(!StartShown(running, original.path()).isEmpty());
        QVERIFY(QFile::copy(original.filePath(QStringLiteral("qbkromi.lock")), lock));
    } else {
        QVERIFY(MakeLockStandIn(kind, lock));
    }
    QProcess process;
    QVERIFY(!StartShown(process, dir.path()).isEmpty());
    EndSession(process);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("set.set"))));
    if (running.state() == QProcess::Running)
        EndSession(running);
}

// Save As is open when a later start hands over a list: the dialog writes the
// list the user saw, then the handed-over one opens.
void X11LifecycleTest::aListHandedOverDuringSaveAsWaits()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("red.cll")), kRedList);
    QProcess first;
    const QString main = StartShown(first, dir.path());
    QVERIFY(!main.isEmpty());
    Key(main, QStringLiteral("ctrl+a"));
    Key(main, QStringLiteral("ctrl+s"));
    const QString dialog = WaitForWindow(first.processId(), QStringLiteral("^Save"));
    QVERIFY(!dialog.isEmpty());
    QProcess second;
    Start(second, dir.path(), {QStringLiteral("red.cll")});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    Xdo({"windowfocus", "--sync", dialog});
    Xdo({"type", dir.filePath(QStringLiteral("chosen.cll"))});
    Key(dialog, QStringLiteral("Return"));
    const QString chosen = dir.filePath(QStringLiteral("chosen.cll"));
    QVERIFY(QTest::qWaitFor([&] { return QFile::exists(chosen); }, 20000));
    const QByteArray written = ReadFile(chosen);
    QVERIFY(written.contains("06A7FF"));
    QVERIFY(!written.contains("FF0000"));
    EndSession(first);
    QVERIFY(LastListIs(dir, "red.cll"));
}

QTEST_GUILESS_MAIN(X11LifecycleTest)
#include "tst_x11_lifecycle.moc"
