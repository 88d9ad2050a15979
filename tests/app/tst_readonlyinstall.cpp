// The program installed in a folder its user cannot write: it still starts, and
// what it writes at exit lands in the per-user data folder, the install untouched.
#include "support/ProgramReady.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class ReadOnlyInstallTest : public QObject
{
    Q_OBJECT
private slots:
    void filesGoToThePerUserFolder();
};

void ReadOnlyInstallTest::filesGoToThePerUserFolder()
{
    QTemporaryDir install;
    QTemporaryDir userData;
    const QString program = install.filePath(QStringLiteral("qbkromi"));
    QVERIFY(QFile::copy(QStringLiteral(KROMI_PROGRAM_PATH), program));
    const QByteArray delivered("Settings\r\nhelp=help/qbkromi-help.html\r\n");
    QFile settings(install.filePath(QStringLiteral("set.set")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(delivered);
    settings.close();

    const auto readAndRun = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                            QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                            QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(install.path(), readAndRun));
    QVERIFY(QFile::setPermissions(userData.path(), readAndRun | QFileDevice::WriteOwner |
                                                       QFileDevice::WriteGroup |
                                                       QFileDevice::WriteOther));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), userData.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), userData.path());
    process.setProcessEnvironment(environment);
    if (geteuid() == 0) {
        // The administrator may write anywhere: run as an ordinary user instead.
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is needed to run as an ordinary user");
        process.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                       QStringLiteral("--clear-groups"), program});
    } else {
        process.start(program, {});
    }
    QVERIFY(process.waitForStarted());
    QVERIFY(WaitUntilReady(process, userData.filePath(QStringLiteral("QB Kromi"))));
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);

    QFile written(userData.filePath(QStringLiteral("QB Kromi/set.set")));
    QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(written.fileName()));
    const QByteArray content = written.readAll();
    QVERIFY(content.startsWith(delivered)); // seeded from the install, then written
    QVERIFY(content.contains("\r\n1.left="));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QCOMPARE(settings.readAll(), delivered);
    QVERIFY(QFile::setPermissions(install.path(), readAndRun | QFileDevice::WriteOwner));
}

QTEST_GUILESS_MAIN(ReadOnlyInstallTest)
#include "tst_readonlyinstall.moc"
