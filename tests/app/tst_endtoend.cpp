// The built program in a fresh folder of its own: start, end the session, read
// back what it wrote.
#include "support/ProgramReady.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class EndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void firstRunWritesTheSettings();
    void handEditedSettingsAreUsedAndKept();
    void oneCopyPerProgramFolder();
    void sessionEndDuringAStartUpMessage();

private:
    // Starts the program in `folder` (copied there on first use).
    void Start(QProcess& process, const QString& folder, const QStringList& arguments = {});
    // Runs the program until it has started, then ends it as a session end does.
    void RunOnce(const QString& folder);
    void EndSession(QProcess& process);
    QByteArray ReadFile(const QString& path) const;
};

void EndToEndTest::Start(QProcess& process, const QString& folder, const QStringList& arguments)
{
    const QString program = folder + QStringLiteral("/qbkromi");
    if (!QFile::exists(program))
        QVERIFY(QFile::copy(QStringLiteral(KROMI_PROGRAM_PATH), program));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    QVERIFY(process.waitForStarted());
}

void EndToEndTest::EndSession(QProcess& process)
{
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

void EndToEndTest::RunOnce(const QString& folder)
{
    QProcess process;
    Start(process, folder);
    QVERIFY(WaitUntilReady(process, QFileInfo(folder).canonicalFilePath()));
    EndSession(process);
}

QByteArray EndToEndTest::ReadFile(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EndToEndTest::firstRunWritesTheSettings()
{
    QTemporaryDir dir;
    RunOnce(dir.path());
    const QByteArray written = ReadFile(dir.filePath(QStringLiteral("set.set")));
    const QList<QByteArray> lines = written.split('\n');
    QStringList keys;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY(lines[i].endsWith('\r'));
        keys << QString::fromLatin1(lines[i].chopped(1).split('=').first());
    }
    QVERIFY(lines.last().isEmpty()); // CR LF after the last line too
    QCOMPARE(keys, (QStringList{"Settings", "showtext", "copy.left", "copy.top", "var.left",
                                "var.top", "copy.prew", "1.left", "1.top", "shp.left", "shp.top",
                                "web.left", "web.top", "smallwheel"}));
}

void EndToEndTest::handEditedSettingsAreUsedAndKept()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("set.set")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "Settings\r\nhelp=help/qbkromi-help.html\r\n1.left=10\r\n1.top=20\r\nsmallwheel=1\r\n");
    file.close();
    RunOnce(dir.path());
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("set.set"))),
             QByteArray("Settings\r\nhelp=help/qbkromi-help.html\r\n1.left=10\r\n1.top=20\r\n"
                        "smallwheel=1\r\nshowtext=0\r\ncopy.left=298\r\ncopy.top=182\r\n"
                        "var.left=347\r\nvar.top=235\r\ncopy.prew=0\r\nshp.left=267\r\n"
                        "shp.top=104\r\nweb.left=242\r\nweb.top=337\r\n"));
}

// A second start in the same folder hands its list to the running copy and ends,
// so that only one copy writes the folder's files at exit. A lock left by a copy
// that was killed is taken over.
void EndToEndTest::oneCopyPerProgramFolder()
{
    QTemporaryDir dir;
    const QString folder = QFileInfo(dir.path()).canonicalFilePath();
    QFile list(dir.filePath(QStringLiteral("blue.cll")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("x - FF0000\r\n");
    list.close();

    QProcess first;
    Start(first, dir.path());
    QVERIFY(WaitUntilReady(first, folder));
    QProcess second;
    Start(second, dir.path(), {QStringLiteral("blue.cll")}); // relative to its own folder
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    EndSession(first);
    const QString listPath = QFileInfo(list).canonicalFilePath();
    QVERIFY(ReadFile(dir.filePath(QStringLiteral("set.set")))
                .contains("\r\nlastcll=" + listPath.toUtf8() + "\r\n"));
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("colorlist.cl1"))), listPath.toUtf8() + "\r\n");

    QProcess killed;
    Start(killed, dir.path());
    QVERIFY(WaitUntilReady(killed, folder));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QProcess next;
    Start(next, dir.path());
    QVERIFY(WaitUntilReady(next, folder));
    EndSession(next);
}

// Before start-up has finished, a session end still writes every file in order:
// here it comes while the message about a missing list is showing.
void EndToEndTest::sessionEndDuringAStartUpMessage()
{
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("set.set")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("Settings\r\nlastcll=" + dir.filePath(QStringLiteral("gone.cll")).toUtf8() +
                   "\r\n");
    settings.close();
    QProcess process;
    Start(process, dir.path());
    // Taken from the message box's event loop, before start-up has finished: the
    // message is showing and the session-end handler is in place.
    const QString name =
        InstanceServerName(WithTrailingSeparator(QFileInfo(dir.path()).canonicalFilePath()));
    QVERIFY(QTest::qWaitFor(
        [&] { return SendArguments(name, {}, 1000, false) != SendResult::NotListening; }, 30000));
    QCOMPARE(SendArguments(name, {}, 30000, false), SendResult::Received);
    EndSession(process);
    const QByteArray written = ReadFile(dir.filePath(QStringLiteral("set.set")));
    QVERIFY(written.contains("\r\n1.left="));
    QVERIFY(!written.contains("lastcll"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("default.cll"))));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
