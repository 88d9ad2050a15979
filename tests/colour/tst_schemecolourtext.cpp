#include "colour/SchemeColourText.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<std::uint32_t>)

class SchemeColourTextTest : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void everyNameRoundTrips();
    void systemColourNamesTakeTheDesktopsColours();
};

void SchemeColourTextTest::format_data()
{
    QTest::addColumn<std::uint32_t>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("white") << PackColour(255, 255, 255) << "clWhite";
    QTest::newRow("start-up colour") << PackColour(6, 167, 255) << "$00FFA706";
    QTest::newRow("one off a name") << PackColour(255, 0, 1) << "$000100FF";
    QTest::newRow("system colour") << 0x8000000Fu << "clBtnFace";
    QTest::newRow("unnamed system index 25") << 0x80000019u << "$80000019";
}

void SchemeColourTextTest::format()
{
    QFETCH(std::uint32_t, value);
    QFETCH(QString, text);
    QCOMPARE(FormatSchemeColour(value), text);
}

void SchemeColourTextTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::uint32_t>>("value");
    QTest::addColumn<QString>("error");
    const std::optional<std::uint32_t> red = PackColour(255, 0, 0);
    const std::optional<std::uint32_t> none;
    QTest::newRow("name") << "clRed" << red << QString();
    QTest::newRow("name in upper case") << "CLRED" << red << QString();
    QTest::newRow("packed hex") << "$000000FF" << red << QString();
    QTest::newRow("decimal") << "255" << red << QString();
    QTest::newRow("negative wraps to 32 bits")
        << "-1" << std::optional<std::uint32_t>(0xFFFFFFFFu) << QString();
    QTest::newRow("name with a blank")
        << "clRed " << none << "'clRed ' is not a valid integer value";
    QTest::newRow("bad hex digit") << "$00GG00" << none << "'$00GG00' is not a valid integer value";
    QTest::newRow("beyond 32 bits")
        << "$100000000" << none << "'$100000000' is not a valid integer value";
    QTest::newRow("huge value is quoted cut")
        << QString(100000, QLatin1Char('x')) << none
        << "'" + QString(200, QLatin1Char('x')) + "...' is not a valid integer value";
}

void SchemeColourTextTest::parse()
{
    QFETCH(QString, text);
    QFETCH(std::optional<std::uint32_t>, value);
    QFETCH(QString, error);
    const SchemeColourParse parsed = ParseSchemeColour(text);
    QCOMPARE(parsed.value, value);
    QCOMPARE(parsed.error, error);
}

void SchemeColourTextTest::everyNameRoundTrips()
{
    // Distinct values make the written name unique, so a saved scheme reads back
    // the same colours.
    QSet<std::uint32_t> values;
    for (const NamedColour& named : kNamedColours) {
        const QString name = QLatin1String(named.name);
        QCOMPARE(FormatSchemeColour(named.value), name);
        QCOMPARE(ParseSchemeColour(name.toLower()).value, std::optional(named.value));
        values.insert(named.value);
    }
    QCOMPARE(values.size(), 49);
    for (std::uint32_t value : {0x00FFA706u, 0x80000019u, 0x00000001u})
        QCOMPARE(ParseSchemeColour(FormatSchemeColour(value)).value, std::optional(value));
}

// Shapes take plain colours: a system colour name gives the desktop's colour, any
// other value with a top byte is refused (it would show as its low bytes).
void SchemeColourTextTest::systemColourNamesTakeTheDesktopsColours()
{
    const SystemColourLookup desktop = [](int index) {
        return std::optional<ColorRef>(PackColour(std::uint8_t(index), 0, 0) | 0xFF000000u);
    };
    QCOMPARE(ParseSchemePlainColour("clWindow", desktop).value,
             std::optional<std::uint32_t>(PackColour(5, 0, 0)));
    QCOMPARE(ParseSchemePlainColour("CLBTNFACE", desktop).value,
             std::optional<std::uint32_t>(PackColour(15, 0, 0)));
    QCOMPARE(ParseSchemePlainColour("clRed", desktop).value,
             std::optional<std::uint32_t>(PackColour(255, 0, 0)));
    for (const char* text : {"clDefault", "clNone", "$80000005", "-1"}) {
        const SchemeColourParse parsed = ParseSchemePlainColour(QLatin1String(text), desktop);
        QVERIFY(!parsed.value);
        QCOMPARE(parsed.error, QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    QVERIFY(!ParseSchemePlainColour("clWindow").value);
}

QTEST_APPLESS_MAIN(SchemeColourTextTest)
#include "tst_schemecolourtext.moc"
