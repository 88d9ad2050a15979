#include "colour/TextTemplate.h"

#include <QtTest>

class TextTemplateTest : public QObject
{
    Q_OBJECT
private slots:
    void expanding_data();
    void expanding();
    void refusing_data();
    void refusing();
    void everyListedPlaceholderIsKnown();
};

void TextTemplateTest::expanding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expanded");
    // For the start-up colour 6, 167, 255.
    QTest::newRow("channels") << "RGB({r}, {g}, {B})"
                              << "RGB(6, 167, 255)";
    QTest::newRow("hex both ways") << "{hex} {#HEX}"
                                   << "06A7FF #06A7FF";
    QTest::newRow("program's HSL") << "{h}/{s}/{l}"
                                   << "201/100/51";
    QTest::newRow("css form") << "--accent: {oklch};"
                              << "--accent: oklch(70.07% 0.1701 243.52);";
    QTest::newRow("coordinates") << "{oklch.l} {oklch.c} {oklch.h} | {p3.g}"
                                 << "70.07% 0.1701 243.52 | 0.645";
    QTest::newRow("name and braces") << "{{{name}}}"
                                     << "{dodgerblue}";
    QTest::newRow("no placeholder") << "plain"
                                    << "plain";
}

void TextTemplateTest::expanding()
{
    QFETCH(QString, text);
    QFETCH(QString, expanded);
    QVERIFY(CheckTemplate(text).isEmpty());
    QCOMPARE(ExpandTemplate(text, Rgb{6, 167, 255}), expanded);
}

void TextTemplateTest::refusing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("why");
    QTest::newRow("unknown") << "RGB({red})"
                             << "Unknown placeholder {red}.";
    QTest::newRow("empty braces") << "a{}b"
                                  << "Unknown placeholder {}.";
    QTest::newRow("unclosed") << "{r"
                              << "A \"{\" has no closing \"}\"; write \"{{\" for a brace.";
    QTest::newRow("lone close") << "r}"
                                << "A \"}\" has no opening \"{\"; write \"}}\" for a brace.";
}

void TextTemplateTest::refusing()
{
    QFETCH(QString, text);
    QFETCH(QString, why);
    QCOMPARE(CheckTemplate(text), why);
}

void TextTemplateTest::everyListedPlaceholderIsKnown()
{
    for (const QString& placeholder : TemplatePlaceholders()) {
        QVERIFY2(CheckTemplate(placeholder).isEmpty(), qPrintable(placeholder));
        QVERIFY(!ExpandTemplate(placeholder, Rgb{1, 2, 3}).contains(QLatin1Char('{')));
    }
}

QTEST_APPLESS_MAIN(TextTemplateTest)
#include "tst_texttemplate.moc"
