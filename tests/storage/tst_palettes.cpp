// GIMP palettes, ACO import, and the one load for colour lists and palettes.
#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/AcoImport.h"
#include "storage/GimpPalette.h"
#include "storage/PaletteFiles.h"
#include "storage/RecentLists.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ListFileKind)
Q_DECLARE_METATYPE(std::optional<ListFileKind>)

namespace {

using Colours = QList<ColorRef>;
const ColorRef kSky = PackColour(6, 167, 255);
const ColorRef kRed = PackColour(255, 0, 0);
const auto kLoaded = ColourListLoadStatus::Loaded;
const auto kFailed = ColourListLoadStatus::Failed;

// ACO pieces, in hex: a record is colour space and four 16-bit values; a
// version-2 name is its length in UTF-16 units with the final zero, then those.
QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text); // blanks are skipped
}
const QByteArray kSkyRecord = Hex("0000 0606 A7A7 FFFF 0000");
const QByteArray kRedRecord = Hex("0000 FFFF 0000 0000 0000");
const QByteArray kCmykRecord = Hex("0002 0000 0000 0000 0000");
const QByteArray kSkyName = Hex("0000 0007 0053 006B 0079 0020 D83C DF24 0000"); // "Sky 🌤"
const QByteArray kNoName = Hex("0000 0001 0000");
const QByteArray kTwoNamed = Hex("0001 0002") + kSkyRecord + kRedRecord + Hex("0002 0002") +
                             kSkyRecord + kSkyName + kRedRecord + kNoName;
const QString kEndsEarly = "The file 'p.aco' ends early; the colors before the end were read.";

QStringList Items(const Colours& colours)
{
    QStringList items;
    for (ColorRef c : colours)
        items << FormatListItemText(c);
    return items;
}

Colours ListColours(const ColourList& list)
{
    Colours colours;
    for (const ColourListItem& item : list.items())
        colours << item.colour;
    return colours;
}

} // namespace

class PalettesTest : public QObject
{
    Q_OBJECT
private slots:
    void gimpExportReadsBackWithAnIndependentParser();
    void gimpRead_data();
    void gimpRead();
    void acoExportReadsBack();
    void acoRead_data();
    void acoRead();
    void acoEveryCutLoadsTheColoursBeforeIt();
    void fileKinds_data();
    void fileKinds();
    void kindByContent_data();
    void kindByContent();
    void load_data();
    void load();

private:
    QTemporaryDir m_dir;
};

// Read as another program would: header lines in GIMP's order, then rows of three
// numbers in three places each, a tab and the name.
void PalettesTest::gimpExportReadsBackWithAnIndependentParser()
{
    const Colours colours{kSky, PackColour(0, 0, 0), PackColour(255, 255, 255),
                          PackColour(9, 10, 99), PackColour(100, 5, 250)};
    QStringList items = Items(colours);
    items.insert(2, "an item without a colour");
    const QByteArray file = ExportListAsGimpPalette("Brand\nColours é", items);
    QVERIFY(!file.contains('\r') && file.endsWith('\n'));
    const QStringList lines = QString::fromUtf8(file).split('\n');
    QCOMPARE(lines.size(), 4 + colours.size() + 1);
    QCOMPARE(lines.mid(0, 2), (QStringList{"GIMP Palette", "Name: Brand Colours é"}));
    QVERIFY(QRegularExpression("^Columns: \\d+$").match(lines[2]).hasMatch());
    QCOMPARE(lines[3], "#");
    const QRegularExpression row("^([ \\d]{3}) ([ \\d]{3}) ([ \\d]{3})\\t(#[0-9A-F]{6})$");
    for (int i = 0; i < colours.size(); ++i) {
        const QRegularExpressionMatch match = row.match(lines[4 + i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[4 + i]));
        const Rgb c = UnpackColour(colours[i]);
        QCOMPARE(match.captured(1).trimmed().toInt(), c.red);
        QCOMPARE(match.captured(2).trimmed().toInt(), c.green);
        QCOMPARE(match.captured(3).trimmed().toInt(), c.blue);
        QCOMPARE(match.captured(4), FormatListItemText(colours[i]).right(16).left(7));
    }
    QCOMPARE(lines[4], "  6 167 255\t#06A7FF");
    QCOMPARE(GimpPaletteName("/lists/web.2024.cll", "/out/x.gpl"), "web.2024");
    QCOMPARE(GimpPaletteName(QString(), "/out/brand.gpl"), "brand");
}

void PalettesTest::gimpRead_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<ColourListLoadStatus>("status");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<QString>("paletteName");
    QTest::addColumn<QString>("message"); // the notice when loaded, the error when failed
    const QString notGimp = "The file '%3.gpl' is not a GIMP palette.";
    QTest::newRow("as GIMP writes it")
        << QByteArray(
               "GIMP Palette\nName: Web\nColumns: 16\n#\n  6 167 255\t#06A7FF\n255 0 0\tRed\n")
        << kLoaded << Colours{kSky, kRed} << "Web" << QString();
    QTest::newRow("Windows line ends, comments, blank lines, missing names")
        << QByteArray("GIMP Palette\r\n# by hand\r\n\r\n \t \r\n  # indented\r\n0 0 0\r\n"
                      "\t6\t167  255   Deep  sky \r\n")
        << kLoaded << Colours{PackColour(0, 0, 0), kSky} << QString() << QString();
    // The path looks like a place holder: it must stay as it is.
    QTest::newRow("bad rows skipped, the first reported")
        << QByteArray("GIMP Palette\n1 2 3 one\n256 0 0 too big\n1 2 two\n-1 0 0\n4 5 6\n1,2,3\n"
                      "12a 0 0\n99999999999999999999 0 0\n007 000 255\n")
        << kLoaded << Colours{PackColour(1, 2, 3), PackColour(4, 5, 6), PackColour(7, 0, 255)}
        << QString()
        << "6 lines of '%3.gpl' are not colors and were skipped. The first is line 3:\r256 0 0 too "
           "big";
    QTest::newRow("a bad row of a megabyte is quoted short")
        << "GIMP Palette\r\nName: x\r\n" + QByteArray(1 << 20, '9') + "\r\n7 8 9\r\n"
        << kLoaded << Colours{PackColour(7, 8, 9)} << "x"
        << "Line 3 of '%3.gpl' is not a color and was skipped:\r" + QString(200, '9') + "...";
    QTest::newRow("UTF-8 mark and name")
        << QByteArray("\xEF\xBB\xBFGIMP Palette\nName: Caf\xC3\xA9\n1 1 1 Gr\xC3\xBCn\n") << kLoaded
        << Colours{PackColour(1, 1, 1)} << "Café" << QString();
    QTest::newRow("Latin-1 name") << QByteArray("GIMP Palette\nName: Gr\xFCn\n") << kLoaded
                                  << Colours() << "Grün" << QString();
    QTest::newRow("repeats kept, CR line ends")
        << QByteArray("GIMP Palette\r5 5 5\r5 5 5") << kLoaded
        << Colours{PackColour(5, 5, 5), PackColour(5, 5, 5)} << QString() << QString();
    QTest::newRow("empty") << QByteArray() << kFailed << Colours() << QString() << notGimp;
    QTest::newRow("a colour list file") << QByteArray("6,167,255             #06A7FF - FFA706\r\n")
                                        << kFailed << Colours() << QString() << notGimp;
}

void PalettesTest::gimpRead()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const PaletteFileContent content = ParseGimpPalette(data, "%3.gpl");
    QTEST(content.status, "status");
    QTEST(content.colours, "colours");
    QTEST(content.paletteName, "paletteName");
    QCOMPARE(content.status == kLoaded ? content.notice : content.error, message);
}

void PalettesTest::acoExportReadsBack()
{
    Colours colours;
    for (int i = 0; i < 256; ++i)
        colours << PackColour(i, 255 - i, (i * 7) & 0xFF);
    const PaletteFileContent content = ParseAco(ExportListAsAco(Items(colours)), "p.aco");
    QCOMPARE(content.status, kLoaded);
    QCOMPARE(content.colours, colours);
    QCOMPARE(content.notice, QString());
}

void PalettesTest::acoRead_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<ColourListLoadStatus>("status");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message"); // the notice when loaded, the error when failed
    const QString notAco = "The file 'p.aco' is not an ACO swatch file.";
    QTest::newRow("version 1 then 2: the names of version 2")
        << kTwoNamed << kLoaded << Colours{kSky, kRed} << QStringList{"Sky 🌤", ""} << QString();
    QTest::newRow("version 2 alone") << Hex("0002 0001") + kSkyRecord + kSkyName << kLoaded
                                     << Colours{kSky} << QStringList{"Sky 🌤"} << QString();
    QTest::newRow("a writer scaling bytes by 256")
        << Hex("0001 0001 0000 A700 FF00 0000 0000") << kLoaded
        << Colours{PackColour(0xA7, 0xFF, 0)} << QStringList() << QString();
    QTest::newRow("other colour spaces counted")
        << Hex("0001 0004") + kRedRecord + kCmykRecord + kCmykRecord +
               Hex("0007 0001 0002 0003 0000")
        << kLoaded << Colours{kRed} << QStringList()
        << "3 colors in other color spaces were skipped.";
    QTest::newRow("one other colour space, then cut inside a record")
        << Hex("0001 0004") + kCmykRecord + kRedRecord + Hex("0000 0606") << kLoaded
        << Colours{kRed} << QStringList()
        << "1 color in another color space was skipped.\r" + kEndsEarly;
    QTest::newRow("version-2 name past the end: the version-1 colours")
        << Hex("0001 0001") + kRedRecord + Hex("0002 0001") + kRedRecord + Hex("FFFF FFFF 0052")
        << kLoaded << Colours{kRed} << QStringList() << kEndsEarly;
    QTest::newRow("bytes after the sections ignored")
        << kTwoNamed + Hex("000000") << kLoaded << Colours{kSky, kRed}
        << QStringList{"Sky 🌤", ""} << QString();
    QTest::newRow("empty") << QByteArray() << kFailed << Colours() << QStringList() << notAco;
    QTest::newRow("shorter than a header")
        << Hex("000100") << kFailed << Colours() << QStringList() << notAco;
    QTest::newRow("version 3") << Hex("0003 0001") + kRedRecord << kFailed << Colours()
                               << QStringList() << notAco;
    const QString noColours = "The file 'p.aco' holds no colors.";
    QTest::newRow("cut before the first colour")
        << Hex("0001 0002 0000 FFFF") << kFailed << Colours() << QStringList() << noColours;
    QTest::newRow("no colours at all")
        << Hex("0001 0000") << kFailed << Colours() << QStringList() << noColours;
    QTest::newRow("only other colour spaces")
        << Hex("0001 0001") + kCmykRecord << kFailed << Colours() << QStringList()
        << noColours + "\r1 color in another color space was skipped.";
}

void PalettesTest::acoRead()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    const PaletteFileContent content = ParseAco(data, "p.aco");
    QTEST(content.status, "status");
    QTEST(content.colours, "colours");
    QTEST(content.names, "names");
    QCOMPARE(content.status == kLoaded ? content.notice : content.error, message);
}

// A download that stopped anywhere: no crash, the colours before the cut, and
// before the end of the version-1 section the cut is reported.
void PalettesTest::acoEveryCutLoadsTheColoursBeforeIt()
{
    const qsizetype firstSectionEnd = 4 + 2 * 10;
    for (qsizetype size = 4; size < kTwoNamed.size(); ++size) {
        const PaletteFileContent content = ParseAco(kTwoNamed.first(size), "p.aco");
        // Cut before the first colour: nothing to load, the list is kept.
        QCOMPARE(content.status, size < 4 + 10 ? kFailed : kLoaded);
        if (content.status == kFailed)
            continue;
        QCOMPARE(content.colours, Colours({kSky, kRed}).first(content.colours.size()));
        if (size < firstSectionEnd || size > firstSectionEnd + 1)
            QVERIFY2(content.notice.contains("ends early"), qPrintable(QString::number(size)));
    }
}

void PalettesTest::fileKinds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ListFileKind>("kind");
    QTest::addColumn<bool>("droppable"); // letter case counts, as it always has for ".cll"
    QTest::newRow("cll") << "/p/web.cll" << ListFileKind::ColourList << true;
    QTest::newRow("CLL") << "/p/WEB.CLL" << ListFileKind::ColourList << false;
    QTest::newRow("any other name") << "/p/web.txt" << ListFileKind::ColourList << false;
    QTest::newRow("gpl") << "/p/web.gpl" << ListFileKind::GimpPalette << true;
    QTest::newRow("ACO as the export names it") << "/p/web.ACO" << ListFileKind::Aco << false;
    QTest::newRow("only the last extension")
        << "/p/web.gpl.cll" << ListFileKind::ColourList << true;
}

void PalettesTest::fileKinds()
{
    QFETCH(QString, path);
    QTEST(ListFileKindOf(path), "kind");
    QTEST(IsDroppableListFile(path), "droppable");
}

void PalettesTest::kindByContent_data()
{
    using Kind = std::optional<ListFileKind>;
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("GIMP") << QByteArray("GIMP Palette\nName: a - 1\n")
                          << Kind(ListFileKind::GimpPalette);
    QTest::newRow("GIMP after a byte order mark")
        << QByteArray("\xEF\xBB\xBFGIMP Palette\n") << Kind(ListFileKind::GimpPalette);
    QTest::newRow("ACO") << ExportListAsAco(Items({kSky})) << Kind(ListFileKind::Aco);
    QTest::newRow("list") << QByteArray("255,0,0             #FF0000 - 0000FF\r\n")
                          << Kind(ListFileKind::ColourList);
    QTest::newRow("list after blank lines")
        << QByteArray("\r\n  \r\n6,167,255             #06A7FF - FFA706")
        << Kind(ListFileKind::ColourList);
    // Text that the list reader would take for a colour must not pass for a list.
    QTest::newRow("a dash and digits") << QByteArray("Notes - 2024\n") << Kind();
    QTest::newRow("odd first line")
        << QByteArray("my colours\r\n255,0,0   #FF0000 - 0000FF") << Kind();
    QTest::newRow("empty") << QByteArray() << Kind();
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n", 8) << Kind();
}

void PalettesTest::kindByContent()
{
    QFETCH(QByteArray, head);
    QTEST(ListFileKindOfContent(head), "kind");
}

void PalettesTest::load_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<ColourListLoadStatus>("status");
    QTest::addColumn<QString>("message"); // the notice when loaded, the error when failed
    const QStringList items = Items({kSky, kRed, kSky});
    QTest::newRow("GIMP palette") << "in.gpl" << ExportListAsGimpPalette("in", items) << kLoaded
                                  << QString();
    QTest::newRow("GIMP palette with a bad row")
        << "bad.gpl" << ExportListAsGimpPalette("in", items) + "x\n"
        << kLoaded
        << "Line 8 of '" + m_dir.filePath("bad.gpl") + "' is not a color and was skipped:\rx";
    QTest::newRow("ACO") << "in.aco" << ExportListAsAco(items) << kLoaded << QString();
    QTest::newRow("missing palette")
        << "none.gpl" << QByteArray() << ColourListLoadStatus::Missing << QString();
    QTest::newRow("GIMP palette saved as .txt")
        << "gimp.txt" << ExportListAsGimpPalette("in", items) << kLoaded << QString();
    QTest::newRow("GIMP palette named .cll")
        << "gimp.cll" << ExportListAsGimpPalette("in", items) << kLoaded << QString();
    QTest::newRow("ACO under another name")
        << "swatches.bin" << ExportListAsAco(items) << kLoaded << QString();
    QTest::newRow("not a colour file")
        << "notes.txt" << QByteArray("Notes - 2024\r\n") << kFailed
        << "The file '" + m_dir.filePath("notes.txt") +
               "' is not a colour file. QB Kromi loads .cll, .gpl, .aco.";
    QTest::newRow("not a GIMP palette")
        << "text.gpl" << QByteArray("hello") << kFailed
        << "The file '" + m_dir.filePath("text.gpl") + "' is not a GIMP palette.";
    QTest::newRow("not an ACO file")
        << "text.aco" << QByteArray("hello") << kFailed
        << "The file '" + m_dir.filePath("text.aco") + "' is not an ACO swatch file.";
}

// A loaded palette replaces the list but never becomes its file: the exit write
// must go neither over the palette nor over the list loaded before. A palette
// that fails or is missing changes nothing.
void PalettesTest::load()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    QFETCH(ColourListLoadStatus, status);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    QVERIFY(data.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()));
    file.close();
    ColourList list;
    list.AddDroppedColourToList(PackColour(10, 20, 30));
    list.SetCurrentListPath("/lists/before.cll");
    list.SetChanged(true);
    RecentLists recent(m_dir.filePath("default.cll"));

    const ListLoadResult result = LoadListOrPalette(path, list, &recent);
    QCOMPARE(result.status, status);
    QCOMPARE(status == kLoaded ? result.notice : result.error, message);
    const bool loaded = status == kLoaded;
    QCOMPARE(ListColours(list), loaded ? Colours({kSky, kRed}) : Colours({PackColour(10, 20, 30)}));
    QCOMPARE(result.mainColour, loaded ? std::optional(kRed) : std::nullopt);
    QCOMPARE(list.CurrentListPath(), loaded ? QString() : "/lists/before.cll");
    QCOMPARE(list.IsChanged(), !loaded);
    QCOMPARE(recent.paths(), loaded ? QStringList{path} : QStringList());
}

QTEST_APPLESS_MAIN(PalettesTest)
#include "tst_palettes.moc"
