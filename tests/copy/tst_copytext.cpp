#include "copy/CopyText.h"

#include "state/ColourList.h"

#include <QFile>
#include <QtTest>

namespace {

QString Lines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

ValueOptions Checked(std::initializer_list<ValueField> fields)
{
    ValueOptions options;
    options.checked.fill(false);
    for (ValueField field : fields)
        options.setChecked(field, true);
    return options;
}

ValueOptions AllChecked()
{
    ValueOptions options;
    options.checked.fill(true);
    return options;
}

const QString kItem1 = QStringLiteral("6,167,255             #06A7FF - FFA706");
const QString kItem2 = QStringLiteral("255,0,0             #FF0000 - 0000FF");
const QString kItem3 = QStringLiteral("0,0,0             #000000 - 000000");

} // namespace

Q_DECLARE_METATYPE(CopySource)
Q_DECLARE_METATYPE(CopySourceInput)
Q_DECLARE_METATYPE(ValueOptions)
Q_DECLARE_METATYPE(TextOptions)
Q_DECLARE_METATYPE(ValueField)

class CopyTextTest : public QObject
{
    Q_OBJECT
private slots:
    void deriveEntryValues_data();
    void deriveEntryValues();
    void gather_data();
    void gather();
    void cssAndHtml();
    void valueText_data();
    void valueText();
    void textReport_data();
    void textReport();
    void textReportMatchesReferenceFile();
    void unreadableDigitsAreReported();
    void quickCopy_data();
    void quickCopy();
    void quickCopyOfColoursMatchesTheItemTexts_data();
    void quickCopyOfColoursMatchesTheItemTexts();
};

void CopyTextTest::deriveEntryValues_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("bgr");
    QTest::addColumn<QString>("rgb"); // empty when unreadable
    QTest::addColumn<QString>("hsl");
    QTest::newRow("start-up colour") << "#06A7FF"
                                     << "06A7FF"
                                     << "FFA706"
                                     << "6,167,255"
                                     << "201,100,51";
    QTest::newRow("typed FFF") << "#FFF"
                               << "FFF"
                               << "FFFFF"
                               << "255,255,15"
                               << "60,100,53";
    QTest::newRow("empty hex edit is black") << "#"
                                             << ""
                                             << ""
                                             << "0,0,0"
                                             << "0,0,0";
    QTest::newRow("short list item") << "#AB"
                                     << "AB"
                                     << "ABAB"
                                     << "171,171,0"
                                     << "60,100,34";
    QTest::newRow("lower case") << "#0a0b0c"
                                << "0a0b0c"
                                << "0c0b0a"
                                << "10,11,12"
                                << "210,9,4";
    QTest::newRow("not hexadecimal") << "#ZZ0000"
                                     << "ZZ0000"
                                     << "0000ZZ"
                                     << ""
                                     << "";
}

void CopyTextTest::deriveEntryValues()
{
    QFETCH(QString, entry);
    QFETCH(QString, hex);
    QFETCH(QString, bgr);
    QFETCH(QString, rgb);
    QFETCH(QString, hsl);
    const EntryValues values = DeriveEntryValues(entry);
    QCOMPARE(values.hashHex, entry);
    QCOMPARE(values.hex, hex);
    QCOMPARE(values.bgrDigits, bgr);
    QCOMPARE(values.rgb.has_value(), !rgb.isEmpty());
    if (values.rgb) {
        const Rgb c = *values.rgb;
        QCOMPARE(QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue), rgb);
        QCOMPARE(QStringLiteral("%1,%2,%3")
                     .arg(values.hsl.hue)
                     .arg(values.hsl.saturation)
                     .arg(values.hsl.lightness),
                 hsl);
    } else {
        QCOMPARE(values.error, QStringLiteral("'$000000ZZ' is not a valid integer value"));
    }
}

void CopyTextTest::gather_data()
{
    QTest::addColumn<CopySource>("source");
    QTest::addColumn<CopySourceInput>("input");
    QTest::addColumn<QStringList>("entries");

    CopySourceInput input;
    input.hexEditText = QStringLiteral("FFF");
    input.listItemTexts = {kItem1, QStringLiteral("no colour here"), kItem2,
                           QStringLiteral("tail #12"), kItem3};
    input.listItemSelected = {false, true, true, true}; // shorter than the list
    for (int i = 0; i < kWheelSegments; ++i)
        input.wheelColours[std::size_t(i)] = PackColour(std::uint8_t(i), 0x80, 0xFF);

    QTest::newRow("main colour as typed") << CopySource::MainColor << input << QStringList{"#FFF"};
    QTest::newRow("list skips items without #")
        << CopySource::ColorList << input << QStringList{"#06A7FF", "#FF0000", "#12", "#000000"};
    QTest::newRow("selected in list order")
        << CopySource::SelectedColors << input << QStringList{"#FF0000", "#12"};
    QStringList wheel;
    for (int i = 0; i < kWheelSegments; ++i)
        wheel << "#" + QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper() + "80FF";
    QTest::newRow("wheel from the top, clockwise") << CopySource::ColorWheel << input << wheel;
    CopySourceInput none = input;
    none.listItemSelected.clear();
    QTest::newRow("nothing selected") << CopySource::SelectedColors << none << QStringList{};
}

void CopyTextTest::gather()
{
    QFETCH(CopySource, source);
    QFETCH(CopySourceInput, input);
    QFETCH(QStringList, entries);
    QCOMPARE(GatherSourceColours(source, input), entries);
}

void CopyTextTest::cssAndHtml()
{
    const QStringList one{QStringLiteral("#06A7FF")};
    QCOMPARE(
        BuildCssText(one, CssOptions{true, true}),
        Lines({".color1 { color: #06A7FF; }", ".backgroundcolor1 { background-color: #06A7FF; }"}));
    QCOMPARE(BuildCssText(one, CssOptions{false, false}), QString());
    QCOMPARE(BuildHtmlText(one, HtmlOptions{true, true}),
             Lines({" color=\"#06A7FF\" ", " bgcolor=\"#06A7FF\" "}));
    QCOMPARE(QString(" color=\"#06A7FF\" ").size(), 17);
    QCOMPARE(BuildHtmlText(one, HtmlOptions{false, false}), QString());
    QCOMPARE(BuildCssText({}, CssOptions{true, true}), QString());

    // Twelve wheel entries: every text line before every background line, 1 to 12.
    CopySourceInput input;
    const QStringList wheel = GatherSourceColours(CopySource::ColorWheel, input);
    const QStringList css = BuildCssText(wheel, CssOptions{true, true}).split("\r\n");
    QCOMPARE(css.size(), 25);
    QCOMPARE(css.last(), QString());
    QCOMPARE(css.at(0), QString(".color1 { color: #000000; }"));
    QCOMPARE(css.at(11), QString(".color12 { color: #000000; }"));
    QCOMPARE(css.at(12), QString(".backgroundcolor1 { background-color: #000000; }"));
    QCOMPARE(css.at(23), QString(".backgroundcolor12 { background-color: #000000; }"));
}

void CopyTextTest::valueText_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<ValueOptions>("options");
    QTest::addColumn<QString>("text");
    const QStringList main{"#06A7FF"};
    QTest::newRow("default is HTML Hex") << main << ValueOptions{} << Lines({"06A7FF", ""});
    QTest::newRow("fixed order, not screen order")
        << main << AllChecked()
        << Lines({"RGB(6,167,255)", "HSL(201,100,51)", "#06A7FF", "06A7FF", "$00FFA706",
                  "0X00FFA706", "0xFFA706", "&HFFA706", ""});
    QTest::newRow("pure red packed forms")
        << QStringList{"#FF0000"}
        << Checked({ValueField::ActionScriptHex, ValueField::VbHex, ValueField::VcppHex,
                    ValueField::DelphiHex})
        << Lines({"$000000FF", "0X000000FF", "0x0000FF", "&H0000FF", ""});
    QTest::newRow("nothing checked gives an empty line per entry")
        << QStringList{"#06A7FF", "#FF0000"} << Checked({}) << Lines({"", ""});
    QTest::newRow("empty source gives nothing") << QStringList{} << AllChecked() << QString();
    QTest::newRow("typed FFF") << QStringList{"#FFF"}
                               << Checked({ValueField::Rgb, ValueField::HtmlHexWithHash,
                                           ValueField::HtmlHex, ValueField::DelphiHex})
                               << Lines({"RGB(255,255,15)", "#FFF", "FFF", "$00FFFFF", ""});
    QTest::newRow("two entries") << QStringList{"#06A7FF", "#FF0000"}
                                 << Checked({ValueField::Rgb, ValueField::Hsl})
                                 << Lines({"RGB(6,167,255)", "HSL(201,100,51)", "", "RGB(255,0,0)",
                                           "HSL(0,100,50)", ""});
}

void CopyTextTest::valueText()
{
    QFETCH(QStringList, entries);
    QFETCH(ValueOptions, options);
    QFETCH(QString, text);
    const CopyText result = BuildValueText(entries, options);
    QVERIFY(result.ok());
    QCOMPARE(result.text, text);
}

void CopyTextTest::textReport_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<TextOptions>("options");
    QTest::addColumn<QString>("text");
    QTest::newRow("start-up colour, everything")
        << "#06A7FF" << TextOptions{}
        << Lines({"Color 1", "---------------------", "RGB: 6,167,255", "HSL: 201,100,51",
                  "HEX: #06A7FF", "This color is not websafe.",
                  "Nearest websafe color is RGB(0,153,255)", ""});
    QTest::newRow("nothing checked") << "#06A7FF" << TextOptions{false, false, false, false}
                                     << Lines({"Color 1", "---------------------", ""});
    const TextOptions websafeOnly{false, false, false, true};
    QTest::newRow("black is websafe")
        << "#000000" << websafeOnly
        << Lines({"Color 1", "---------------------", "This color is websafe.", ""});
    const struct
    {
        int value;
        int snapped;
    } bounds[] = {{1, 0},     {25, 0},    {26, 51},   {76, 51},   {77, 102}, {127, 102},
                  {128, 153}, {178, 153}, {179, 204}, {229, 204}, {230, 255}};
    for (const auto& b : bounds) {
        const QString hex = QStringLiteral("%1").arg(b.value, 2, 16, QLatin1Char('0')).toUpper();
        // The value in red, then in blue, so each channel is snapped on its own.
        QTest::addRow("red %d", b.value)
            << "#" + hex + "0000" << websafeOnly
            << Lines({"Color 1", "---------------------", "This color is not websafe.",
                      QStringLiteral("Nearest websafe color is RGB(%1,0,0)").arg(b.snapped), ""});
        QTest::addRow("blue %d", b.value)
            << "#3366" + hex << websafeOnly
            << Lines({"Color 1", "---------------------", "This color is not websafe.",
                      QStringLiteral("Nearest websafe color is RGB(51,102,%1)").arg(b.snapped),
                      ""});
    }
}

void CopyTextTest::textReport()
{
    QFETCH(QString, entry);
    QFETCH(TextOptions, options);
    QFETCH(QString, text);
    const CopyText result = BuildTextReport({entry}, options);
    QVERIFY(result.ok());
    QCOMPARE(result.text, text);
}

void CopyTextTest::textReportMatchesReferenceFile()
{
    QFile file(QStringLiteral(KROMI_TEST_DATA_DIR "/copy/text_report.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString expected = QString::fromLatin1(file.readAll());
    CopySourceInput input;
    input.listItemTexts = {kItem1, kItem2, kItem3};
    const CopyText result =
        BuildTextReport(GatherSourceColours(CopySource::ColorList, input), TextOptions{});
    QCOMPARE(result.text, expected);
    QCOMPARE(BuildTextReport({}, TextOptions{}).text, QString());
}

void CopyTextTest::unreadableDigitsAreReported()
{
    const QStringList entries{"#06A7FF", "#XY"};
    const QString message = QStringLiteral("'$00XYXY' is not a valid integer value");
    QCOMPARE(BuildValueText(entries, Checked({ValueField::Hsl})).error, message);
    QCOMPARE(BuildTextReport(entries, TextOptions{}).error, message);
    // Digit-only forms need no numbers.
    const CopyText digits = BuildValueText(entries, Checked({ValueField::VbHex}));
    QVERIFY(digits.ok());
    QCOMPARE(digits.text, Lines({"&HFFA706", "", "&HXYXY", ""}));
    QVERIFY(BuildTextReport(entries, TextOptions{false, false, true, false}).ok());
}

void CopyTextTest::quickCopy_data()
{
    QTest::addColumn<QVector<bool>>("selected");
    QTest::addColumn<ValueField>("field");
    QTest::addColumn<QString>("text");
    const QVector<bool> none;
    const QVector<bool> one{false, true, false};
    const QVector<bool> two{true, false, true};
    // The R, G, B edits hold text that differs from the hex edit on purpose: "&RGB"
    // copies the edits as they stand.
    QTest::newRow("none, RGB") << none << ValueField::Rgb << "RGB(6,167,0255)";
    QTest::newRow("none, hex") << none << ValueField::HtmlHex << "06A7FF";
    QTest::newRow("none, hex with #") << none << ValueField::HtmlHexWithHash << "#06A7FF";
    QTest::newRow("none, HSL") << none << ValueField::Hsl << "HSL(201,100,51)";
    QTest::newRow("none, Delphi") << none << ValueField::DelphiHex << "$00FFA706";
    QTest::newRow("none, VB") << none << ValueField::VbHex << "&HFFA706";
    QTest::newRow("none, VC++") << none << ValueField::VcppHex << "0X00FFA706";
    QTest::newRow("none, ActionScript") << none << ValueField::ActionScriptHex << "0xFFA706";
    QTest::newRow("one selected copies the main colour")
        << one << ValueField::HtmlHexWithHash << "#06A7FF";
    QTest::newRow("two, RGB") << two << ValueField::Rgb << Lines({"RGB(6,167,255)", "RGB(0,0,0)"});
    QTest::newRow("two, hex") << two << ValueField::HtmlHex << Lines({"06A7FF", "000000"});
    QTest::newRow("two, hex with #")
        << two << ValueField::HtmlHexWithHash << Lines({"#06A7FF", "#000000"});
    QTest::newRow("two, HSL") << two << ValueField::Hsl << Lines({"HSL(201,100,51)", "HSL(0,0,0)"});
    QTest::newRow("two, ActionScript")
        << two << ValueField::ActionScriptHex << Lines({"0xFFA706", "0x000000"});
    QTest::newRow("two selected, one without #")
        << QVector<bool>{false, true, true, true} << ValueField::HtmlHex
        << Lines({"FF0000", "000000"});
}

void CopyTextTest::quickCopy()
{
    QFETCH(QVector<bool>, selected);
    QFETCH(ValueField, field);
    QFETCH(QString, text);
    CopySourceInput input;
    input.hexEditText = QStringLiteral("06A7FF");
    input.rgbEditTexts = {QStringLiteral("6"), QStringLiteral("167"), QStringLiteral("0255")};
    input.listItemTexts = {kItem1, kItem2, kItem3};
    if (selected.size() == 4)
        input.listItemTexts.insert(1, QStringLiteral("no colour"));
    input.listItemSelected = selected;
    const CopyText result = QuickCopyText(field, input);
    QVERIFY(result.ok());
    QCOMPARE(result.text, text);
}

void CopyTextTest::quickCopyOfColoursMatchesTheItemTexts_data()
{
    QTest::addColumn<ValueField>("field");
    for (int f = 0; f < kValueFields; ++f)
        QTest::newRow(qPrintable(ValueFieldCaption(ValueField(f)))) << ValueField(f);
}

// Ctrl+C of many list colours writes its text from the colours alone: it must be
// the text the item texts give, over a sweep of the cube.
void CopyTextTest::quickCopyOfColoursMatchesTheItemTexts()
{
    QFETCH(ValueField, field);
    QList<ColorRef> colours;
    CopySourceInput input;
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 15) {
                colours << PackColour(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b));
                input.listItemTexts << FormatListItemText(colours.last());
            }
    input.listItemSelected.fill(true, colours.size());
    const CopyText expected = QuickCopyText(field, input);
    QVERIFY(expected.ok());
    QCOMPARE(QuickCopyColoursText(field, colours), expected.text);
}

QTEST_APPLESS_MAIN(CopyTextTest)
#include "tst_copytext.moc"
