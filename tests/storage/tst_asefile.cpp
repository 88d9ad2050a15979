// Adobe Swatch Exchange files: what other programs write, what ours writes, and
// files cut or damaged anywhere.
#include "state/ColourList.h"
#include "storage/AseFile.h"

#include <QtTest>

#include <cstring>

namespace {

using Colours = QList<ColorRef>;
const auto kLoaded = ColourListLoadStatus::Loaded;

QByteArray Word(std::uint32_t v)
{
    return QByteArray(1, char(v >> 8)) + char(v & 0xFF);
}
QByteArray DoubleWord(std::uint32_t v)
{
    return Word(v >> 16) + Word(v & 0xFFFF);
}
QByteArray Float(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return DoubleWord(bits);
}
QByteArray Name(const QString& name)
{
    QByteArray out = Word(std::uint32_t(name.size() + 1));
    for (QChar c : name)
        out += Word(c.unicode());
    return out + Word(0);
}
QByteArray Block(std::uint16_t type, const QByteArray& body)
{
    return Word(type) + DoubleWord(std::uint32_t(body.size())) + body;
}
QByteArray Swatch(const QString& name, const char* model, QList<float> values)
{
    QByteArray body = Name(name) + QByteArray(model, 4);
    for (float v : values)
        body += Float(v);
    return Block(0x0001, body + Word(2));
}
QByteArray File(std::uint32_t blocks, const QByteArray& body)
{
    return "ASEF" + Word(1) + Word(0) + DoubleWord(blocks) + body;
}

// Each is 6 + 2 + 2*(letters+1) + 4 + 4*values + 2 bytes long.
const QByteArray kRgbSky = Swatch("Sky", "RGB ", {6 / 255.f, 167 / 255.f, 1});
const QByteArray kGrey = Swatch("Grey", "Gray", {0.5f});
const QByteArray kGroupStart = Block(0xC001, Name("Brand"));
const QByteArray kGroupEnd = Block(0xC002, {});

} // namespace

class AseFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writtenFileReadsBack();
    void read_data();
    void read();
    void everyCutKeepsTheColoursBeforeIt();
};

void AseFileTest::writtenFileReadsBack()
{
    Colours colours;
    QStringList items;
    for (int i = 0; i < 300; ++i) {
        colours << PackColour(i & 0xFF, 255 - (i & 0xFF), (i * 7) & 0xFF);
        items << FormatListItemText(colours.back());
    }
    items[1] = "Deep sky 🌤 #FEFF0E - 0EFFFE";
    colours[1] = PackColour(0xFE, 0xFF, 0x0E);
    items.insert(2, "an item without a colour");
    const PaletteFileContent content = ParseAse(ExportListAsAse(items), "p.ase");
    QCOMPARE(content.status, kLoaded);
    QCOMPARE(content.notice, QString());
    QCOMPARE(content.colours, colours);
    QCOMPARE(content.names.size(), colours.size());
    QCOMPARE(content.names[0], "#00FF00");
    QCOMPARE(content.names[1], "Deep sky 🌤");
    QCOMPARE(content.names[299], "#2BD42D");
}

void AseFileTest::read_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("paletteName");
    QTest::addColumn<QString>("notice");
    const QByteArray two = kRgbSky + kGrey;
    QTest::newRow("groups flattened, names kept")
        << File(5, kGroupStart + kRgbSky + kGroupEnd + kGrey + kGroupEnd)
        << Colours{PackColour(6, 167, 255), PackColour(128, 128, 128)} << QStringList{"Sky", "Grey"}
        << "Brand" << QString();
    // CMYK naively; Lab against published CIE Lab (D50) values of sRGB colours.
    QTest::newRow("CMYK, Lab, Gray")
        << File(6, Swatch("c", "CMYK", {0, 1, 1, 0}) + Swatch("k", "CMYK", {0.2f, 0, 0, 0.5f}) +
                       Swatch("red", "LAB ", {0.5429f, 80.81f, 69.89f}) +
                       Swatch("white", "LAB ", {1, 0, 0}) +
                       Swatch("blue", "LAB ", {0.2957f, 68.29f, -112.03f}) +
                       Swatch("black", "Gray", {0}))
        << Colours{PackColour(255, 0, 0),     PackColour(102, 128, 128), PackColour(255, 0, 0),
                   PackColour(255, 255, 255), PackColour(0, 0, 255),     PackColour(0, 0, 0)}
        << QStringList{"c", "k", "red", "white", "blue", "black"} << QString() << QString();
    QTest::newRow("values out of range clipped")
        << File(1, Swatch("x", "RGB ", {-3, 2, 0.5f})) << Colours{PackColour(0, 255, 128)}
        << QStringList{"x"} << QString() << QString();
    QTest::newRow("other models and unknown blocks skipped, extra bytes in a block skipped")
        << File(4, Swatch("h", "HSB ", {1, 1, 1}) + Block(0x7777, "abc") +
                       Block(0x0001, kRgbSky.sliced(6) + "more") + kGrey)
        << Colours{PackColour(6, 167, 255), PackColour(128, 128, 128)} << QStringList{"Sky", "Grey"}
        << QString() << "1 color in another color space was skipped.";
    QTest::newRow("no name, name without its zero")
        << File(2, Block(1, Word(0) + "Gray" + Float(1) + Word(0)) +
                       Block(1, Word(2) + Word('a') + Word('b') + "Gray" + Float(1) + Word(0)))
        << Colours{PackColour(255, 255, 255), PackColour(255, 255, 255)} << QStringList{"", "ab"}
        << QString() << QString();
    QTest::newRow("fewer blocks than announced")
        << File(3, two) << Colours{PackColour(6, 167, 255), PackColour(128, 128, 128)}
        << QStringList{"Sky", "Grey"} << QString()
        << QString("The file 'p.ase' ends early at byte %1; the colors before the end were read.")
               .arg(12 + two.size());
    QTest::newRow("more blocks than announced: the rest ignored")
        << File(1, two) << Colours{PackColour(6, 167, 255)} << QStringList{"Sky"} << QString()
        << QString();
    const QByteArray nameTooLong = Block(1, Word(40) + Word('a') + "Gray" + Float(1) + Word(0));
    QTest::newRow("a name longer than its block")
        << File(3, kRgbSky + nameTooLong + kGrey) << Colours{PackColour(6, 167, 255)}
        << QStringList{"Sky"} << QString()
        << QString("The file 'p.ase' is damaged at byte %1; the colors before it were read.")
               .arg(12 + kRgbSky.size());
    QTest::newRow("a value that is no number")
        << File(2, kGrey + Swatch("nan", "Gray", {std::numeric_limits<float>::quiet_NaN()}))
        << Colours{PackColour(128, 128, 128)} << QStringList{"Grey"} << QString()
        << QString("The file 'p.ase' is damaged at byte %1; the colors before it were read.")
               .arg(12 + kGrey.size());
    QTest::newRow("block length past the end")
        << File(2, kGrey + Word(1) + DoubleWord(0xFFFFFFFF) + "x")
        << Colours{PackColour(128, 128, 128)} << QStringList{"Grey"} << QString()
        << QString("The file 'p.ase' ends early at byte %1; the colors before the end were read.")
               .arg(12 + kGrey.size());
}

void AseFileTest::read()
{
    QFETCH(QByteArray, data);
    const PaletteFileContent content = ParseAse(data, "p.ase");
    QCOMPARE(content.status, kLoaded);
    QTEST(content.colours, "colours");
    QTEST(content.names, "names");
    QTEST(content.paletteName, "paletteName");
    QTEST(content.notice, "notice");
}

void AseFileTest::everyCutKeepsTheColoursBeforeIt()
{
    const QByteArray whole = File(4, kGroupStart + kRgbSky + kGrey + kGroupEnd);
    const Colours colours{PackColour(6, 167, 255), PackColour(128, 128, 128)};
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const PaletteFileContent content = ParseAse(whole.first(size), "p.ase");
        if (size < 4) {
            QCOMPARE(content.status, ColourListLoadStatus::Failed);
            QCOMPARE(content.error, "The file 'p.ase' is not an Adobe Swatch Exchange file.");
            continue;
        }
        QCOMPARE(content.status, kLoaded);
        QCOMPARE(content.colours, colours.first(content.colours.size()));
        QCOMPARE(content.names.size(), content.colours.size());
        QVERIFY2(content.notice.contains("ends early"), qPrintable(QString::number(size)));
    }
}

QTEST_APPLESS_MAIN(AseFileTest)
#include "tst_asefile.moc"
