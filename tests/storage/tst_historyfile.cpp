#include "state/HistoryList.h"
#include "storage/HistoryFile.h"

#include <QTemporaryDir>
#include <QtTest>

using Colours = std::vector<ColorRef>;
Q_DECLARE_METATYPE(Colours)

class HistoryFileTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void loading_data();
    void loading();
    void missingFile();
    void savingWritesCrLfLines();
    void unreadableLineLosesNothing();
    void restoredHistoryBecomesTheHistoryList();
    void unwritableFileIsReported();

private:
    QString WriteFile(const QByteArray& bytes);
    static QByteArray ReadFile(const QString& path);
    QTemporaryDir m_dir;
    QString m_path;
};

void HistoryFileTest::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("history.cl2"));
    QFile::remove(m_path);
}

QString HistoryFileTest::WriteFile(const QByteArray& bytes)
{
    QFile file(m_path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return m_path;
}

QByteArray HistoryFileTest::ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void HistoryFileTest::loading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("rest");
    const ColorRef start = PackColour(6, 167, 255);
    QTest::newRow("black last") << QByteArray("6,167,255 - #06A7FF\r\n0,0,0 - #000000\r\n")
                                << Colours{start, 0} << QString() << QStringList();
    QTest::newRow("336699 last") << QByteArray("0,0,0 - #000000\r\n51,102,153 - #336699\r\n")
                                 << Colours{0, PackColour(51, 102, 153)} << QString()
                                 << QStringList();
    QTest::newRow("LF only, no final break")
        << QByteArray("#06A7FF\n#000000\n#FF0000") << Colours{start, 0, 0xFF} << QString()
        << QStringList();
    QTest::newRow("CR only") << QByteArray("#06A7FF\r#000000\r") << Colours{start, 0} << QString()
                             << QStringList();
    QTest::newRow("empty file") << QByteArray() << Colours{} << QString() << QStringList();
    QTest::newRow("lines without # skipped, only the first # counts")
        << QByteArray("\r\nno colour\r\nx #0000FF y #FFFFFF\r\n") << Colours{0xFF0000} << QString()
        << QStringList();
    QTest::newRow("lower-case digits")
        << QByteArray("#a7b8c9\r\n") << Colours{PackColour(0xA7, 0xB8, 0xC9)} << QString()
        << QStringList();
    QTest::newRow("unreadable line keeps what came before and the rest")
        << QByteArray("#000001\r\n#0G0000\r\n#000002\r\nfree text\r\n") << Colours{0x010000}
        << "'$0G0000' is not a valid integer value"
        << QStringList{"#0G0000", "#000002", "free text"};
    QTest::newRow("line ends before six characters")
        << QByteArray("#06A7\n#000000\n") << Colours{} << "'$06A7' is not a valid integer value"
        << QStringList{"#06A7", "#000000"};
}

void HistoryFileTest::loading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Colours, colours);
    QFETCH(QString, error);
    QFETCH(QStringList, rest);
    const HistoryFileContent content = LoadHistoryFile(WriteFile(bytes));
    QVERIFY(content.exists);
    QVERIFY(content.colours == colours);
    QCOMPARE(content.error, error);
    QCOMPARE(content.unreadableRest, rest);
}

void HistoryFileTest::missingFile()
{
    const HistoryFileContent content = LoadHistoryFile(m_path);
    QVERIFY(!content.exists);
    QVERIFY(content.colours.empty());
    QVERIFY(content.error.isEmpty());
}

void HistoryFileTest::savingWritesCrLfLines()
{
    QVERIFY(SaveHistoryFile(m_path, {PackColour(6, 167, 255), 0}));
    QCOMPARE(ReadFile(m_path), QByteArray("6,167,255 - #06A7FF\r\n0,0,0 - #000000\r\n"));
    QVERIFY(SaveHistoryFile(m_path, {}));
    QCOMPARE(ReadFile(m_path), QByteArray());
}

void HistoryFileTest::unreadableLineLosesNothing()
{
    // Latin-1 bytes in the unreadable part come back unchanged.
    const QByteArray original("1,0,0 - #010000\r\n#ZZ\xE9\r\n2,0,0 - #020000\r\n");
    HistoryList history;
    const HistoryFileContent content = LoadHistory(WriteFile(original), history);
    QCOMPARE(content.error, QStringLiteral("'$ZZ\u00E9' is not a valid integer value"));
    QCOMPARE(history.rowCount(), 1);
    QVERIFY(SaveHistory(m_path, history));
    QCOMPARE(ReadFile(m_path), original);

    // Colours recorded in the run go before the unreadable lines, so the next
    // start reads them as well.
    history.AddToHistory(PackColour(3, 0, 0));
    QVERIFY(SaveHistory(m_path, history));
    QCOMPARE(ReadFile(m_path),
             QByteArray("1,0,0 - #010000\r\n3,0,0 - #030000\r\n#ZZ\xE9\r\n2,0,0 - #020000\r\n"));
    HistoryList again;
    LoadHistory(m_path, again);
    QVERIFY(again.colours() == (Colours{1, 3}));
}

void HistoryFileTest::restoredHistoryBecomesTheHistoryList()
{
    Colours colours;
    for (int i = 0; i < 500; ++i)
        colours.push_back(ColorRef(i * 33331) & 0xFFFFFF);
    QVERIFY(SaveHistoryFile(m_path, colours));
    HistoryList history;
    const HistoryFileContent content = LoadHistory(m_path, history);
    QVERIFY(content.error.isEmpty());
    QVERIFY(history.colours() == colours);
    QCOMPARE(history.CurrentStep(), 499);
}

void HistoryFileTest::unwritableFileIsReported()
{
    QVERIFY(!SaveHistoryFile(m_dir.filePath(QStringLiteral("missing/history.cl2")), {1}));
}

QTEST_APPLESS_MAIN(HistoryFileTest)
#include "tst_historyfile.moc"
