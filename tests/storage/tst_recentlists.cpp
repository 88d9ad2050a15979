#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class RecentListsTest : public QObject
{
    Q_OBJECT
private slots:
    void displayText_data();
    void displayText();
    void storeRules();
    void reopenDisplay();
    void removeAndClear();
    void fileRoundTrip();
    void pathsOutsideLatin1_data();
    void pathsOutsideLatin1();

private:
    QTemporaryDir m_dir;
};

void RecentListsTest::displayText_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fileName");
    const QChar backslash('\\'), slash('/');
    QTest::newRow("long folder shortened")
        << "C:\\Documents and Settings\\me\\lists\\web.cll" << backslash << "C:\\..\\lists\\web.cll"
        << "web.cll";
    QTest::newRow("drive root") << "C:\\x.cll" << backslash << "C:\\x.cll"
                                << "x.cll";
    QTest::newRow("folder of 11 characters kept")
        << "C:\\abcdefg\\x.cll" << backslash << "C:\\abcdefg\\x.cll"
        << "x.cll";
    QTest::newRow("folder of 12 characters shortened")
        << "C:\\abcdefgh\\x.cll" << backslash << "C:\\..cdefgh\\x.cll"
        << "x.cll";
    QTest::newRow("slash paths") << "/home/user/lists/web.cll" << slash << "/ho../lists/web.cll"
                                 << "web.cll";
    QTest::newRow("slash also counts beside the native one")
        << "C:/Documents/lists\\web.cll" << backslash << "C:/../lists\\web.cll"
        << "web.cll";
    QTest::newRow("no folder") << "web.cll" << slash << "web.cll"
                               << "web.cll";
    QTest::newRow("backslash is no separator on its own")
        << "/a\\b\\c.cll" << slash << "/a\\b\\c.cll"
        << "a\\b\\c.cll";
}

void RecentListsTest::displayText()
{
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QFETCH(QString, fileName);
    QCOMPARE(ReopenDisplayText(path, separator), text);
    QCOMPARE(ListFileName(path, separator), fileName);
}

void RecentListsTest::storeRules()
{
    RecentLists recent("/prog/default.cll");
    QSignalSpy inserts(&recent, &QAbstractItemModel::rowsInserted);
    QVERIFY(!recent.AddLoadedList("/prog/default.cll"));
    QVERIFY(!recent.AddLoadedList(QString()));
    QVERIFY(recent.AddLoadedList("C:\\a.cll"));
    QVERIFY(!recent.AddLoadedList("c:\\A.CLL"));
    QVERIFY(!recent.AddLoadedList("C:\\a.cll"));
    QVERIFY(recent.AddLoadedList("/lists/b.cll"));
    QVERIFY(recent.AddLoadedList("C:\\a.cll.bak"));
    QCOMPARE(recent.paths(), (QStringList{"C:\\a.cll", "/lists/b.cll", "C:\\a.cll.bak"}));
    QCOMPARE(recent.displayTexts().at(1), "b.cll");
    QCOMPARE(inserts.size(), 3);
    QCOMPARE(recent.data(recent.index(1), RecentLists::PathRole).toString(), "/lists/b.cll");
    QCOMPARE(recent.data(recent.index(1)).toString(), "b.cll");
    // The default list is compared as exact text: another spelling is a path like any.
    QVERIFY(recent.AddLoadedList("/prog/DEFAULT.cll"));
}

void RecentListsTest::reopenDisplay()
{
    RecentLists recent("/prog/default.cll");
    recent.AddLoadedList("/home/user/lists/web.cll");
    QSignalSpy changes(&recent, &QAbstractItemModel::dataChanged);
    recent.PrepareReopenDisplay("/home/user/other/new.cll");
    QCOMPARE(recent.paths(), (QStringList{"/home/user/lists/web.cll", "/home/user/other/new.cll"}));
    QCOMPARE(recent.displayTexts(), (QStringList{"/ho../lists/web.cll", "/ho../other/new.cll"}));
    QCOMPARE(changes.size(), 1);
    recent.PrepareReopenDisplay("/prog/default.cll");
    recent.PrepareReopenDisplay("/HOME/user/lists/web.cll");
    QCOMPARE(recent.count(), 2);
    // Lists loaded later in the run show their file name alone.
    recent.AddLoadedList("/home/user/lists/third.cll");
    QCOMPARE(recent.displayTexts().constLast(), "third.cll");
}

void RecentListsTest::removeAndClear()
{
    RecentLists recent("/prog/default.cll");
    recent.AddLoadedList("/a.cll");
    recent.AddLoadedList("/b.cll");
    recent.RemoveAt(5);
    recent.RemoveAt(0);
    QCOMPARE(recent.paths(), QStringList{"/b.cll"});
    QCOMPARE(recent.displayTexts(), QStringList{"b.cll"});
    QVERIFY(recent.AddLoadedList("/A.cll"));
    recent.ClearAll();
    QCOMPARE(recent.count(), 0);
    QCOMPARE(recent.displayTexts().size(), 0);
    QVERIFY(recent.AddLoadedList("/b.cll"));
}

void RecentListsTest::fileRoundTrip()
{
    const QString defaultList = m_dir.filePath("default.cll");
    const QString path = m_dir.filePath("colorlist.cl1");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("/x/a.cll\n\n/x/A.CLL\r" + defaultList + "\r\n/y/b.cll").toLatin1());
    file.close();

    RecentLists recent(defaultList);
    recent.AddLoadedList("/replaced.cll");
    QVERIFY(recent.Load(path));
    QCOMPARE(recent.paths(), (QStringList{"/x/a.cll", "/y/b.cll"}));
    QCOMPARE(recent.displayTexts(), (QStringList{"a.cll", "b.cll"}));
    QVERIFY(recent.Save(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("/x/a.cll\r\n/y/b.cll\r\n"));
    file.close();

    QVERIFY(recent.Load(m_dir.filePath("absent.cl1")));
    QCOMPARE(recent.count(), 2);
    QVERIFY(!recent.Load(m_dir.path()));
    QCOMPARE(recent.count(), 2);
    QVERIFY(!recent.Save(m_dir.filePath("missing-folder/colorlist.cl1")));
}

void RecentListsTest::pathsOutsideLatin1_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("Cyrillic") << QStringLiteral("/home/\u0414\u043e\u043a/list.cll")
                              << QByteArray("/home/\xd0\x94\xd0\xbe\xd0\xba/list.cll");
    QTest::newRow("Latin-1 letter")
        << QStringLiteral("/home/caf\u00e9/list.cll") << QByteArray("/home/caf\xc3\xa9/list.cll");
    QTest::newRow("ASCII") << QStringLiteral("/home/me/list.cll")
                           << QByteArray("/home/me/list.cll");
}

// "lastcll" and "colorlist.cl1" hold paths as file names are encoded; the
// settings file's other lines stay Latin-1, and files of earlier versions (paths
// in Latin-1) still read.
void RecentListsTest::pathsOutsideLatin1()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, stored);
    const QString recentFile = m_dir.filePath(QStringLiteral("colorlist.cl1"));
    const QString settingsFile = m_dir.filePath(QStringLiteral("set.set"));

    RecentLists recent(QStringLiteral("/x/default.cll"));
    recent.AddLoadedList(path);
    QVERIFY(recent.Save(recentFile));
    SettingsStore settings;
    settings.SetSetting(QStringLiteral("name"), QStringLiteral("caf\u00e9"));
    settings.SetPathSetting(QStringLiteral("lastcll"), path);
    QVERIFY(settings.Save(settingsFile));

    QCOMPARE(ReadWholeFile(recentFile).data, stored + "\r\n");
    QCOMPARE(ReadWholeFile(settingsFile).data,
             "Settings\r\nname=caf\xe9\r\nlastcll=" + stored + "\r\n");
    RecentLists recentRead(QStringLiteral("/x/default.cll"));
    QVERIFY(recentRead.Load(recentFile));
    QCOMPARE(recentRead.paths(), QStringList{path});
    SettingsStore settingsRead;
    settingsRead.Load(settingsFile);
    QCOMPARE(settingsRead.GetPathSetting(QStringLiteral("lastcll")), path);

    // As an earlier version wrote them.
    const QByteArray latin1 = path.toLatin1();
    if (QString::fromLatin1(latin1) == path) {
        recentRead.LoadData(latin1 + "\r\n");
        QCOMPARE(recentRead.paths(), QStringList{path});
    }
}

QTEST_APPLESS_MAIN(RecentListsTest)
#include "tst_recentlists.moc"
