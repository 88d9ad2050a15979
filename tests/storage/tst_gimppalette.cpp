#include "state/ColourList.h"
#include "storage/GimpPalette.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class GimpPaletteTest : public QObject
{
    Q_OBJECT
private slots:
    void exportReadsBackWithAnIndependentParser();
    void paletteName_data();
    void paletteName();
    void read_data();
    void read();
    void notAPalette_data();
    void notAPalette();
    void fileStatus();
    void garbageNeverCrashes();
};

// Reads the file as another program would: the header lines in GIMP's order, then
// rows of three numbers in three places each, a tab and the name.
void GimpPaletteTest::exportReadsBackWithAnIndependentParser()
{
    const QList<Rgb> colours{{6, 167, 255}, {0, 0, 0}, {255, 255, 255}, {9, 10, 99}, {100, 5, 250}};
    QStringList items;
    for (Rgb c : colours)
        items << FormatListItemText(c.red, c.green, c.blue);
    items.insert(2, QStringLiteral("an item without a colour"));
    const QByteArray file = ExportListAsGimpPalette(QStringLiteral("Brand\nColours é"), items);

    QVERIFY(!file.contains('\r'));
    QVERIFY(file.endsWith('\n'));
    const QStringList lines = QString::fromUtf8(file).split('\n');
    QCOMPARE(lines.size(), 4 + colours.size() + 1);
    QCOMPARE(lines[0], "GIMP Palette");
    QCOMPARE(lines[1], "Name: Brand Colours é");
    QVERIFY(QRegularExpression("^Columns: \\d+$").match(lines[2]).hasMatch());
    QCOMPARE(lines[3], "#");
    const QRegularExpression row("^([ \\d]{3}) ([ \\d]{3}) ([ \\d]{3})\\t(.*)$");
    for (int i = 0; i < colours.size(); ++i) {
        const QRegularExpressionMatch match = row.match(lines[4 + i]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[4 + i]));
        QCOMPARE(match.captured(1).trimmed().toInt(), colours[i].red);
        QCOMPARE(match.captured(2).trimmed().toInt(), colours[i].green);
        QCOMPARE(match.captured(3).trimmed().toInt(), colours[i].blue);
        QCOMPARE(match.captured(4), items[i < 2 ? i : i + 1].right(16).left(7));
    }
    QCOMPARE(lines[4], "  6 167 255\t#06A7FF");
    QCOMPARE(lines.last(), QString());
}

void GimpPaletteTest::paletteName_data()
{
    QTest::addColumn<QString>("listPath");
    QTest::addColumn<QString>("exportPath");
    QTest::addColumn<QString>("name");
    QTest::newRow("the list file's name") << "/lists/web.cll"
                                          << "/out/x.gpl"
                                          << "web";
    QTest::newRow("dots inside") << "/lists/web.2024.cll"
                                 << "/out/x.gpl"
                                 << "web.2024";
    QTest::newRow("no list file") << QString() << "/out/brand.gpl"
                                  << "brand";
}

void GimpPaletteTest::paletteName()
{
    QFETCH(QString, listPath);
    QFETCH(QString, exportPath);
    QTEST(GimpPaletteName(listPath, exportPath), "name");
}

void GimpPaletteTest::read_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<ColorRef>>("colours");
    QTest::addColumn<QString>("paletteName");
    QTest::addColumn<QString>("notice");
    QTest::newRow("as GIMP writes it")
        << QByteArray(
               "GIMP Palette\nName: Web\nColumns: 16\n#\n  6 167 255\t#06A7FF\n255   0   0\tRed\n")
        << QList<ColorRef>{PackColour(6, 167, 255), PackColour(255, 0, 0)} << "Web" << QString();
    QTest::newRow("Windows line ends, comments, blank lines, missing names")
        << QByteArray("GIMP Palette\r\n# by hand\r\n\r\n \t \r\n  # indented\r\n0 0 0\r\n"
                      "\t12\t34  56   Deep  sea \r\n")
        << QList<ColorRef>{PackColour(0, 0, 0), PackColour(12, 34, 56)} << QString() << QString();
    QTest::newRow("bad rows skipped, the first reported")
        << QByteArray("GIMP Palette\n1 2 3 one\n256 0 0 too big\n1 2 two\n-1 0 0\n4 5 6 four\n"
                      "1,2,3\n12a 0 0\n99999999999999999999 0 0\n007 000 255\n")
        << QList<ColorRef>{PackColour(1, 2, 3), PackColour(4, 5, 6), PackColour(7, 0, 255)}
        << QString()
        << "6 lines of '%3.gpl' are not colors and were skipped. The first is line 3:\r256 0 0 too "
           "big";
    QTest::newRow("one bad row") << QByteArray("GIMP Palette\r\nName: x\r\nred 1 2 3\r\n7 8 9\r\n")
                                 << QList<ColorRef>{PackColour(7, 8, 9)} << "x"
                                 << "Line 3 of '%3.gpl' is not a color and was skipped:\rred 1 2 3";
    QTest::newRow("UTF-8 mark and names")
        << QByteArray("\xEF\xBB\xBFGIMP Palette\nName: Caf\xC3\xA9\n1 1 1 Gr\xC3\xBCn\n")
        << QList<ColorRef>{PackColour(1, 1, 1)} << "Café" << QString();
    QTest::newRow("Latin-1 name") << QByteArray("GIMP Palette\n1 1 1 Gr\xFCn\n")
                                  << QList<ColorRef>{PackColour(1, 1, 1)} << QString() << QString();
    QTest::newRow("repeats kept, CR line ends")
        << QByteArray("GIMP Palette\r5 5 5\r5 5 5\r")
        << QList<ColorRef>{PackColour(5, 5, 5), PackColour(5, 5, 5)} << QString() << QString();
    QTest::newRow("header only") << QByteArray("GIMP Palette") << QList<ColorRef>() << QString()
                                 << QString();
}

void GimpPaletteTest::read()
{
    QFETCH(QByteArray, data);
    // A path that looks like a place holder stays as it is.
    const PaletteFileContent content = ParseGimpPalette(data, "%3.gpl");
    QCOMPARE(content.status, ColourListLoadStatus::Loaded);
    QTEST(content.colours, "colours");
    QTEST(content.paletteName, "paletteName");
    QTEST(content.notice, "notice");
    QCOMPARE(content.error, QString());
}

void GimpPaletteTest::notAPalette_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header in other case") << QByteArray("GIMP palette\n1 2 3\n");
    QTest::newRow("rows without header") << QByteArray("1 2 3\n");
    QTest::newRow("header on the second line") << QByteArray("\nGIMP Palette\n1 2 3\n");
    QTest::newRow("binary") << QByteArray("\x00\x01\x00\x01\x00\x00\x06\x06", 8);
}

void GimpPaletteTest::notAPalette()
{
    QFETCH(QByteArray, data);
    const PaletteFileContent content = ParseGimpPalette(data, "p.gpl");
    QCOMPARE(content.status, ColourListLoadStatus::Failed);
    QCOMPARE(content.error, "The file 'p.gpl' is not a GIMP palette.");
    QVERIFY(content.colours.isEmpty());
}

void GimpPaletteTest::fileStatus()
{
    QTemporaryDir dir;
    QCOMPARE(ReadGimpPaletteFile(dir.filePath("none.gpl")).status, ColourListLoadStatus::Missing);
    const PaletteFileContent folder = ReadGimpPaletteFile(dir.path());
    QCOMPARE(folder.status, ColourListLoadStatus::Failed);
    QCOMPARE(folder.error, "Cannot open file " + dir.path());

    QFile file(dir.filePath("web.gpl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ExportListAsGimpPalette("web", {FormatListItemText(6, 167, 255)}));
    file.close();
    QList<int> percents;
    const PaletteFileContent read =
        ReadGimpPaletteFile(file.fileName(), [&percents](int percent) { percents << percent; });
    QCOMPARE(read.colours, QList<ColorRef>{PackColour(6, 167, 255)});
    QCOMPARE(read.paletteName, "web");
    QCOMPARE(percents.last(), 100);
}

// Random bytes behind the header, and a bad row of a megabyte: the good rows load,
// the message stays short.
void GimpPaletteTest::garbageNeverCrashes()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = "GIMP Palette\n";
        for (int i = 0; i < 400; ++i)
            data += char(random.bounded(256));
        QCOMPARE(ParseGimpPalette(data, "p.gpl").status, ColourListLoadStatus::Loaded);
    }
    const QByteArray data = "GIMP Palette\n" + QByteArray(1 << 20, '9') + "\n1 2 3\n";
    const PaletteFileContent content = ParseGimpPalette(data, "p.gpl");
    QCOMPARE(content.colours, QList<ColorRef>{PackColour(1, 2, 3)});
    QVERIFY(content.notice.size() < 300);
}

QTEST_APPLESS_MAIN(GimpPaletteTest)
#include "tst_gimppalette.moc"
