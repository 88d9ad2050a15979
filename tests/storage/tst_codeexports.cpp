// The list as CSS, SCSS and design tokens: names safe in each language, and the
// tokens as a JSON parser reads them.
#include "colour/ColourText.h"
#include "state/ColourList.h"
#include "storage/CodeExports.h"
#include "storage/ItemNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QStringList kItems{FormatListItemText(PackColour(6, 167, 255)), "Sky blue #87CEEB - EBCE87",
                         "no colour here", "Sky-Blue! #000001", "Café au lait #A67B5B"};

} // namespace

class CodeExportsTest : public QObject
{
    Q_OBJECT
private slots:
    void itemNames_data();
    void itemNames();
    void safeNames_data();
    void safeNames();
    void cssAndScss();
    void designTokensParse();
};

void CodeExportsTest::itemNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("the program's own text")
        << FormatListItemText(PackColour(6, 167, 255)) << "#06A7FF";
    QTest::newRow("a name before the colour") << "  Deep   sky\t#06A7FF - FFA706"
                                              << "Deep sky";
    QTest::newRow("nothing before the colour") << "#06A7FF custom"
                                               << "#06A7FF custom";
    QTest::newRow("no colour") << "Deep sky" << QString();
}

void CodeExportsTest::itemNames()
{
    QFETCH(QString, text);
    QTEST(ListItemName(text), "name");
}

void CodeExportsTest::safeNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("safe");
    QTest::newRow("words") << QStringList{"Deep Sky", "  brand__Primary--2 "}
                           << QStringList{"deep-sky", "brand-primary-2"};
    QTest::newRow("accents dropped")
        << QStringList{"Café au lait", "Ærø"} << QStringList{"cafe-au-lait", "r"};
    QTest::newRow("leading digit or hash")
        << QStringList{"#06A7FF", "3d"} << QStringList{"color-06a7ff", "color-3d"};
    QTest::newRow("nothing usable") << QStringList{"", "#", "日本", "$.{}"}
                                    << QStringList{"color", "color-2", "color-3", "color-4"};
    QTest::newRow("repeats, also of a numbered name")
        << QStringList{"Red", "red", "RED!", "red-2"}
        << QStringList{"red", "red-2", "red-3", "red-2-2"};
}

void CodeExportsTest::safeNames()
{
    QFETCH(QStringList, names);
    QTEST(SafeCodeNames(names), "safe");
}

void CodeExportsTest::cssAndScss()
{
    QCOMPARE(ExportListAsCss(kItems), ":root {\r\n"
                                      "  --color-06a7ff: #06a7ff;\r\n"
                                      "  --sky-blue: #87ceeb;\r\n"
                                      "  --sky-blue-2: #000001;\r\n"
                                      "  --cafe-au-lait: #a67b5b;\r\n"
                                      "}\r\n");
    QCOMPARE(ExportListAsScss(kItems), "$color-06a7ff: #06a7ff;\r\n"
                                       "$sky-blue: #87ceeb;\r\n"
                                       "$sky-blue-2: #000001;\r\n"
                                       "$cafe-au-lait: #a67b5b;\r\n");
    QCOMPARE(ExportListAsCss({}), ":root {\r\n}\r\n");
}

// Every token a colour whose components and hex give the list's colour back.
void CodeExportsTest::designTokensParse()
{
    QStringList items;
    for (int i = 0; i < 256; ++i)
        items << FormatListItemText(PackColour(i, 255 - i, (i * 37) & 0xFF));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(ExportListAsDesignTokens(items), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject tokens = document.object();
    QCOMPARE(tokens.size(), items.size());
    const QRegularExpression tokenName("^[^${}.][^{}.]*$");
    for (const QString& item : items) {
        const Rgb colour = *ListItemColour(item);
        const QString name = SafeCodeNames({ListItemName(item)}).first();
        QVERIFY(tokenName.match(name).hasMatch());
        const QJsonObject token = tokens.value(name).toObject();
        QCOMPARE(token.value("$type").toString(), "color");
        const QJsonObject value = token.value("$value").toObject();
        QCOMPARE(value.value("colorSpace").toString(), "srgb");
        QCOMPARE(value.value("hex").toString(), FormatHashHex(colour).toLower());
        const QJsonArray components = value.value("components").toArray();
        QCOMPARE(components.size(), 3);
        const Rgb back{std::uint8_t(qRound(components[0].toDouble() * 255)),
                       std::uint8_t(qRound(components[1].toDouble() * 255)),
                       std::uint8_t(qRound(components[2].toDouble() * 255))};
        QVERIFY2(back == colour, qPrintable(name));
    }
    QCOMPARE(QJsonDocument::fromJson(ExportListAsDesignTokens({})).object(), QJsonObject());
}

QTEST_APPLESS_MAIN(CodeExportsTest)
#include "tst_codeexports.moc"
