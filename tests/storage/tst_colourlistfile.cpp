#include "state/ColourList.h"
#include "storage/ColourListFile.h"
#include "storage/RecentLists.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<ColorRef>)

namespace {

const ColorRef kBlack = PackColour(0, 0, 0);
const ColorRef kBlue = PackColour(0, 0, 255);
const ColorRef kRed = PackColour(255, 0, 0);

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QList<ColorRef> Colours(const ColourList& list)
{
    QList<ColorRef> colours;
    for (const ColourListItem& item : list.items())
        colours.append(item.colour);
    return colours;
}

// A list that a failed load must leave exactly as it is.
void Prefill(ColourList& list)
{
    list.AddDroppedColourToList(PackColour(10, 20, 30));
    list.AddDroppedColourToList(PackColour(40, 50, 60));
    list.SetCurrentListPath("/before.cll");
    list.SetChanged(true);
}

void VerifyPrefilled(const ColourList& list)
{
    QCOMPARE(Colours(list), (QList<ColorRef>{PackColour(10, 20, 30), PackColour(40, 50, 60)}));
    QCOMPARE(list.CurrentListPath(), "/before.cll");
    QVERIFY(list.IsChanged());
}

} // namespace

class ColourListFileTest : public QObject
{
    Q_OBJECT
private slots:
    void convertLine_data();
    void convertLine();
    void load_data();
    void load();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void missingFileKeepsListButTakesPath();
    void hugeLines();
    void binaryGarbageNeverCrashes();
    void progressRisesToHundred();
    void roundTripIsByteExact();
    void saveFailureKeepsTheOldFile();
    void linesThatAreNoColoursStayInPlace_data();
    void linesThatAreNoColoursStayInPlace();

private:
    QString WriteList(const QByteArray& data);

    QTemporaryDir m_dir;
    int m_files = 0;
};

QString ColourListFileTest::WriteList(const QByteArray& data)
{
    const QString path = m_dir.filePath(QString("list%1.cll").arg(++m_files));
    WriteFile(path, data);
    return path;
}

void ColourListFileTest::convertLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<std::optional<ColorRef>>("colour");
    QTest::addColumn<QString>("error");
    const std::optional<ColorRef> none;
    QTest::newRow("item text") << QByteArray("6,167,255             #06A7FF - FFA706")
                               << std::optional(PackColour(6, 167, 255)) << QString();
    QTest::newRow("only the part after the dash counts")
        << QByteArray("x - FF0000") << std::optional(kBlue) << QString();
    QTest::newRow("hand-written red")
        << QByteArray("anything - 0000FF") << std::optional(kRed) << QString();
    QTest::newRow("lower case digits")
        << QByteArray("x - ff0000") << std::optional(kBlue) << QString();
    QTest::newRow("dash is the last character")
        << QByteArray("abc-") << std::optional(kBlack) << QString();
    QTest::newRow("one character after the dash")
        << QByteArray("abc-F") << std::optional(kBlack) << QString();
    QTest::newRow("character after the dash is dropped unseen")
        << QByteArray("x -FFA706") << std::optional(ColorRef(0xFA706)) << QString();
    QTest::newRow("no dash") << QByteArray("6,167,255 #06A7FF") << none << QString();
    QTest::newRow("empty") << QByteArray() << none << QString();
    QTest::newRow("first dash counts")
        << QByteArray("a-b - 00FF00") << none << "'$00 - 00FF00' is not a valid integer value";
    QTest::newRow("not hexadecimal")
        << QByteArray("x - GG0000") << none << "'$00GG0000' is not a valid integer value";
    QTest::newRow("trailing blank")
        << QByteArray("x - FFA706 ") << none << "'$00FFA706 ' is not a valid integer value";
    QTest::newRow("eight digits, top byte dropped")
        << QByteArray("x - 12345678") << std::optional(ColorRef(0x345678)) << QString();
    QTest::newRow("beyond 32 bits")
        << QByteArray("x - 123456789") << none << "'$00123456789' is not a valid integer value";
    QTest::newRow("leading zeros") << QByteArray("x - 0000000000000000FFA706")
                                   << std::optional(ColorRef(0xFFA706)) << QString();
    QTest::newRow("Latin-1 byte") << QByteArray("x - \xe9") << none
                                  << QString::fromLatin1("'$00\xe9' is not a valid integer value");
}

void ColourListFileTest::convertLine()
{
    QFETCH(QByteArray, line);
    QFETCH(std::optional<ColorRef>, colour);
    QFETCH(QString, error);
    const ColourListLine converted = ConvertColourListLine(line);
    QCOMPARE(converted.colour, colour);
    QCOMPARE(converted.error, error);
}

void ColourListFileTest::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<ColorRef>>("colours");
    QTest::addColumn<std::optional<ColorRef>>("mainColour");
    const ColorRef start = PackColour(6, 167, 255);
    QTest::newRow("black and blue")
        << QByteArray("0,0,0             #000000 - 000000\r\nx - FF0000\r\n")
        << QList<ColorRef>{kBlack, kBlue} << std::optional(kBlue);
    QTest::newRow("a colour twice loads once")
        << QByteArray("x - 0000FF\r\nx - FF0000\r\ny - 0000FF\r\n") << QList<ColorRef>{kRed, kBlue}
        << std::optional(kBlue);
    QTest::newRow("main colour is the last newly added")
        << QByteArray("x - FF0000\r\nx - 0000FF\r\nx - FF0000\r\n") << QList<ColorRef>{kBlue, kRed}
        << std::optional(kRed);
    QTest::newRow("lines without dash empty the list")
        << QByteArray("hello\r\n\r\n#FFFFFF\r\n") << QList<ColorRef>{} << std::optional<ColorRef>();
    QTest::newRow("empty file") << QByteArray() << QList<ColorRef>{} << std::optional<ColorRef>();
    QTest::newRow("LF only") << QByteArray("x - FF0000\nx - 0000FF\n")
                             << QList<ColorRef>{kBlue, kRed} << std::optional(kRed);
    QTest::newRow("CR only, no final end")
        << QByteArray("x - FF0000\rx - A706\r\r\rx - FFA706")
        << QList<ColorRef>{kBlue, ColorRef(0xA706), start} << std::optional(start);
}

void ColourListFileTest::load()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<ColorRef>, colours);
    QFETCH(std::optional<ColorRef>, mainColour);
    const QString path = WriteList(content);
    ColourList list;
    Prefill(list);
    RecentLists recent(m_dir.filePath("default.cll"));
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&list, &QAbstractItemModel::rowsInserted);
    const ColourListLoadResult result = LoadColourList(path, list, &recent);
    QCOMPARE(result.status, ColourListLoadStatus::Loaded);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(Colours(list), colours);
    QCOMPARE(result.mainColour, mainColour);
    QCOMPARE(list.CurrentListPath(), path);
    QVERIFY(!list.IsChanged());
    QCOMPARE(recent.paths(), QStringList{path});
    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserts.size(), 0);
}

void ColourListFileTest::failedLoadChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("error");
    const QString badLine = WriteList("x - FF0000\r\nx - 00FF00\r\nx - 0000ZZ\r\nx - 0000FF\r\n");
    QTest::newRow("unconvertible line") << badLine << "'$000000ZZ' is not a valid integer value";
    const QString folder = m_dir.filePath("folder.cll");
    QDir().mkdir(folder);
    QTest::newRow("a folder") << folder << "Cannot open file " + folder;
}

void ColourListFileTest::failedLoadChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, error);
    ColourList list;
    Prefill(list);
    RecentLists recent(m_dir.filePath("default.cll"));
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    const ColourListLoadResult result = LoadColourList(path, list, &recent);
    QCOMPARE(result.status, ColourListLoadStatus::Failed);
    QCOMPARE(result.error, error);
    QCOMPARE(result.mainColour, std::nullopt);
    VerifyPrefilled(list);
    QCOMPARE(recent.count(), 0);
    QCOMPARE(resets.size(), 0);
}

void ColourListFileTest::missingFileKeepsListButTakesPath()
{
    const QString path = m_dir.filePath("not-there.cll");
    ColourList list;
    Prefill(list);
    RecentLists recent(m_dir.filePath("default.cll"));
    const ColourListLoadResult result = LoadColourList(path, list, &recent);
    QCOMPARE(result.status, ColourListLoadStatus::Missing);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.CurrentListPath(), path);
    QVERIFY(!list.IsChanged());
    QCOMPARE(recent.count(), 0);

    // The default list never enters the recent lists.
    const QString defaultList = WriteList("x - FF0000\r\n");
    RecentLists withDefault(defaultList);
    QCOMPARE(LoadColourList(defaultList, list, &withDefault).status, ColourListLoadStatus::Loaded);
    QCOMPARE(withDefault.count(), 0);
}

void ColourListFileTest::hugeLines()
{
    const QByteArray fifty(50 * 1024 * 1024, 'A');
    ColourList list;
    Prefill(list);
    const ColourListLoadResult bad = LoadColourList(WriteList("x - " + fifty + "\r\n"), list);
    QCOMPARE(bad.status, ColourListLoadStatus::Failed);
    QVERIFY(bad.error.startsWith("'$00AAAA"));
    QVERIFY(bad.error.endsWith("...' is not a valid integer value"));
    QVERIFY(bad.error.size() < 300);
    VerifyPrefilled(list);

    const QByteArray zeros(1024 * 1024, '0');
    const ColourListLoadResult good =
        LoadColourList(WriteList("x - " + zeros + "FF\r\n" + "no dash\r\n"), list);
    QCOMPARE(good.status, ColourListLoadStatus::Loaded);
    QCOMPARE(Colours(list), QList<ColorRef>{kRed});
}

void ColourListFileTest::binaryGarbageNeverCrashes()
{
    QRandomGenerator random(1234);
    for (int round = 0; round < 200; ++round) {
        QByteArray data(random.bounded(2000), Qt::Uninitialized);
        for (char& byte : data)
            byte = char(random.bounded(256));
        if (round % 2)
            data.replace('-', "- ");
        ColourList list;
        Prefill(list);
        const ColourListLoadResult result = LoadColourList(WriteList(data), list);
        if (result.status == ColourListLoadStatus::Failed) {
            QVERIFY(result.error.endsWith("is not a valid integer value"));
            VerifyPrefilled(list);
        } else {
            QCOMPARE(result.status, ColourListLoadStatus::Loaded);
        }
    }
}

void ColourListFileTest::progressRisesToHundred()
{
    QByteArray data;
    for (int i = 0; i < 1000; ++i)
        data += "x - " + QByteArray::number(i, 16) + "\r\n";
    QList<int> reported;
    ColourList list;
    LoadColourList(WriteList(data), list, nullptr, [&](int percent) { reported.append(percent); });
    QCOMPARE(reported.size(), 101);
    for (int i = 0; i <= 100; ++i)
        QCOMPARE(reported.at(i), i);
    QCOMPARE(list.count(), 1000);
}

void ColourListFileTest::roundTripIsByteExact()
{
    QRandomGenerator random(99);
    ColourList list;
    QByteArray expected;
    for (int i = 0; i < 10000; ++i) {
        const ColorRef colour = random.bounded(0x1000000);
        if (list.AddDroppedColourToList(colour))
            expected += FormatListItemText(colour).toLatin1() + "\r\n";
    }
    const QString path = m_dir.filePath("roundtrip.cll");
    QVERIFY(SaveColourList(path, list));
    QCOMPARE(FileBytes(path), expected);

    ColourList reread;
    const ColourListLoadResult result = LoadColourList(path, reread);
    QCOMPARE(result.status, ColourListLoadStatus::Loaded);
    QCOMPARE(Colours(reread), Colours(list));
    QCOMPARE(result.mainColour, std::optional(list.items().constLast().colour));
    const QString again = m_dir.filePath("again.cll");
    QVERIFY(SaveColourList(again, reread));
    QCOMPARE(FileBytes(again), expected);

    ColourList empty;
    QVERIFY(SaveColourList(path, empty));
    QCOMPARE(FileBytes(path), QByteArray());
}

void ColourListFileTest::saveFailureKeepsTheOldFile()
{
    ColourList list;
    list.AddDroppedColourToList(kRed);
    QVERIFY(!SaveColourList(m_dir.filePath("no-such-folder/x.cll"), list));
    const QString folder = m_dir.filePath("a-folder");
    QDir().mkdir(folder);
    QVERIFY(!SaveColourList(folder, list));
    QVERIFY(QFileInfo(folder).isDir());
}

enum class ListEdit
{
    None,
    DeleteFirst,
    DeleteLast,
    ClearDuplicates,
    Add
};

void ColourListFileTest::linesThatAreNoColoursStayInPlace_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("edit");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("notice"); // %1: the path
    const QByteArray red = "255,0,0             #FF0000 - 0000FF\r\n";
    const QByteArray blue = "0,0,255             #0000FF - FF0000\r\n";
    const QByteArray file = "; my list\r\n" + red + "\r\nsky:\r\n" + blue + "end\r\n";
    const QString two =
        QStringLiteral("The file '%1' holds 3 lines that are not colors; they are kept in place.");
    QTest::newRow("unchanged") << file << int(ListEdit::None) << file << two;
    QTest::newRow("first deleted: its lines stay before the next")
        << file << int(ListEdit::DeleteFirst) << "; my list\r\n\r\nsky:\r\n" + blue + "end\r\n"
        << two;
    QTest::newRow("last deleted: its lines go to the end")
        << file << int(ListEdit::DeleteLast) << "; my list\r\n" + red + "\r\nsky:\r\nend\r\n"
        << two;
    QTest::newRow("added after the last, before the end lines")
        << file << int(ListEdit::Add)
        << "; my list\r\n" + red + "\r\nsky:\r\n" + blue +
               "0,0,0             #000000 - 000000\r\nend\r\n"
        << two;
    QTest::newRow("a repeat's lines pass to the next colour")
        << QByteArray("a - 0000FF\r\n# again\r\nb - 0000FF\r\nc - FF0000\r\n")
        << int(ListEdit::ClearDuplicates) << red + "# again\r\n" + blue
        << QStringLiteral("The file '%1' holds 1 line that is not a color; it is kept in place.");
}

void ColourListFileTest::linesThatAreNoColoursStayInPlace()
{
    QFETCH(QByteArray, file);
    QFETCH(int, edit);
    QFETCH(QByteArray, written);
    QFETCH(QString, notice);
    const QString path = m_dir.filePath("notes.cll");
    QVERIFY(WriteFile(path, file));
    ColourList list;
    const ColourListLoadResult result = LoadColourList(path, list);
    QCOMPARE(result.notice, notice.arg(path));
    QVERIFY(!list.IsNotReadInFull());
    switch (ListEdit(edit)) {
    case ListEdit::None:
        break;
    case ListEdit::DeleteFirst:
        list.DeleteRows({0});
        break;
    case ListEdit::DeleteLast:
        list.DeleteRows({list.count() - 1});
        break;
    case ListEdit::ClearDuplicates:
        list.ClearDuplicateColours();
        break;
    case ListEdit::Add:
        list.AddDroppedColourToList(kBlack);
        break;
    }
    QVERIFY(SaveColourList(path, list));
    QCOMPARE(FileBytes(path), written);
}

QTEST_APPLESS_MAIN(ColourListFileTest)
#include "tst_colourlistfile.moc"
