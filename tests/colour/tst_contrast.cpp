#include "colour/ColourText.h"
#include "colour/Contrast.h"

#include <QtTest>

namespace {

Rgb Hex(const char* six)
{
    return *ReadHexTriple(six);
}

} // namespace

class ContrastTest : public QObject
{
    Q_OBJECT
private slots:
    void pairs_data();
    void pairs();
    void toolTip();
};

void ContrastTest::pairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<bool>("aaNormal");
    QTest::addColumn<bool>("aaLarge");
    QTest::addColumn<bool>("aaaNormal");
    QTest::addColumn<bool>("aaaLarge");
    QTest::newRow("black on white") << "000000"
                                    << "FFFFFF"
                                    << "21:1" << true << true << true << true;
    QTest::newRow("white on black") << "FFFFFF"
                                    << "000000"
                                    << "21:1" << true << true << true << true;
    QTest::newRow("#777777 on white fails AA normal")
        << "777777"
        << "FFFFFF"
        << "4.47:1" << false << true << false << false;
    QTest::newRow("#767676 on white passes") << "767676"
                                             << "FFFFFF"
                                             << "4.54:1" << true << true << false << true;
    // 2.998, 4.493 and 3.998: rounding to the nearest would show 3, 4.5 and 4.
    QTest::newRow("2.998 is shown 2.99 and fails AA large")
        << "595959"
        << "000000"
        << "2.99:1" << false << false << false << false;
    QTest::newRow("4.493 is shown 4.49 and fails AA normal")
        << "747474"
        << "000000"
        << "4.49:1" << false << true << false << false;
    QTest::newRow("red on white") << "FF0000"
                                  << "FFFFFF"
                                  << "3.99:1" << false << true << false << false;
    QTest::newRow("7.005 passes AAA normal") << "595959"
                                             << "FFFFFF"
                                             << "7:1" << true << true << true << true;
    QTest::newRow("start-up colour on black") << "06A7FF"
                                              << "000000"
                                              << "7.97:1" << true << true << true << true;
    QTest::newRow("one colour on itself") << "0A141E"
                                          << "0A141E"
                                          << "1:1" << false << false << false << false;
    QTest::newRow("mid grey on black") << "808080"
                                       << "000000"
                                       << "5.31:1" << true << true << false << true;
}

void ContrastTest::pairs()
{
    QFETCH(QString, text);
    QFETCH(QString, background);
    QFETCH(QString, ratio);
    const ContrastVerdict verdict =
        JudgeContrast(Hex(qPrintable(text)), Hex(qPrintable(background)));
    QCOMPARE(FormatContrastRatio(verdict.hundredths), ratio);
    QTEST(verdict.aaNormal, "aaNormal");
    QTEST(verdict.aaLarge, "aaLarge");
    QTEST(verdict.aaaNormal, "aaaNormal");
    QTEST(verdict.aaaLarge, "aaaLarge");
}

void ContrastTest::toolTip()
{
    QCOMPARE(ContrastToolTip(Hex("767676"), Hex("FFFFFF")),
             "Contrast 4.54:1\nNormal text: AA pass, AAA fail. Large text: AA pass, AAA pass.");
    QCOMPARE(ContrastOnWhiteAndBlackToolTip(Hex("767676")),
             "On white: Contrast 4.54:1\nNormal text: AA pass, AAA fail. Large text: AA pass, AAA "
             "pass.\nOn black: Contrast 4.62:1\nNormal text: AA pass, AAA fail. Large text: AA "
             "pass, AAA pass.");
    QCOMPARE(FormatContrastRatio(450), "4.5:1");
    QCOMPARE(FormatContrastRatio(1205), "12.05:1");
}

QTEST_APPLESS_MAIN(ContrastTest)
#include "tst_contrast.moc"
