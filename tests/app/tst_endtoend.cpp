// The built program in a fresh folder of its own: start, end the session, read
// back what it wrote.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class EndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void firstRunWritesTheSettings();
    void handEditedSettingsAreUsedAndKept();

private:
    // Runs the program until it has started, then ends it as a session end does.
    void RunOnce(const QString& folder);
    QByteArray Settings(const QString& folder) const;
};

void EndToEndTest::RunOnce(const QString& folder)
{
    const QString program = folder + QStringLiteral("/qbkromi");
    if (!QFile::exists(program))
        QVERIFY(QFile::copy(QStringLiteral(KROMI_PROGRAM_PATH), program));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted());
    QTest::qWait(1800); // past the splash pause
    QCOMPARE(process.state(), QProcess::Running);
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

QByteArray EndToEndTest::Settings(const QString& folder) const
{
    QFile file(folder + QStringLiteral("/set.set"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EndToEndTest::firstRunWritesTheSettings()
{
    QTemporaryDir dir;
    RunOnce(dir.path());
    const QByteArray written = Settings(dir.path());
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
    QCOMPARE(Settings(dir.path()),
             QByteArray("Settings\r\nhelp=help/qbkromi-help.html\r\n1.left=10\r\n1.top=20\r\n"
                        "smallwheel=1\r\nshowtext=0\r\ncopy.left=298\r\ncopy.top=182\r\n"
                        "var.left=347\r\nvar.top=235\r\ncopy.prew=0\r\nshp.left=267\r\n"
                        "shp.top=104\r\nweb.left=242\r\nweb.top=337\r\n"));
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
