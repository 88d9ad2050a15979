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
    void readRefusesAFileOverTheLimit();
    void writeReplacesOrKeepsTheOldFile();
};

void TextFileTest::readTellsMissingFromUnreadable()
{
    QTemporaryDir dir;
    QCOMPARE(ReadWholeFile(dir.filePath(QStringLiteral("none"))).status, FileReadStatus::Missing);
    const FileReadResult folder = ReadWholeFile(dir.path());
    QCOMPARE(folder.status, FileReadStatus::Unreadable);
    QCOMPARE(folder.error, QStringLiteral("Cannot open file ") + dir.path());
}

void TextFileTest::readRefusesAFileOverTheLimit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ten"));
    QVERIFY(WriteWholeFile(path, QByteArray("0123456789")));
    QCOMPARE(ReadWholeFile(path, 10).data, QByteArray("0123456789"));
    const FileReadResult over = ReadWholeFile(path, 9);
    QCOMPARE(over.status, FileReadStatus::Unreadable);
    QVERIFY(over.data.isEmpty());
    QCOMPARE(over.error, QStringLiteral("Cannot open file ") + path);
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

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
