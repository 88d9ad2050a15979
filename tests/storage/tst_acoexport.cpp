#include "colour/ColourText.h"
#include "storage/AcoExport.h"

#include <QTemporaryDir>
#include <QtTest>

class AcoExportTest : public QObject
{
    Q_OBJECT
private slots:
    void bytes_data();
    void bytes();
    void readsBackWithAnIndependentReader();
    void countStaysWithinSixteenBits();
};

static QStringList Items(std::initializer_list<Rgb> colours)
{
    QStringList items;
    for (Rgb c : colours) {
        items << QStringLiteral("%1,%2,%3             %4 - %5")
                     .arg(c.red)
                     .arg(c.green)
                     .arg(c.blue)
                     .arg(FormatHashHex(c), FormatPackedText(c).mid(3));
    }
    return items;
}

void AcoExportTest::bytes_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("start-up colour")
        << Items({{6, 167, 255}}) << QByteArray("0001000100000606A7A7FFFF0000");
    QTest::newRow("empty list") << QStringList() << QByteArray("00010000");
    QTest::newRow("black") << Items({{0, 0, 0}}) << QByteArray("0001000100000000000000000000");
    QTest::newRow("items without a colour are left out of records and count")
        << QStringList{"no colour", "#12345", "#GG0000", "x #FFFFFF"}
        << QByteArray("000100010000FFFFFFFFFFFF0000");
}

void AcoExportTest::bytes()
{
    QFETCH(QStringList, items);
    QFETCH(QByteArray, hex);
    QCOMPARE(ExportListAsAco(items).toHex().toUpper(), hex);
}

// Parses the file by hand, as another program would.
void AcoExportTest::readsBackWithAnIndependentReader()
{
    const QList<Rgb> colours{{1, 2, 3}, {255, 0, 128}, {51, 102, 153}, {254, 253, 252}};
    QStringList items;
    for (Rgb c : colours)
        items << Items({c});
    const QByteArray file = ExportListAsAco(items);
    const auto word = [&file](int offset) {
        return int(quint8(file[offset])) << 8 | int(quint8(file[offset + 1]));
    };
    QCOMPARE(file.size(), 4 + 10 * colours.size());
    QCOMPARE(word(0), 1);
    QCOMPARE(word(2), colours.size());
    for (int i = 0; i < colours.size(); ++i) {
        const int record = 4 + 10 * i;
        QCOMPARE(word(record), 0);
        QCOMPARE(word(record + 2), colours[i].red * 257);
        QCOMPARE(word(record + 4), colours[i].green * 257);
        QCOMPARE(word(record + 6), colours[i].blue * 257);
        QCOMPARE(word(record + 8), 0);
    }
}

void AcoExportTest::countStaysWithinSixteenBits()
{
    const QStringList items(kMaxAcoColours + 10, QStringLiteral("#010203"));
    const QByteArray file = ExportListAsAco(items);
    QCOMPARE(file.size(), 4 + 10 * kMaxAcoColours);
    QCOMPARE(file.mid(2, 2), QByteArray("\xFF\xFF"));
}

QTEST_APPLESS_MAIN(AcoExportTest)
#include "tst_acoexport.moc"
