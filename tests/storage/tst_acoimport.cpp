#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/AcoImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Hand-made ACO content, one piece at a time.
class AcoBytes
{
public:
    AcoBytes& Word(int value)
    {
        m_data.append(char(value >> 8 & 0xFF)).append(char(value & 0xFF));
        return *this;
    }
    AcoBytes& Record(int space, int w, int x, int y)
    {
        return Word(space).Word(w).Word(x).Word(y).Word(0);
    }
    // Version-2 name: the length in code units with the final zero, then the units.
    AcoBytes& Name(const QString& name)
    {
        Word(0).Word(int(name.size()) + 1);
        for (QChar c : name)
            Word(c.unicode());
        return Word(0);
    }
    QByteArray bytes() const { return m_data; }

private:
    QByteArray m_data;
};

const ColorRef kSky = PackColour(0x06, 0xA7, 0xFF);
const ColorRef kRed = PackColour(255, 0, 0);

// Two RGB colours, a version-1 section followed by the version-2 one with names.
QByteArray TwoNamedColours()
{
    return AcoBytes()
        .Word(1)
        .Word(2)
        .Record(0, 0x0606, 0xA7A7, 0xFFFF)
        .Record(0, 0xFFFF, 0, 0)
        .Word(2)
        .Word(2)
        .Record(0, 0x0606, 0xA7A7, 0xFFFF)
        .Name("Sky \U0001F324")
        .Record(0, 0xFFFF, 0, 0)
        .Name(QString())
        .bytes();
}

} // namespace

class AcoImportTest : public QObject
{
    Q_OBJECT
private slots:
    void exportReadsBack();
    void componentToByte_data();
    void componentToByte();
    void read_data();
    void read();
    void notAnAcoFile_data();
    void notAnAcoFile();
    void everyCutLoadsTheColoursBeforeIt();
};

void AcoImportTest::exportReadsBack()
{
    QList<ColorRef> colours;
    QStringList items;
    for (int i = 0; i < 256; ++i) {
        colours << PackColour(i, 255 - i, (i * 7) & 0xFF);
        items << FormatListItemText(colours.last());
    }
    QTemporaryDir dir;
    QFile file(dir.filePath("list.aco"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ExportListAsAco(items));
    file.close();
    const PaletteFileContent content = ReadAcoFile(file.fileName());
    QCOMPARE(content.status, ColourListLoadStatus::Loaded);
    QCOMPARE(content.colours, colours);
    QCOMPARE(content.names, QStringList());
    QCOMPARE(content.notice, QString());
    QCOMPARE(ReadAcoFile(dir.filePath("none.aco")).status, ColourListLoadStatus::Missing);
}

void AcoImportTest::componentToByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("byte");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("byte written twice") << 0xA7A7 << 0xA7;
    QTest::newRow("full") << 0xFFFF << 255;
    QTest::newRow("byte times 256, as some writers scale") << 0xA700 << 0xA7;
    QTest::newRow("255 times 256") << 0xFF00 << 255;
    QTest::newRow("half") << 0x8000 << 128;
}

void AcoImportTest::componentToByte()
{
    QFETCH(int, value);
    QTEST(int(AcoComponentToByte(std::uint16_t(value))), "byte");
}

void AcoImportTest::read_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<ColorRef>>("colours");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("notice");
    QTest::newRow("version 1 then 2: the names of version 2")
        << TwoNamedColours() << QList<ColorRef>{kSky, kRed} << QStringList{"Sky \U0001F324", ""}
        << QString();
    QTest::newRow("version 2 alone")
        << AcoBytes().Word(2).Word(1).Record(0, 0xFFFF, 0, 0).Name("Red").bytes()
        << QList<ColorRef>{kRed} << QStringList{"Red"} << QString();
    QTest::newRow("other colour spaces counted") << AcoBytes()
                                                        .Word(1)
                                                        .Word(5)
                                                        .Record(0, 0xFFFF, 0, 0)
                                                        .Record(2, 0, 0, 0)
                                                        .Record(7, 1, 2, 3)
                                                        .Record(0, 0x0606, 0xA7A7, 0xFFFF)
                                                        .Record(8, 5000, 0, 0)
                                                        .bytes()
                                                 << QList<ColorRef>{kRed, kSky} << QStringList()
                                                 << "3 colors in other color spaces were skipped.";
    QTest::newRow("one other colour space") << AcoBytes()
                                                   .Word(2)
                                                   .Word(2)
                                                   .Record(1, 0, 0, 0)
                                                   .Name("Hue")
                                                   .Record(0, 0xFFFF, 0, 0)
                                                   .Name("Red")
                                                   .bytes()
                                            << QList<ColorRef>{kRed} << QStringList{"Red"}
                                            << "1 color in another color space was skipped.";
    QTest::newRow("cut inside a record")
        << AcoBytes().Word(1).Word(3).Record(0, 0xFFFF, 0, 0).Word(0).Word(0x0606).bytes()
        << QList<ColorRef>{kRed} << QStringList()
        << "The file 'p.aco' ends early; the colors before the end were read.";
    QTest::newRow("version-2 name longer than the file: version-1 colours kept")
        << AcoBytes()
               .Word(1)
               .Word(1)
               .Record(0, 0xFFFF, 0, 0)
               .Word(2)
               .Word(1)
               .Record(0, 0xFFFF, 0, 0)
               .Word(0xFFFF)
               .Word(0xFFFF)
               .Word('R')
               .bytes()
        << QList<ColorRef>{kRed} << QStringList()
        << "The file 'p.aco' ends early; the colors before the end were read.";
    QTest::newRow("skipped and cut")
        << AcoBytes().Word(1).Word(3).Record(2, 0, 0, 0).Record(0, 0xFFFF, 0, 0).bytes()
        << QList<ColorRef>{kRed} << QStringList()
        << "1 color in another color space was skipped.\rThe file 'p.aco' ends early; the colors "
           "before the end were read.";
    QTest::newRow("bytes after the sections ignored")
        << TwoNamedColours() + QByteArray("\x00\x00\x00", 3) << QList<ColorRef>{kSky, kRed}
        << QStringList{"Sky \U0001F324", ""} << QString();
    QTest::newRow("no colours") << AcoBytes().Word(1).Word(0).bytes() << QList<ColorRef>()
                                << QStringList() << QString();
}

void AcoImportTest::read()
{
    QFETCH(QByteArray, data);
    const PaletteFileContent content = ParseAco(data, "p.aco");
    QCOMPARE(content.status, ColourListLoadStatus::Loaded);
    QTEST(content.colours, "colours");
    QTEST(content.names, "names");
    QTEST(content.notice, "notice");
}

void AcoImportTest::notAnAcoFile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("shorter than a section header") << QByteArray("\x00\x01\x00", 3);
    QTest::newRow("version 3") << AcoBytes().Word(3).Word(1).Record(0, 0, 0, 0).bytes();
    QTest::newRow("a GIMP palette") << QByteArray("GIMP Palette\n1 2 3\n");
}

void AcoImportTest::notAnAcoFile()
{
    QFETCH(QByteArray, data);
    const PaletteFileContent content = ParseAco(data, "p.aco");
    QCOMPARE(content.status, ColourListLoadStatus::Failed);
    QCOMPARE(content.error, "The file 'p.aco' is not an ACO swatch file.");
}

// A download that stopped anywhere: no crash, and what loads is a first part of
// the colours; before the end of the version-1 section the cut is reported.
void AcoImportTest::everyCutLoadsTheColoursBeforeIt()
{
    const QByteArray whole = TwoNamedColours();
    const QList<ColorRef> all{kSky, kRed};
    const qsizetype firstSectionEnd = 4 + 2 * 10;
    for (qsizetype size = 4; size < whole.size(); ++size) {
        const PaletteFileContent content = ParseAco(whole.first(size), "p.aco");
        QCOMPARE(content.status, ColourListLoadStatus::Loaded);
        QCOMPARE(content.colours, all.first(content.colours.size()));
        QVERIFY(content.names.isEmpty() || content.names.size() == content.colours.size());
        if (size < firstSectionEnd || size > firstSectionEnd + 1)
            QVERIFY2(content.notice.contains("ends early"), qPrintable(QString::number(size)));
    }
}

QTEST_APPLESS_MAIN(AcoImportTest)
#include "tst_acoimport.moc"
