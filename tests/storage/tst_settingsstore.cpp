#include "storage/ProgramDirectory.h"
#include "storage/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

SettingsStore StoreWithLines(const QString& folder, const QByteArray& content)
{
    const QString path = folder + "/set.set";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();
    SettingsStore store;
    store.Load(path);
    return store;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void getSetting_data();
    void getSetting();
    void setSetting_data();
    void setSetting();
    void fileLineEnds_data();
    void fileLineEnds();
    void loadSaveKeepsUnknownLinesAndWritesLatin1();
    void missingFileKeepsTheSettingsLine();
    void unreadFileIsNeverOverwritten();
    void positions_data();
    void positions();
    void programDirectory();
    void installedProgramKeepsItsFilesPerUser();

private:
    QTemporaryDir m_dir;
};

void SettingsStoreTest::getSetting_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    const QByteArray content = "Settings\r\nLASTCLL=C:\\a.cll\r\n1.left=216\r\n1.LEFT=5\r\n"
                               "eq=a=b\r\nempty=\r\nnoequals\r\n";
    QTest::newRow("name in other case") << content << "lastcll"
                                        << "C:\\a.cll";
    QTest::newRow("first occurrence wins") << content << "1.Left"
                                           << "216";
    QTest::newRow("value holding =") << content << "eq"
                                     << "a=b";
    QTest::newRow("empty value") << content << "empty"
                                 << "";
    QTest::newRow("absent") << content << "smallwheel"
                            << "";
    QTest::newRow("line without = is no key") << content << "noequals"
                                              << "";
    QTest::newRow("header is no key") << content << "Settings"
                                      << "";
}

void SettingsStoreTest::getSetting()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QCOMPARE(StoreWithLines(m_dir.path(), content).GetSetting(name), value);
}

void SettingsStoreTest::setSetting_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    const QStringList lines{"Settings", "a=1", "B=2", "b=3", "c=4"};
    QTest::newRow("replace in place, name as given")
        << lines << "A"
        << "9" << QStringList{"Settings", "A=9", "B=2", "b=3", "c=4"};
    QTest::newRow("only the first occurrence replaced")
        << lines << "b"
        << "9" << QStringList{"Settings", "a=1", "b=9", "b=3", "c=4"};
    QTest::newRow("append") << lines << "new"
                            << "x" << QStringList{"Settings", "a=1", "B=2", "b=3", "c=4", "new=x"};
    QTest::newRow("empty value removes the first line")
        << lines << "b"
        << "" << QStringList{"Settings", "a=1", "b=3", "c=4"};
    QTest::newRow("empty value for an absent key") << lines << "zz"
                                                   << "" << lines;
}

void SettingsStoreTest::setSetting()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    SettingsStore store = StoreWithLines(m_dir.path(), lines.join("\r\n").toLatin1() + "\r\n");
    store.SetSetting(name, value);
    QCOMPARE(store.lines(), expected);
}

void SettingsStoreTest::fileLineEnds_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("Settings\r\na=1\r\n") << QStringList{"Settings", "a=1"};
    QTest::newRow("LF") << QByteArray("Settings\na=1\n") << QStringList{"Settings", "a=1"};
    QTest::newRow("CR") << QByteArray("Settings\ra=1\r") << QStringList{"Settings", "a=1"};
    QTest::newRow("no final end") << QByteArray("Settings\r\na=1")
                                  << QStringList{"Settings", "a=1"};
    QTest::newRow("empty lines kept")
        << QByteArray("Settings\r\n\r\n\na=1\r\n") << QStringList{"Settings", "", "", "a=1"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void SettingsStoreTest::fileLineEnds()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    QCOMPARE(StoreWithLines(m_dir.path(), content).lines(), lines);
}

void SettingsStoreTest::loadSaveKeepsUnknownLinesAndWritesLatin1()
{
    const QString path = m_dir.filePath("roundtrip.set");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Settings\nhelp=help\\kromi.chm\nlastcll=/old.cll\n");
    file.close();
    SettingsStore store;
    QCOMPARE(store.Load(path).status, SettingsLoadResult::Status::Loaded);
    store.SetSetting("lastcll", "");
    store.SetSetting("smallwheel", "1");
    store.SetSetting("1.left", "10");
    store.SetSetting("1.top", "20");
    store.SetSetting("web.left", QString::fromLatin1("caf\xe9"));
    QVERIFY(store.Save(path));
    QCOMPARE(FileBytes(path), QByteArray("Settings\r\nhelp=help\\kromi.chm\r\nsmallwheel=1\r\n"
                                         "1.left=10\r\n1.top=20\r\nweb.left=caf\xe9\r\n"));
    SettingsStore reread;
    reread.Load(path);
    QCOMPARE(reread.lines(), store.lines());
}

void SettingsStoreTest::missingFileKeepsTheSettingsLine()
{
    SettingsStore store;
    const SettingsLoadResult result = store.Load(m_dir.filePath("absent.set"));
    QCOMPARE(result.status, SettingsLoadResult::Status::Missing);
    QCOMPARE(store.lines(), QStringList{"Settings"});
    QVERIFY(result.error.isEmpty());
}

void SettingsStoreTest::unreadFileIsNeverOverwritten()
{
    // A folder in the file's place cannot be read; once it is gone, the store still
    // refuses to write there, since the values it held were never read.
    const QString path = m_dir.filePath("blocked.set");
    QVERIFY(QDir().mkdir(path));
    SettingsStore store;
    const SettingsLoadResult result = store.Load(path);
    QCOMPARE(result.status, SettingsLoadResult::Status::Unreadable);
    QCOMPARE(result.error, "Cannot open file " + path);
    QCOMPARE(store.lines(), QStringList{"Settings"});
    QVERIFY(QDir().rmdir(path));
    QVERIFY(!store.Save(path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(store.Save(m_dir.filePath("elsewhere.set")));

    if (geteuid() == 0)
        QSKIP("permissions do not stop the superuser");
    const QString locked = m_dir.filePath("locked.set");
    QFile file(locked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Settings\r\nhelp=x\r\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    SettingsStore other;
    QCOMPARE(other.Load(locked).status, SettingsLoadResult::Status::Unreadable);
    QVERIFY(!other.Save(locked));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(FileBytes(locked), QByteArray("Settings\r\nhelp=x\r\n"));
}

void SettingsStoreTest::positions_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<std::optional<int>>("position");
    QTest::addColumn<QString>("error");
    QTest::newRow("absent") << QString() << std::optional<int>() << QString();
    QTest::newRow("plain") << "216" << std::optional<int>(216) << QString();
    QTest::newRow("negative") << "-5" << std::optional<int>(-5) << QString();
    QTest::newRow("letters") << "abc" << std::optional<int>()
                             << "'abc' is not a valid integer value";
    QTest::newRow("hexadecimal is not decimal")
        << "$10" << std::optional<int>() << "'$10' is not a valid integer value";
    QTest::newRow("blank") << " 5" << std::optional<int>() << "' 5' is not a valid integer value";
    QTest::newRow("too large") << "99999999999" << std::optional<int>()
                               << "'99999999999' is not a valid integer value";
    QTest::newRow("sign alone") << "-" << std::optional<int>()
                                << "'-' is not a valid integer value";
}

void SettingsStoreTest::positions()
{
    QFETCH(QString, value);
    QFETCH(std::optional<int>, position);
    QFETCH(QString, error);
    SettingsStore store;
    store.SetSetting("shp.left", value);
    const PositionSetting setting = store.SettingAsPosition("SHP.LEFT");
    QCOMPARE(setting.value, position);
    QCOMPARE(setting.error, error);
}

void SettingsStoreTest::programDirectory()
{
    const QString exe = m_dir.filePath("install");
    QVERIFY(QDir().mkdir(exe));
    const QString fallback = m_dir.filePath("data/QB Kromi");
    QCOMPARE(ChooseProgramDirectory(exe, fallback), QDir::toNativeSeparators(exe) + '/');
    QCOMPARE(ChooseProgramDirectory(exe + "//", fallback), QDir::toNativeSeparators(exe) + '/');

    // A folder that cannot be written (here: one that does not exist) gives the
    // fallback, created and seeded with the files delivered beside the program.
    const QString readOnly = m_dir.filePath("gone");
    QCOMPARE(ChooseProgramDirectory(readOnly, fallback), fallback + '/');
    QVERIFY(QFileInfo(fallback).isDir());

    QFile shipped(exe + "/set.set");
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.write("Settings\r\nhelp=doc.html\r\n");
    shipped.close();
    QFile::copy(exe + "/set.set", exe + "/notes.txt");
    if (geteuid() != 0) {
        QVERIFY(QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString seeded = m_dir.filePath("seeded");
        QCOMPARE(ChooseProgramDirectory(exe, seeded), seeded + '/');
        QCOMPARE(FileBytes(seeded + "/set.set"), FileBytes(exe + "/set.set"));
        QVERIFY(!QFile::exists(seeded + "/notes.txt"));
        QFile::setPermissions(exe, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    }

    SetProgramDirectoryForTesting(exe);
    QCOMPARE(ProgramDirectory(), exe + '/');
    SetProgramDirectoryForTesting(QString());
}

// <prefix>/bin beside <prefix>/share/qbkromi, as `cmake --install` lays it out.
void SettingsStoreTest::installedProgramKeepsItsFilesPerUser()
{
    const QString plain = m_dir.filePath("plain");
    const QString bin = m_dir.filePath("prefix/bin");
    const QString share = m_dir.filePath("prefix/share/qbkromi");
    QVERIFY(QDir().mkpath(plain) && QDir().mkpath(bin) && QDir().mkpath(share));
    QCOMPARE(ChooseDeliveredFilesDirectory(plain), plain + '/');
    QCOMPARE(ChooseDeliveredFilesDirectory(bin), share + '/');

    QFile shipped(share + "/set.set");
    QVERIFY(shipped.open(QIODevice::WriteOnly));
    shipped.write("Settings\r\nhelp=help/qbkromi-help.html\r\n");
    shipped.close();
    // The bin folder is writable, yet nothing is written there.
    const QString perUser = m_dir.filePath("user/QB Kromi");
    QCOMPARE(ChooseProgramDirectory(bin, perUser), perUser + '/');
    QCOMPARE(FileBytes(perUser + "/set.set"), FileBytes(share + "/set.set"));
    QVERIFY(QDir(bin).isEmpty());
}

QTEST_APPLESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
