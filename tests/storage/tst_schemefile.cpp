#include "storage/SchemeFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray data(size, Qt::Uninitialized);
    for (char& byte : data)
        byte = char(random.bounded(256));
    return data;
}

// Every item coloured apart, the parked ones of any layout included.
ShapeTestColours Distinct(int salt)
{
    ShapeTestColours colours;
    for (int i = 0; i < kTestShapeCount; ++i) {
        colours.shapeFills[i] = PackColour(salt, i, 100);
        colours.textColours[i] = PackColour(salt, i, 200);
    }
    colours.background = PackColour(salt, 1, 1);
    return colours;
}

} // namespace

class SchemeFileTest : public QObject
{
    Q_OBJECT
private slots:
    void saveDropsLoadBringsBackAllColours();
    void load_data();
    void load();
    void save_data();
    void save();
    void listAndDelete();

private:
    QTemporaryDir m_dir;
};

void SchemeFileTest::saveDropsLoadBringsBackAllColours()
{
    const ShapeTestColours saved = Distinct(1);
    ColourScheme scheme;
    scheme.Refresh(saved);
    const QString path = SchemeFilePath(m_dir.path(), "ocean");
    QCOMPARE(path, m_dir.path() + "/ocean.shm");
    QVERIFY(!SchemeFileExists(path));
    QVERIFY(SaveScheme(m_dir.path(), "ocean", scheme));
    QVERIFY(SchemeFileExists(path));
    QCOMPARE(ReadWholeFile(path).data, scheme.Record().join("\r\n").toLatin1() + "\r\n");

    ShapeTestColours colours = Distinct(2);
    scheme.Refresh(colours);
    QCOMPARE(LoadScheme(path, scheme, colours).status, SchemeLoadStatus::Loaded);
    QCOMPARE(colours, saved);
    QVERIFY(!scheme.IsChanged());
    QCOMPARE(scheme.ProposedName(), "ocean");
}

// A file that cannot be read, or is too large to be a scheme, changes nothing;
// a bad value stops the load but sets no colour it cannot read.
void SchemeFileTest::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<SchemeLoadStatus>("status");
    QTest::addColumn<bool>("backgroundRed");
    QTest::addColumn<QString>("error");
    const QString cannotOpen = "Cannot open file ";
    QTest::newRow("only the background, no final line end")
        << QByteArray("background=clRed") << SchemeLoadStatus::Loaded << true << QString();
    QTest::newRow("packed hex, LF")
        << QByteArray("background=$000000FF\n") << SchemeLoadStatus::Loaded << true << QString();
    QTest::newRow("binary around a good line")
        << RandomBytes(4000, 7) + "\r\nbackground=255\r" + RandomBytes(4000, 8)
        << SchemeLoadStatus::Loaded << true << QString();
    QTest::newRow("bad value before the background")
        << QByteArray("background=clRed\r\nsc1=\xff\x00\x01", 25) << SchemeLoadStatus::StoppedAtBad
        << false << QString::fromLatin1("'\xff\0\x01' is not a valid integer value", 34);
    QTest::newRow("10 MB starting with a good line")
        << QByteArray("background=clRed\r\n") + RandomBytes(10 * 1024 * 1024, 9)
        << SchemeLoadStatus::Unreadable << false << cannotOpen;
    QTest::newRow("one byte over the limit")
        << QByteArray("background=clRed\r\n") + QByteArray(kMaxSchemeFileSize - 17, '\n')
        << SchemeLoadStatus::Unreadable << false << cannotOpen;
    QTest::newRow("missing") << QByteArray() << SchemeLoadStatus::Unreadable << false << cannotOpen;
}

void SchemeFileTest::load()
{
    QFETCH(QByteArray, content);
    QFETCH(SchemeLoadStatus, status);
    QFETCH(bool, backgroundRed);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(QTest::currentDataTag());
    if (!content.isEmpty())
        QVERIFY(WriteFile(path, content));
    ColourScheme scheme;
    ShapeTestColours colours = Distinct(3);
    scheme.Refresh(colours);
    const QStringList record = scheme.Record();
    const SchemeLoadResult loaded = LoadScheme(path, scheme, colours);
    QCOMPARE(loaded.status, status);
    QCOMPARE(loaded.error, status == SchemeLoadStatus::Unreadable ? error + path : error);
    ShapeTestColours expected = Distinct(3);
    if (backgroundRed)
        expected.background = PackColour(255, 0, 0);
    QCOMPARE(colours, expected);
    QCOMPARE(scheme.IsChanged(), status != SchemeLoadStatus::Loaded);
    const bool unread = status == SchemeLoadStatus::Unreadable;
    QCOMPARE(scheme.CurrentPath(), unread ? QString() : path);
    QCOMPARE(scheme.Record() == record, unread);
}

void SchemeFileTest::save_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error"); // the start of the message; empty: saved
    QTest::newRow("plain") << ""
                           << "sea"
                           << "";
    QTest::newRow("blanks and dots inside") << ""
                                            << "my sea.v2"
                                            << "";
    QTest::newRow("empty would be a hidden .shm") << ""
                                                  << ""
                                                  << "Type a name";
    QTest::newRow("leading dot is hidden") << ""
                                           << ".sea"
                                           << "A scheme name may not";
    QTest::newRow("slash leaves the folder") << ""
                                             << "../sea"
                                             << "A scheme name may not";
    QTest::newRow("backslash") << ""
                               << "a\\b"
                               << "A scheme name may not";
    QTest::newRow("failed write names the system's reason")
        << "missing"
        << "sea"
        << "Cannot create file %1/missing/sea.shm\nNo such file";
}

void SchemeFileTest::save()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, error);
    QTemporaryDir dir;
    ColourScheme scheme;
    scheme.Refresh(ShapeTestColours());
    const SchemeFileResult result = SaveScheme(dir.filePath(folder), name, scheme);
    QCOMPARE(result.ok, error.isEmpty());
    QVERIFY2(error.isEmpty() ? result.error.isEmpty()
                             : result.error.startsWith(QString(error).replace("%1", dir.path())),
             qPrintable(result.error));
    QCOMPARE(CheckSchemeName(name).isEmpty(), error.isEmpty() || !folder.isEmpty());
    QCOMPARE(scheme.IsChanged(), !result.ok);
    const QStringList written = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(written, result.ok ? QStringList{name + ".shm"} : QStringList());
    QVERIFY(!QFile::exists(dir.filePath("../sea.shm")));
}

void SchemeFileTest::listAndDelete()
{
    QTemporaryDir dir;
    for (const char* name : {"b.shm", "c.SHM", "A.shm", "a2.shm", ".hidden.shm", "x.txt", "shm"})
        QVERIFY(WriteFile(dir.filePath(name), "background=clRed\r\n"));
    QVERIFY(QDir(dir.path()).mkdir("folder.shm"));
    QCOMPARE(ListSchemeFiles(dir.path()), (QStringList{"A.shm", "a2.shm", "b.shm", "c.SHM"}));

    const QString path = dir.filePath("b.shm");
    QVERIFY(DeleteSchemeFile(path));
    QCOMPARE(ListSchemeFiles(dir.path()), (QStringList{"A.shm", "a2.shm", "c.SHM"}));
    QCOMPARE(DeleteSchemeFile(path).error, "Can not delete!: " + path);
    QCOMPARE(DeleteSchemeFile(QString()).error, "Can not delete!: ");
}

QTEST_APPLESS_MAIN(SchemeFileTest)
#include "tst_schemefile.moc"
