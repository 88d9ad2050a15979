#include "ui/HowToTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// The reference file holds every caption and text as first written down, CRs included.
class HowToTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void textsMatchReferenceByteForByte_data();
    void textsMatchReferenceByteForByte();
    void textsAreCrSeparatedWithCaptionFirst();
    void menusOfferTheirEntriesInOrder_data();
    void menusOfferTheirEntriesInOrder();

private:
    QJsonArray m_reference;
};

void HowToTextsTest::initTestCase()
{
    QFile file(QStringLiteral(KROMI_TEST_DATA_DIR "/howto_texts.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_reference = QJsonDocument::fromJson(file.readAll()).array();
    QCOMPARE(m_reference.size(), 15);
}

void HowToTextsTest::textsMatchReferenceByteForByte_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 15; ++i)
        QTest::addRow("text %d", i + 1) << i;
}

void HowToTextsTest::textsMatchReferenceByteForByte()
{
    QFETCH(int, index);
    const HowTo& howTo = HowToTexts()[static_cast<std::size_t>(index)];
    const QJsonObject expected = m_reference[index].toObject();
    QCOMPARE(howTo.caption.toLatin1(), expected[QStringLiteral("caption")].toString().toLatin1());
    QCOMPARE(howTo.text.toLatin1(), expected[QStringLiteral("text")].toString().toLatin1());
}

void HowToTextsTest::textsAreCrSeparatedWithCaptionFirst()
{
    for (const HowTo& howTo : HowToTexts()) {
        QVERIFY(!howTo.text.contains(QLatin1Char('\n')));
        QVERIFY(!howTo.text.endsWith(QLatin1Char('\r')));
        const QStringList lines = howTo.text.split(QLatin1Char('\r'));
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines[0], howTo.caption);
        QCOMPARE(lines[1], QString());
        QVERIFY(!howTo.caption.contains(QLatin1Char('&')));
    }
}

void HowToTextsTest::menusOfferTheirEntriesInOrder_data()
{
    QTest::addColumn<HelpMenu>("menu");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("main window") << HelpMenu::MainWindow << 0 << 9;
    QTest::newRow("web test") << HelpMenu::WebTest << 9 << 4;
    QTest::newRow("history") << HelpMenu::History << 13 << 2;
}

void HowToTextsTest::menusOfferTheirEntriesInOrder()
{
    QFETCH(HelpMenu, menu);
    QFETCH(int, first);
    QFETCH(int, count);
    const std::vector<HowTo> entries = HowTosOf(menu);
    QCOMPARE(static_cast<int>(entries.size()), count);
    for (int i = 0; i < count; ++i) {
        const HowTo& expected = HowToTexts()[static_cast<std::size_t>(first + i)];
        QCOMPARE(entries[static_cast<std::size_t>(i)].caption, expected.caption);
        QCOMPARE(entries[static_cast<std::size_t>(i)].text, expected.text);
    }
}

QTEST_APPLESS_MAIN(HowToTextsTest)
#include "tst_howtotexts.moc"
