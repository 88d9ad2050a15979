#include "storage/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TextFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readTellsMissingFromUnreadable();
    void writeReplacesOrKeepsTheOldFile();
    void readCap_data();
    void readCap();
};

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

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
