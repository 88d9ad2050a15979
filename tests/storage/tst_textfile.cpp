#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TextFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readTellsMissingFromUnreadable();
    void writeReplacesOrKeepsTheOldFile();
    void readCap_data();
    void readCap();
    void fullDiskKeepsTheOldFile();
    void writeRefusesWhatIsNoRegularFile_data();
    void writeRefusesWhatIsNoRegularFile();
    void newFilesOverwriteNothing();
    void inPlaceWriteKeepsTheOldContentFirst();
};

void TextFileTest::newFilesOverwriteNothing()
{
    QTemporaryDir dir;
    const QString first = FreeFileName(dir.path(), QStringLiteral("warm"), QStringLiteral("cll"));
    QCOMPARE(first, dir.filePath(QStringLiteral("warm.cll")));
    QVERIFY(CreateNewFile(first, "a"));
    QVERIFY(!CreateNewFile(first, "b"));
    QCOMPARE(ReadWholeFile(first).data, QByteArray("a"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")),
                        dir.filePath(QStringLiteral("warm (2).cll"))));
    QCOMPARE(FreeFileName(dir.path(), QStringLiteral("warm"), QStringLiteral("cll")),
             dir.filePath(QStringLiteral("warm (3).cll")));
}

// A writable file in a folder that refuses new files: written in place, after its
// old content was copied elsewhere.
void TextFileTest::inPlaceWriteKeepsTheOldContentFirst()
{
    if (geteuid() == 0)
        QSKIP("permissions do not stop the superuser");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    const QString keep = dir.filePath(QStringLiteral("kept"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/list.cll");
    QVERIFY(WriteWholeFile(path, "old"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!WriteWholeFile(path, "new"));
    const FileWriteResult written = WriteWholeFileKeepingOld(path, "new", keep);
    QVERIFY(written);
    QCOMPARE(ReadWholeFile(path).data, QByteArray("new"));
    QCOMPARE(QDir(keep).entryList(QDir::Files), QStringList()); // removed after a good write
    // When even the copy cannot be made, the file is not touched.
    QVERIFY(QFile::setPermissions(keep, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!WriteWholeFileKeepingOld(path, "newer", keep));
    QCOMPARE(ReadWholeFile(path).data, QByteArray("new"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TextFileTest::readTellsMissingFromUnreadable()
{
    QTemporaryDir dir;
    QCOMPARE(ReadWholeFile(dir.filePath(QStringLiteral("none"))).status, FileReadStatus::Missing);
    const FileReadResult folder = ReadWholeFile(dir.path());
    QCOMPARE(folder.status, FileReadStatus::Unreadable);
    QCOMPARE(folder.error, QStringLiteral("Cannot open file ") + dir.path());
}

void TextFileTest::writeReplacesOrKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(WriteTextFileLines(path, {QStringLiteral("caf\u00e9"), QString()}));
    const FileReadResult read = ReadWholeFile(path);
    QCOMPARE(read.status, FileReadStatus::Loaded);
    QCOMPARE(read.data, QByteArray("caf\xe9\r\n\r\n"));

    const FileWriteResult failed =
        WriteWholeFile(dir.filePath(QStringLiteral("missing/a.txt")), QByteArray("x"));
    QVERIFY(!failed.ok);
    QVERIFY(!failed.error.isEmpty());
}

void TextFileTest::readCap_data()
{
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("no cap") << 9 << -1 << false;
    QTest::newRow("exactly the cap") << 9 << 9 << false;
    QTest::newRow("one byte more") << 10 << 9 << true;
    QTest::newRow("empty file, cap 0") << 0 << 0 << false;
}

void TextFileTest::readCap()
{
    QFETCH(int, fileSize);
    QFETCH(int, maxBytes);
    QFETCH(bool, tooLarge);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(WriteWholeFile(path, QByteArray(fileSize, 'x')));
    const FileReadResult read = ReadWholeFile(path, maxBytes);
    QCOMPARE(read.status, tooLarge ? FileReadStatus::Unreadable : FileReadStatus::Loaded);
    QCOMPARE(read.data.size(), tooLarge ? 0 : fileSize);
    QCOMPARE(read.tooLarge, tooLarge);
}

void TextFileTest::fullDiskKeepsTheOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small filesystem needs the administrator");
    QTemporaryDir dir;
    const QString mount = dir.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}) != 0)
        QSKIP("cannot mount a tmpfs here");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mount}); });
    const QString path = mount + QStringLiteral("/history.cl2");
    QVERIFY(WriteWholeFile(path, "6,167,255 - #06A7FF\r\n"));
    // Fill the disk to the last byte.
    QFile filler(mount + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    filler.close();

    // Smaller than Qt's write buffer, so only a flush can fail.
    const FileWriteResult written = WriteWholeFile(path, QByteArray(100, 'y'));
    QVERIFY(!written.ok);
    QVERIFY(!written.error.isEmpty());
    QCOMPARE(ReadWholeFile(path).data, QByteArray("6,167,255 - #06A7FF\r\n"));
    QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary left
}

void TextFileTest::writeRefusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("named pipe") << true << false;
    QTest::newRow("link to a named pipe") << true << true;
    QTest::newRow("link to a regular file") << false << true;
}

void TextFileTest::writeRefusesWhatIsNoRegularFile()
{
    QFETCH(bool, pipe);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    else
        QVERIFY(WriteWholeFile(target, "old"));
    const QString link = dir.filePath(QStringLiteral("set.set"));
    if (throughLink)
        QVERIFY(QFile::link(target, link));
    const QString path = throughLink ? link : target;

    const FileWriteResult written = WriteWholeFile(path, "new");
    QCOMPARE(written.ok, !pipe);
    QCOMPARE(QFileInfo(link).isSymLink(), throughLink);
    struct stat status;
    QCOMPARE(::lstat(QFile::encodeName(target).constData(), &status), 0);
    QCOMPARE(S_ISFIFO(status.st_mode), pipe);
    if (!pipe)
        QCOMPARE(ReadWholeFile(target).data, QByteArray("new"));
}

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
