#include "state/HistoryList.h"
#include "state/MainColour.h"

#include <QSignalSpy>
#include <QtTest>

using Colours = std::vector<ColorRef>;
Q_DECLARE_METATYPE(Colours)

class HistoryListTest : public QObject
{
    Q_OBJECT
private slots:
    void entryText_data();
    void entryText();
    void committingTwiceGivesTwoEntries();
    void appendingInsertsOneRowAndLoadingResetsOnce();
    void stepping_data();
    void stepping();
    void removing_data();
    void removing();
    void clearingDropsEntriesAndUnreadableLines();
};

void HistoryListTest::entryText_data()
{
    QTest::addColumn<ColorRef>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("start-up colour") << PackColour(6, 167, 255) << "6,167,255 - #06A7FF";
    QTest::newRow("black") << PackColour(0, 0, 0) << "0,0,0 - #000000";
    QTest::newRow("white, longest") << PackColour(255, 255, 255) << "255,255,255 - #FFFFFF";
    QTest::newRow("red is the low byte") << ColorRef(0x0000FF) << "255,0,0 - #FF0000";
    QTest::newRow("two-digit values") << PackColour(10, 99, 100) << "10,99,100 - #0A6364";
    QTest::newRow("top byte ignored") << ColorRef(0xFF336699) << "153,102,51 - #996633";
}

void HistoryListTest::entryText()
{
    QFETCH(ColorRef, colour);
    QFETCH(QString, text);
    QCOMPARE(HistoryEntryText(colour), text);
    HistoryList history;
    history.AddToHistory(colour);
    QCOMPARE(history.data(history.index(0), Qt::DisplayRole).toString(), text);
    QCOMPARE(history.data(history.index(0), HistoryList::ColourRole).toUInt(), colour & 0xFFFFFFu);
}

void HistoryListTest::committingTwiceGivesTwoEntries()
{
    MainColour main;
    HistoryList history;
    connect(&main, &MainColour::recorded, &history, &HistoryList::AddToHistory);
    main.SetMainColour(PackColour(6, 167, 255));
    main.SetMainColour(PackColour(6, 167, 255));
    main.ShowColour(PackColour(1, 2, 3));
    QCOMPARE(history.rowCount(), 2);
    for (int row = 0; row < 2; ++row)
        QCOMPARE(history.index(row).data().toString(), QStringLiteral("6,167,255 - #06A7FF"));
    QCOMPARE(history.CurrentStep(), 1);
}

void HistoryListTest::appendingInsertsOneRowAndLoadingResetsOnce()
{
    HistoryList history;
    QSignalSpy inserted(&history, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&history, &QAbstractItemModel::modelReset);
    history.AddToHistory(1);
    history.AddToHistory(2);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(inserted.at(1).at(2).toInt(), 1);

    history.AppendLoaded(Colours(1000, 7));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(history.rowCount(), 1002);
    QCOMPARE(history.colourAt(0), ColorRef(1));
    QCOMPARE(history.colourAt(1001), ColorRef(7));
    QCOMPARE(history.CurrentStep(), 1001);
}

// Actions: U = Undo, R = Redo, A = record a new colour. `results` holds, per
// action, the step it reached (-1 when Undo/Redo did nothing). With `shown`, the
// colour on screen is passed in, as the window does.
void HistoryListTest::stepping_data()
{
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QList<int>>("results");
    const Colours abc{0xA, 0xB, 0xC};
    QTest::newRow("back to the oldest, then nothing")
        << abc << false << "UUU" << QList<int>{1, 0, -1};
    QTest::newRow("forward to the newest, then nothing")
        << abc << false << "UURRR" << QList<int>{1, 0, 1, 2, -1};
    QTest::newRow("commit after Undo appends and becomes current")
        << abc << false << "UUAU" << QList<int>{1, 0, 3, 2};
    QTest::newRow("nothing to redo after a commit")
        << abc << false << "UAR" << QList<int>{1, 3, -1};
    QTest::newRow("stepped-over colours stay reachable")
        << abc << false << "UUAUUU" << QList<int>{1, 0, 3, 2, 1, 0};
    QTest::newRow("repeats are separate steps without the shown colour")
        << Colours{0xA, 0xA, 0xB, 0xB} << false << "UU" << QList<int>{2, 1};
    QTest::newRow("repeats of the shown colour are passed over")
        << Colours{0xA, 0xA, 0xB, 0xB} << true << "UUR" << QList<int>{1, -1, 2};
    QTest::newRow("empty history") << Colours{} << true << "UR" << QList<int>{-1, -1};
    QTest::newRow("single entry") << Colours{0xA} << false << "UR" << QList<int>{-1, -1};
}

void HistoryListTest::stepping()
{
    QFETCH(Colours, colours);
    QFETCH(bool, shown);
    QFETCH(QString, actions);
    QFETCH(QList<int>, results);
    HistoryList history;
    history.AppendLoaded(colours);
    ColorRef onScreen = colours.empty() ? 0 : colours.back();
    ColorRef nextNew = 0x100;
    for (int i = 0; i < actions.size(); ++i) {
        const int before = history.CurrentStep();
        const std::optional<ColorRef> shownArg =
            shown ? std::optional<ColorRef>(onScreen) : std::nullopt;
        std::optional<ColorRef> reached;
        switch (actions.at(i).toLatin1()) {
        case 'U':
            reached = history.Undo(shownArg);
            break;
        case 'R':
            reached = history.Redo(shownArg);
            break;
        default:
            history.AddToHistory(nextNew);
            reached = nextNew++;
            break;
        }
        const QByteArray where = "action " + QByteArray::number(i);
        if (results.at(i) < 0) {
            QVERIFY2(!reached, where);
            QVERIFY2(history.CurrentStep() == before, where);
            continue;
        }
        QVERIFY2(reached, where);
        QVERIFY2(history.CurrentStep() == results.at(i), where);
        QVERIFY2(*reached == history.colourAt(results.at(i)), where);
        onScreen = *reached;
    }
    QCOMPARE(history.rowCount(), int(colours.size()) + int(actions.count(QLatin1Char('A'))));
}

void HistoryListTest::removing_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<int>("stepAfter");
    QTest::newRow("before the step") << 6 << 3 << QList<int>{0} << 2;
    QTest::newRow("after the step") << 6 << 3 << QList<int>{4, 5} << 3;
    QTest::newRow("the step itself falls back") << 6 << 3 << QList<int>{3} << 2;
    QTest::newRow("step and its predecessor") << 6 << 3 << QList<int>{2, 3} << 1;
    QTest::newRow("everything up to the step") << 6 << 3 << QList<int>{3, 0, 2, 1} << -1;
    QTest::newRow("repeats and out of range ignored") << 6 << 5 << QList<int>{1, 1, 9, -1} << 4;
    QList<int> everyOther;
    for (int row = 0; row < 300; row += 2)
        everyOther.append(row);
    QTest::newRow("scattered selection") << 300 << 299 << everyOther << 149;
}

void HistoryListTest::removing()
{
    QFETCH(int, count);
    QFETCH(int, step);
    QFETCH(QList<int>, removed);
    QFETCH(int, stepAfter);
    HistoryList history;
    for (int row = 0; row < count; ++row)
        history.AddToHistory(ColorRef(row));
    while (history.CurrentStep() > step)
        history.Undo();
    history.RemoveEntries(removed);

    Colours expected;
    for (int row = 0; row < count; ++row) {
        if (!removed.contains(row))
            expected.push_back(ColorRef(row));
    }
    QCOMPARE(history.rowCount(), int(expected.size()));
    QVERIFY(history.colours() == expected);
    QCOMPARE(history.CurrentStep(), stepAfter);
}

void HistoryListTest::clearingDropsEntriesAndUnreadableLines()
{
    HistoryList history;
    history.AppendLoaded({1, 2, 3});
    history.SetUnreadableRest({QStringLiteral("#XYZ")});
    history.ClearHistory();
    QCOMPARE(history.rowCount(), 0);
    QCOMPARE(history.CurrentStep(), -1);
    QVERIFY(history.unreadableRest().isEmpty());
    QVERIFY(!history.Undo());
}

QTEST_APPLESS_MAIN(HistoryListTest)
#include "tst_historylist.moc"
