// A colour list's life across two runs of the start-up and shut-down sequence,
// in a temporary program folder.

#include "app/KromiApplication.h"
#include "storage/TextFile.h"
#include "support/FakePlatform.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ReopenWindow.h"

#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One run of the program on fake desktop operations, in its program folder.
struct Run
{
    explicit Run(const QString& folder) : platform(fake.platform()), app(platform, folder)
    {
        app.Start({QStringLiteral("qbkromi")});
    }

    FakePlatform fake;
    Platform platform;
    KromiApplication app;
};

} // namespace

class ListEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void missingListsAtStartThenNewListAndExit();
    void listsNotReadInFullAreNotWrittenBack_data();
    void listsNotReadInFullAreNotWrittenBack();
    void unreadableProgramFilesAreReportedAndKept();
};

namespace {

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const QByteArray kDefaultList("0,0,0             #000000 - 000000\r\n");

} // namespace

void ListEndToEndTest::missingListsAtStartThenNewListAndExit()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    const QString deleted = folder + QStringLiteral("gone.cll");
    {
        QFile settings(folder + QStringLiteral("set.set"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("Settings\r\nlastcll=" + deleted.toLatin1() + "\r\nsmallwheel=1\r\n");
    }

    {
        Run first(folder);
        const auto& shown = first.fake.messages.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text,
                 QStringLiteral("The file '") + deleted +
                     QStringLiteral("' can not be found.\rLoading default color list."));
        QCOMPARE(shown[0].title, QStringLiteral("QB Kromi"));
        QCOMPARE(
            shown[1].text,
            QStringLiteral("Default color list can not be found.\r Creating a new color list."));
        QCOMPARE(first.app.colourList().count(), 0);
        QVERIFY(first.app.colourList().CurrentListPath().isEmpty());
        QVERIFY(first.app.listPanel()->IsSmallMode());

        // New List on an unchanged list asks nothing; the user then adds two colours.
        QTest::keyClick(first.app.mainWindow(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.size(), 2);
        QTest::keyClick(first.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        first.app.mainColour().SetMainColour(PackColour(0, 0, 0));
        QTest::keyClick(first.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        first.app.ShutDown();
    }
    QCOMPARE(ReadFile(folder + QStringLiteral("default.cll")),
             QByteArray("6,167,255             #06A7FF - FFA706\r\n"
                        "0,0,0             #000000 - 000000\r\n"));
    const QByteArray settings = ReadFile(folder + QStringLiteral("set.set"));
    QVERIFY(!settings.contains("lastcll"));
    QVERIFY(settings.contains("\r\nsmallwheel=1\r\n"));
    QCOMPARE(ReadFile(folder + QStringLiteral("colorlist.cl1")), QByteArray());

    // The next start reads the default list back without a word.
    Run second(folder);
    QVERIFY(second.fake.messages.shown.isEmpty());
    QCOMPARE(second.app.colourList().count(), 2);
    QCOMPARE(second.app.colourList().item(1).text,
             QStringLiteral("0,0,0             #000000 - 000000"));
    QCOMPARE(second.app.colourList().CurrentListPath(), folder + QStringLiteral("default.cll"));
    QVERIFY(!second.app.colourList().IsChanged());
    QCOMPARE(second.app.recentLists().count(), 0);
    QCOMPARE(second.app.listFiles()->reopenWindow()->displayList()->model()->rowCount(), 0);
}

void ListEndToEndTest::listsNotReadInFullAreNotWrittenBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("userAddsAColour");
    QTest::addColumn<QString>("message"); // %1: the list's path
    QTest::addColumn<QByteArray>("listAfter");
    const QByteArray notes("notes\r\nmore notes\r\n");
    QTest::newRow("no colour lines") << notes << false << "The file '%1' holds no colors." << notes;
    QTest::newRow("no colour lines, then a colour added")
        << notes << true << "The file '%1' holds no colors." << notes;
    QTest::newRow("bad line") << QByteArray("x - GG\r\n") << false
                              << "'$00GG' is not a valid integer value" << QByteArray("x - GG\r\n");
}

// The list named by "lastcll" holds text that is no colour list, or cannot be
// read: neither it nor the default list is emptied at exit.
void ListEndToEndTest::listsNotReadInFullAreNotWrittenBack()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, userAddsAColour);
    QFETCH(QString, message);
    QFETCH(QByteArray, listAfter);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString list = folder + QStringLiteral("notes.txt");
    WriteFile(list, content);
    WriteFile(folder + QStringLiteral("default.cll"), kDefaultList);
    WriteFile(folder + QStringLiteral("set.set"), "Settings\r\nlastcll=" + list.toUtf8() + "\r\n");
    {
        Run run(folder);
        QCOMPARE(run.fake.messages.shown.size(), 1);
        QCOMPARE(run.fake.messages.shown[0].text, message.arg(list));
        QCOMPARE(run.app.colourList().count(), 0);
        if (userAddsAColour)
            QTest::keyClick(run.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        run.app.ShutDown();
    }
    QCOMPARE(ReadFile(list), listAfter);
    QCOMPARE(ReadFile(folder + QStringLiteral("default.cll")), kDefaultList);
    // The colour added goes to a new file, which the next start loads and names.
    const QString saved = folder + QStringLiteral("notes.cll");
    QCOMPARE(ReadFile(saved), userAddsAColour
                                  ? QByteArray("6,167,255             #06A7FF - FFA706\r\n")
                                  : QByteArray("<missing>"));
    if (userAddsAColour) {
        Run next(folder);
        QCOMPARE(next.app.colourList().CurrentListPath(), saved);
        QCOMPARE(next.fake.messages.shown.size(), 1);
        QVERIFY(next.fake.messages.shown[0].text.endsWith(saved + QStringLiteral("'.")));
    }
}

// Files larger than anything the program writes count as unreadable: reported
// at start, never written over (sparse, so they cost no disk).
void ListEndToEndTest::unreadableProgramFilesAreReportedAndKept()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString recent = folder + QStringLiteral("colorlist.cl1");
    const QString history = folder + QStringLiteral("history.cl2");
    const qint64 recentSize = kMaxSmallFileBytes + 1;
    const qint64 historySize = kMaxLargeFileBytes + 1;
    WriteFile(recent, "");
    WriteFile(history, "");
    QVERIFY(QFile::resize(recent, recentSize));
    QVERIFY(QFile::resize(history, historySize));
    {
        Run run(folder);
        QStringList texts;
        for (const auto& shown : run.fake.messages.shown)
            texts << shown.text;
        QCOMPARE(texts,
                 (QStringList{CannotOpenFileMessage(recent), CannotOpenFileMessage(history)}));
        QTest::keyClick(run.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(run.app.history().count(), 1);
        run.app.ShutDown();
    }
    QCOMPARE(QFileInfo(recent).size(), recentSize);
    QCOMPARE(QFileInfo(history).size(), historySize);
}

QTEST_MAIN(ListEndToEndTest)
#include "tst_listendtoend.moc"
