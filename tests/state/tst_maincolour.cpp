#include "state/MainColour.h"

#include <QSignalSpy>
#include <QtTest>

using Texts = std::array<QString, 3>;
Q_DECLARE_METATYPE(Texts)

class MainColourTest : public QObject
{
    Q_OBJECT
private slots:
    void startsWithTheStartUpColour();
    void commitRgb_data();
    void commitRgb();
    void commitHsl_data();
    void commitHsl();
    void steps_data();
    void steps();
    void stepOfAnEmptyEditFails();
    void sliderMovesAreNotRecorded();
    void hexEnter();
    void makeWebsafeAndNegative();
    void setMainColourRecordsShowColourDoesNot();
    void focusLossClamps();
};

void MainColourTest::startsWithTheStartUpColour()
{
    MainColour main;
    QCOMPARE(main.rgb(), (Rgb{6, 167, 255}));
    QCOMPARE(main.hsl(), (Hsl{201, 100, 51}));
    QVERIFY(!main.isWebSafe());
}

void MainColourTest::commitRgb_data()
{
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Texts>("shown");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("recorded");
    QTest::newRow("300 clamps to 255")
        << Texts{"300", "167", "255"} << Texts{"255", "167", "255"} << QString() << 1;
    QTest::newRow("256 clamps") << Texts{"6", "256", "0"} << Texts{"6", "255", "0"} << QString()
                                << 1;
    QTest::newRow("empty green fails") << Texts{"999", "", "1"} << Texts{"255", "", "1"}
                                       << QStringLiteral("'' is not a valid integer value") << 0;
}

void MainColourTest::commitRgb()
{
    QFETCH(Texts, texts);
    QFETCH(Texts, shown);
    QFETCH(QString, error);
    QFETCH(int, recorded);
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    const EditTexts result = main.CommitRgbEdits(texts);
    QCOMPARE(result.texts, shown);
    QCOMPARE(result.error, error);
    QCOMPARE(records.size(), recorded);
    if (result.ok()) {
        QCOMPARE(int(main.rgb().red), shown[0].toInt());
        QCOMPARE(main.hsl(), RgbToHsl(main.rgb()));
    } else {
        QCOMPARE(main.rgb(), (Rgb{6, 167, 255}));
    }
}

void MainColourTest::commitHsl_data()
{
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Texts>("shown");
    QTest::addColumn<Rgb>("rgb");
    QTest::newRow("clamps") << Texts{"360", "101", "999"} << Texts{"359", "100", "100"}
                            << Rgb{255, 255, 255};
    QTest::newRow("start-up round trip")
        << Texts{"201", "100", "51"} << Texts{"201", "100", "51"} << Rgb{5, 168, 255};
}

void MainColourTest::commitHsl()
{
    QFETCH(Texts, texts);
    QFETCH(Texts, shown);
    QFETCH(Rgb, rgb);
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    QCOMPARE(main.CommitHslEdits(texts).texts, shown);
    QCOMPARE(main.rgb(), rgb);
    // HSL-side changes keep the values as entered.
    QCOMPARE(main.hsl(), (Hsl{shown[0].toInt(), shown[1].toInt(), shown[2].toInt()}));
    QCOMPARE(records.size(), 1);
}

void MainColourTest::steps_data()
{
    QTest::addColumn<bool>("rgbSide");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QString>("shown");
    QTest::newRow("R 255 +") << true << Texts{"255", "0", "0"} << 0 << 1 << "255";
    QTest::newRow("R 0 -") << true << Texts{"0", "0", "0"} << 0 << -1 << "255";
    QTest::newRow("G 7 +") << true << Texts{"0", "7", "0"} << 1 << 1 << "8";
    QTest::newRow("H 0 -") << false << Texts{"0", "50", "50"} << 0 << -1 << "359";
    QTest::newRow("S 0 -") << false << Texts{"10", "0", "50"} << 1 << -1 << "100";
    QTest::newRow("L 100 +") << false << Texts{"10", "0", "100"} << 2 << 1 << "100";
}

void MainColourTest::steps()
{
    QFETCH(bool, rgbSide);
    QFETCH(Texts, texts);
    QFETCH(int, index);
    QFETCH(int, delta);
    QFETCH(QString, shown);
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    const EditTexts result =
        rgbSide ? main.StepRgbEdit(texts, index, delta) : main.StepHslEdit(texts, index, delta);
    QVERIFY(result.ok());
    QCOMPARE(result.texts[index], shown);
    QCOMPARE(records.size(), 1);
    const Rgb rgb = main.rgb();
    const int bytes[3] = {rgb.red, rgb.green, rgb.blue};
    if (rgbSide)
        QCOMPARE(bytes[index], shown.toInt());
    else
        QCOMPARE(index == 0   ? main.hsl().hue
                 : index == 1 ? main.hsl().saturation
                              : main.hsl().lightness,
                 shown.toInt());
}

void MainColourTest::stepOfAnEmptyEditFails()
{
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    const EditTexts result = main.StepRgbEdit(Texts{"", "1", "2"}, 0, 1);
    QCOMPARE(result.error, QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(records.size(), 0);
    QCOMPARE(main.rgb(), (Rgb{6, 167, 255}));
}

void MainColourTest::sliderMovesAreNotRecorded()
{
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    QSignalSpy changes(&main, &MainColour::changed);
    main.SetHslChannel(2, 95);
    QCOMPARE(main.rgb(), (Rgb{230, 246, 255}));
    QCOMPARE(main.hsl(), (Hsl{201, 100, 95}));
    QCOMPARE(records.size(), 0);
    main.SetHslChannel(2, 95); // no movement, no change
    QCOMPARE(changes.size(), 1);
    main.SetRgbChannel(0, 0);
    QCOMPARE(main.hsl(), RgbToHsl(main.rgb()));
    QCOMPARE(records.size(), 0);
    main.RecordCurrent();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).at(0).value<ColorRef>(), main.colour());
}

void MainColourTest::hexEnter()
{
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    QSignalSpy changes(&main, &MainColour::changed);
    QVERIFY(main.ApplyHexText(QStringLiteral("FFF")).isEmpty());
    QCOMPARE(main.rgb(), (Rgb{255, 255, 15}));
    QCOMPARE(changes.last().at(0).value<ColourChange>(), ColourChange::FromHexText);
    QCOMPARE(records.size(), 1);
    QCOMPARE(main.ApplyHexText(QStringLiteral("ZZ0000")),
             QStringLiteral("'$000000ZZ' is not a valid integer value"));
    QCOMPARE(main.rgb(), (Rgb{255, 255, 15}));
    QCOMPARE(records.size(), 1);
}

void MainColourTest::makeWebsafeAndNegative()
{
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    main.MakeWebsafe();
    QCOMPARE(main.rgb(), (Rgb{0, 153, 255}));
    QVERIFY(main.isWebSafe());
    main.MakeWebsafe(); // unchanged, but recorded again
    QCOMPARE(main.rgb(), (Rgb{0, 153, 255}));
    QCOMPARE(records.size(), 2);

    MainColour other;
    other.FindNegative();
    QCOMPARE(other.rgb(), (Rgb{249, 88, 0}));
}

void MainColourTest::setMainColourRecordsShowColourDoesNot()
{
    MainColour main;
    QSignalSpy records(&main, &MainColour::recorded);
    main.ShowColour(PackColour(51, 102, 153));
    QVERIFY(main.isWebSafe());
    QCOMPARE(main.hsl(), RgbToHsl(51, 102, 153));
    QCOMPARE(records.size(), 0);
    main.SetMainColour(PackColour(1, 2, 3));
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.at(0).at(0).value<ColorRef>(), PackColour(1, 2, 3));
}

void MainColourTest::focusLossClamps()
{
    const EditTexts skip = ClampEditTexts(Texts{"", "300", "1"}, MainColour::kRgbMaxima, true);
    QVERIFY(skip.ok());
    QCOMPARE(skip.texts, (Texts{"", "255", "1"}));
    const EditTexts strict = ClampEditTexts(Texts{"400", "", "101"}, MainColour::kHslMaxima, false);
    QCOMPARE(strict.error, QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(strict.texts, (Texts{"359", "", "101"}));
}

QTEST_APPLESS_MAIN(MainColourTest)
#include "tst_maincolour.moc"
