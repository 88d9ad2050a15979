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

QTEST_APPLESS_MAIN(HowToTextsTest)
#include "tst_howtotexts.moc"
