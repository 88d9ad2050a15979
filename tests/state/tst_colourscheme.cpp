#include "state/ColourScheme.h"
#include "state/ShapeTestTexts.h"

#include <QtTest>

namespace {

const ColorRef kRed = PackColour(255, 0, 0);
const ColorRef kDesktopFace = PackColour(1, 2, 3);
const ColorRef kBlue = PackColour(0, 0, 255);

// Colours that differ from every value the rows set.
ShapeTestColours Before()
{
    ShapeTestColours colours;
    for (int i = 0; i < kTestShapeCount; ++i) {
        colours.shapeFills[i] = PackColour(10 + i, 0, 0);
        colours.textColours[i] = PackColour(0, 10 + i, 0);
    }
    colours.background = PackColour(0, 0, 10);
    return colours;
}

} // namespace

class ColourSchemeTest : public QObject
{
    Q_OBJECT
private slots:
    void recordAfterWhiteOnShapes2Background();
    void apply_data();
    void apply();
    void recordsRoundTrip();
    void fillerText();
    void restoreBringsBackTheLayoutsOwnColours();
    void readouts();
};

void ColourSchemeTest::recordAfterWhiteOnShapes2Background()
{
    ShapeTestColours colours;
    ApplyLayoutColours(ShapeLayouts()[1], colours);
    colours.background = PackColour(255, 255, 255);
    ColourScheme scheme;
    QVERIFY(!scheme.IsChanged());
    scheme.Refresh(colours);
    QStringList expected{"sc1=$00F2F2F2", "sc2=$00E2E2E2", "sc3=$00CFCFCF", "sc4=$00BCBCBC",
                         "sc5=$00ADADAD", "sc6=$009E9E9E", "sc7=$00959595", "sc8=$000400FF",
                         "sc9=$00B2D7FF", "sc10=clBlack"};
    for (int i = 1; i <= 10; ++i)
        expected.append(QStringLiteral("tc%1=clBlack").arg(i));
    expected.append("background=clWhite");
    QCOMPARE(scheme.Record(), expected);
    QVERIFY(scheme.IsChanged());
}

void ColourSchemeTest::apply_data()
{
    QTest::addColumn<QStringList>("record");
    QTest::addColumn<QList<int>>("changed"); // 0..9 shapes, 10..19 texts, 20 background
    QTest::addColumn<QList<ColorRef>>("values");
    QTest::addColumn<QString>("error");
    QTest::newRow("only the background")
        << QStringList{"background=clRed"} << QList<int>{20} << QList<ColorRef>{kRed} << QString();
    QTest::newRow("keys and names in any case")
        << QStringList{"BACKGROUND=CLRED", "Sc2=clblue"} << QList<int>{1, 20}
        << QList<ColorRef>{kBlue, kRed} << QString();
    QTest::newRow("sc10 is not sc1")
        << QStringList{"sc10=clRed", "tc10=clBlue"} << QList<int>{9, 19}
        << QList<ColorRef>{kRed, kBlue} << QString();
    QTest::newRow("first of two lines counts")
        << QStringList{"tc3=$FF", "tc3=clBlue"} << QList<int>{12} << QList<ColorRef>{kRed}
        << QString();
    QTest::newRow("empty value, junk and blanks in the name change nothing")
        << QStringList{"sc1=", "junk", "=clRed", "sc2 =clRed", "", "sc3"} << QList<int>{}
        << QList<ColorRef>{} << QString();
    QTest::newRow("bad value stops there")
        << QStringList{"background=clBlue", "tc1=oops", "sc1=255", "sc2=clBlue"} << QList<int>{0, 1}
        << QList<ColorRef>{kRed, kBlue} << "'oops' is not a valid integer value";
    // The desktop of apply() has a colour for clBtnFace only.
    QTest::newRow("system colour name: the desktop's colour")
        << QStringList{"sc1=clBtnFace"} << QList<int>{0} << QList<ColorRef>{kDesktopFace}
        << QString();
    const auto stops = [](const char* record, const char* value) {
        QTest::newRow(record) << QStringList{QString::fromLatin1(record)} << QList<int>{}
                              << QList<ColorRef>{}
                              << QStringLiteral("'%1' is not a valid integer value").arg(value);
    };
    stops("sc1=clWindow", "clWindow");   // a system colour the desktop lacks
    stops("sc1=clDefault", "clDefault"); // no colour of its own
    stops("background=clNone", "clNone");
    stops("sc1=$8000000F", "$8000000F"); // the value of a system colour, but no name
    stops("sc1=-1", "-1");
}

void ColourSchemeTest::apply()
{
    QFETCH(QStringList, record);
    QFETCH(QList<int>, changed);
    QFETCH(QList<ColorRef>, values);
    QFETCH(QString, error);
    ShapeTestColours expected = Before();
    for (int i = 0; i < changed.size(); ++i) {
        const int item = changed.at(i);
        (item < 10   ? expected.shapeFills[item]
         : item < 20 ? expected.textColours[item - 10]
                     : expected.background) = values.at(i);
    }
    ShapeTestColours colours = Before();
    const auto desktop = [](int index) {
        return index == 15 ? std::optional<ColorRef>(kDesktopFace) : std::nullopt;
    };
    const ColourRecordApply applied = ApplySchemeRecord(record, colours, desktop);
    QCOMPARE(colours, expected);
    QCOMPARE(applied.complete, error.isEmpty());
    QCOMPARE(applied.error, error);
}

void ColourSchemeTest::recordsRoundTrip()
{
    ShapeTestColours colours = Before();
    colours.shapeFills[4] = PackColour(192, 192, 192); // written by name
    colours.textColours[7] = 0x345678u;
    ShapeTestColours read;
    QVERIFY(ApplySchemeRecord(SchemeRecordLines(colours), read).complete);
    QCOMPARE(read, colours);
    read = ShapeTestColours();
    QVERIFY(ApplyDefaultColourRecord(DefaultColourRecordLines(colours), read).complete);
    QCOMPARE(read, colours);
    QCOMPARE(DefaultColourRecordLines(colours).at(4), "s5.color=clSilver");
}

void ColourSchemeTest::fillerText()
{
    const QString paragraph = QLatin1String(FillerParagraph());
    QCOMPARE(paragraph.size(), 250);
    QVERIFY(paragraph.contains(QLatin1String("incididunt ut  labore et")));
    QCOMPARE(paragraph.count(QLatin1String("  ")), 1);
    QCOMPARE(QLatin1String(FillerText()), paragraph.repeated(4));
    QCOMPARE(QLatin1String(ShapeLayouts()[2].texts[3].caption).size(), 1000);
}

void ColourSchemeTest::restoreBringsBackTheLayoutsOwnColours()
{
    for (const ShapeLayout& layout : ShapeLayouts()) {
        ShapeTestColours colours = Before();
        ApplyLayoutColours(layout, colours);
        QCOMPARE(colours.background, Before().background); // a build keeps the background
        colours = Before();                                // drops on every item, parked too
        QVERIFY(RestoreDefaultColours(layout, colours).complete);
        QCOMPARE(colours, LayoutDefaultColours(layout));
        QCOMPARE(colours.shapeFills[9], layout.shapes[9].fill);
        QCOMPARE(colours.textColours[0], kLayoutTextColour);
        QCOMPARE(colours.background, kInitialBackground);
    }
}

void ColourSchemeTest::readouts()
{
    QCOMPARE(TestItemHint(PackColour(6, 167, 255)), " R: 6, G: 167, B: 255, HEX: #06A7FF ");
    QCOMPARE(TestAreaHint(0x8000000Fu), "Drag and drop a color to change background color. "
                                        "R: 15, G: 0, B: 0, HEX: #0F0000 ");
    QCOMPARE(ReplaceSchemeQuestion("sea").text,
             "sea.shm already exists. Do you want to replace it?");
}

QTEST_APPLESS_MAIN(ColourSchemeTest)
#include "tst_colourscheme.moc"
