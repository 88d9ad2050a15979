#include "colour/ColourText.h"
#include "state/ColourList.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<ColourListItem> ItemsWithTexts(const QStringList& texts)
{
    QList<ColourListItem> items;
    for (int i = 0; i < texts.size(); ++i)
        items.append(ColourListItem{texts.at(i), ColorRef(i)});
    return items;
}

QStringList Texts(const ColourList& list)
{
    QStringList texts;
    for (const ColourListItem& item : list.items())
        texts.append(item.text);
    return texts;
}

// The operation as first described: from the last item down, remove the first item
// with the same text while it is not the item itself.
QStringList ClearDuplicatesStepByStep(QStringList texts)
{
    for (int i = texts.size() - 1; i >= 0; --i) {
        int j = 0;
        while (texts.at(j).compare(texts.at(i), Qt::CaseInsensitive) != 0)
            ++j;
        if (j != i)
            texts.removeAt(j);
    }
    return texts;
}

enum class Operation
{
    AddNew,
    AddListed,
    DropNew,
    DropListed,
    DeleteSome,
    DeleteNone,
    ClearDuplicates,
    NewList,
    LoadColours
};

} // namespace

Q_DECLARE_METATYPE(Operation)

class ColourListTest : public QObject
{
    Q_OBJECT
private slots:
    void itemText_data();
    void itemText();
    void itemTextShapeOverTheCube();
    void statusText_data();
    void statusText();
    void changedFlag_data();
    void changedFlag();
    void clearDuplicateColours_data();
    void clearDuplicateColours();
    void clearDuplicateColoursMatchesTheStepwiseRuleOnRandomLists();
    void duplicateTestSurvivesDeletingOneOfTwoEqualItems();
    void itemTextInAnyCaseStandsForItsColour();
    void deleteRows_data();
    void deleteRows();
    void loadedColoursReplaceTheListInOneReset();
    void newListEmptiesListAndPath();
    void repeatsAreFoundSmallAndLarge();
};

void ColourListTest::itemText_data()
{
    QTest::addColumn<ColorRef>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("start-up colour")
        << PackColour(6, 167, 255) << "6,167,255             #06A7FF - FFA706";
    QTest::newRow("black") << PackColour(0, 0, 0) << "0,0,0             #000000 - 000000";
    QTest::newRow("white") << PackColour(255, 255, 255)
                           << "255,255,255             #FFFFFF - FFFFFF";
    QTest::newRow("top byte ignored")
        << (PackColour(1, 2, 3) | 0x7F000000u) << "1,2,3             #010203 - 030201";
}

void ColourListTest::itemText()
{
    QFETCH(ColorRef, colour);
    QFETCH(QString, text);
    QCOMPARE(FormatListItemText(colour), text);
    const Rgb rgb = UnpackColour(colour);
    QCOMPARE(FormatListItemText(rgb.red, rgb.green, rgb.blue), text);
}

void ColourListTest::itemTextShapeOverTheCube()
{
    for (int r = 0; r < 256; r += 3) {
        for (int g = 0; g < 256; g += 5) {
            for (int b = 0; b < 256; b += 7) {
                const Rgb rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
                const QString text = FormatListItemText(PackColour(rgb));
                QVERIFY(text.size() >= 34 && text.size() <= 40);
                QCOMPARE(text.right(16), FormatHashHex(rgb) + " - " + FormatPackedText(rgb).mid(3));
                QCOMPARE(text.indexOf('-'), text.size() - 8);
            }
        }
    }
}

void ColourListTest::statusText_data()
{
    const QString lead = "This is the color list. Drag a color to add it to the list. Double "
                         "click any color to see its details.";
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("no path, empty") << QString() << 0 << lead + " (  No colors in the list. )";
    QTest::newRow("no path, one") << QString() << 1
                                  << lead + " (  There is only one color in the list.  )";
    QTest::newRow("loaded, five") << "C:\\lists\\web.cll" << 5
                                  << lead + " ( Loaded C:\\lists\\web.cll. There are 5 colors "
                                            "in the list.  )";
    QTest::newRow("loaded, empty")
        << "/a.cll" << 0 << lead + " ( Loaded /a.cll. No colors in the list. )";
    QTest::newRow("many") << QString() << 100000
                          << lead + " (  There are 100000 colors in the list.  )";
}

void ColourListTest::statusText()
{
    QFETCH(QString, path);
    QFETCH(int, count);
    QFETCH(QString, text);
    QCOMPARE(ColourListStatusText(path, count), text);
}

void ColourListTest::changedFlag_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<bool>("after");
    for (bool before : {false, true}) {
        const QByteArray from = before ? "set: " : "clear: ";
        QTest::newRow(from + "add appended") << before << Operation::AddNew << true;
        QTest::newRow(from + "add already listed") << before << Operation::AddListed << before;
        QTest::newRow(from + "drop appended") << before << Operation::DropNew << true;
        QTest::newRow(from + "drop already listed") << before << Operation::DropListed << before;
        QTest::newRow(from + "delete selected") << before << Operation::DeleteSome << true;
        QTest::newRow(from + "delete, nothing selected") << before << Operation::DeleteNone << true;
        QTest::newRow(from + "clear duplicates") << before << Operation::ClearDuplicates << true;
        QTest::newRow(from + "new list") << before << Operation::NewList << false;
        QTest::newRow(from + "load") << before << Operation::LoadColours << false;
    }
}

void ColourListTest::changedFlag()
{
    QFETCH(bool, before);
    QFETCH(Operation, operation);
    QFETCH(bool, after);

    const ColorRef listed = PackColour(6, 167, 255);
    ColourList list;
    list.AddMainColourToList(listed);
    list.SetChanged(before);
    QSignalSpy flagChanges(&list, &ColourList::changedFlagChanged);
    switch (operation) {
    case Operation::AddNew:
        QVERIFY(list.AddMainColourToList(PackColour(1, 2, 3)));
        break;
    case Operation::AddListed:
        QVERIFY(!list.AddMainColourToList(listed));
        break;
    case Operation::DropNew:
        QVERIFY(list.AddDroppedColourToList(PackColour(1, 2, 3)));
        break;
    case Operation::DropListed:
        QVERIFY(!list.AddDroppedColourToList(listed));
        break;
    case Operation::DeleteSome:
        list.DeleteRows({0});
        break;
    case Operation::DeleteNone:
        list.DeleteRows({});
        break;
    case Operation::ClearDuplicates:
        list.ClearDuplicateColours();
        break;
    case Operation::NewList:
        list.NewList();
        break;
    case Operation::LoadColours:
        list.ReplaceWithLoadedColours({PackColour(9, 9, 9)});
        break;
    }
    QCOMPARE(list.IsChanged(), after);
    QCOMPARE(flagChanges.size(), before == after ? 0 : 1);
}

void ColourListTest::clearDuplicateColours_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty") << QStringList() << QStringList();
    QTest::newRow("no repeats") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"};
    QTest::newRow("last one stays in its place")
        << QStringList{"a", "b", "a"} << QStringList{"b", "a"};
    QTest::newRow("three equal") << QStringList{"a", "a", "a"} << QStringList{"a"};
    QTest::newRow("two groups") << QStringList{"a", "b", "b", "a", "c"}
                                << QStringList{"b", "a", "c"};
    QTest::newRow("letter case ignored, last text kept")
        << QStringList{"x - ff", "y", "X - FF"} << QStringList{"y", "X - FF"};
    const QString own = FormatListItemText(PackColour(10, 171, 205));
    QTest::newRow("item text in lower case")
        << QStringList{own.toLower(), "y", own} << QStringList{"y", own};
}

void ColourListTest::clearDuplicateColours()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    ColourList list;
    list.ReplaceItems(ItemsWithTexts(texts));
    list.ClearDuplicateColours();
    QCOMPARE(Texts(list), expected);
    QCOMPARE(ClearDuplicatesStepByStep(texts), expected);
    // The kept items keep their own colours.
    for (const ColourListItem& item : list.items())
        QCOMPARE(texts.at(int(item.colour)), item.text);
}

void ColourListTest::clearDuplicateColoursMatchesTheStepwiseRuleOnRandomLists()
{
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QStringList texts;
        const int size = random.bounded(30);
        for (int i = 0; i < size; ++i)
            texts.append(QString(QChar((random.bounded(2) ? 'a' : 'A') + random.bounded(6))));
        ColourList list;
        list.ReplaceItems(ItemsWithTexts(texts));
        list.ClearDuplicateColours();
        QCOMPARE(Texts(list), ClearDuplicatesStepByStep(texts));
        for (const QString& text : Texts(list))
            QVERIFY(list.ContainsText(text.toLower()));
    }
}

void ColourListTest::duplicateTestSurvivesDeletingOneOfTwoEqualItems()
{
    const QString text = FormatListItemText(PackColour(1, 2, 3));
    ColourList list;
    list.ReplaceItems(ItemsWithTexts({text, text}));
    list.DeleteRows({0});
    QVERIFY(!list.AddDroppedColourToList(PackColour(1, 2, 3)));
    list.DeleteRows({0});
    QVERIFY(list.AddDroppedColourToList(PackColour(1, 2, 3)));
}

void ColourListTest::itemTextInAnyCaseStandsForItsColour()
{
    const ColorRef colour = PackColour(10, 171, 205);
    ColourList list;
    list.ReplaceItems(ItemsWithTexts({FormatListItemText(colour).toLower()}));
    QVERIFY(list.ContainsText(FormatListItemText(colour)));
    QVERIFY(!list.AddDroppedColourToList(colour));
    list.DeleteRows({0});
    QVERIFY(list.AddDroppedColourToList(colour));
}

void ColourListTest::deleteRows_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("reset");
    QTest::newRow("one") << 5 << QList<int>{2} << false;
    QTest::newRow("run and single, unsorted, repeated, out of range")
        << 6 << QList<int>{4, 0, 1, 1, -1, 6} << false;
    QTest::newRow("all") << 4 << QList<int>{0, 1, 2, 3} << false;
    QList<int> everyOther;
    for (int row = 0; row < 200; row += 2)
        everyOther.append(row);
    QTest::newRow("many scattered") << 200 << everyOther << true;
}

void ColourListTest::deleteRows()
{
    QFETCH(int, size);
    QFETCH(QList<int>, rows);
    QFETCH(bool, reset);
    ColourList list;
    QList<ColorRef> expected;
    for (int i = 0; i < size; ++i) {
        list.AddDroppedColourToList(ColorRef(i));
        if (!rows.contains(i))
            expected.append(ColorRef(i));
    }
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    QSignalSpy removals(&list, &QAbstractItemModel::rowsRemoved);
    list.DeleteRows(rows);
    QList<ColorRef> remaining;
    for (const ColourListItem& item : list.items())
        remaining.append(item.colour);
    QCOMPARE(remaining, expected);
    QCOMPARE(resets.size(), reset ? 1 : 0);
    QCOMPARE(removals.isEmpty(), reset);
    for (int i = 0; i < size; ++i)
        QCOMPARE(list.ContainsText(FormatListItemText(ColorRef(i))),
                 expected.contains(ColorRef(i)));
}

void ColourListTest::loadedColoursReplaceTheListInOneReset()
{
    ColourList list;
    list.AddDroppedColourToList(PackColour(50, 50, 50));
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&list, &QAbstractItemModel::rowsInserted);
    const ColorRef a = PackColour(1, 0, 0), b = PackColour(0, 1, 0);
    QCOMPARE(list.ReplaceWithLoadedColours({a, b, a}), std::optional<ColorRef>(b));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.item(0).colour, a);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(inserts.size(), 0);
    QVERIFY(!list.ContainsText(FormatListItemText(PackColour(50, 50, 50))));
    QCOMPARE(list.ReplaceWithLoadedColours({}), std::nullopt);
    QCOMPARE(list.count(), 0);
}

void ColourListTest::newListEmptiesListAndPath()
{
    ColourList list;
    list.SetCurrentListPath("/lists/web.cll");
    list.AddDroppedColourToList(PackColour(1, 2, 3));
    QSignalSpy pathChanges(&list, &ColourList::currentListPathChanged);
    list.NewList();
    QCOMPARE(list.count(), 0);
    QVERIFY(list.CurrentListPath().isEmpty());
    QCOMPARE(pathChanges.size(), 1);
    QVERIFY(list.AddDroppedColourToList(PackColour(1, 2, 3)));
}

// The index of listed colours changes its form as a list grows past a few
// thousand colours: repeats are found the same before and after.
void ColourListTest::repeatsAreFoundSmallAndLarge()
{
    ColourList list;
    QRandomGenerator random(7);
    QList<ColorRef> colours;
    for (int i = 0; i < 10000; ++i)
        colours.append(random.bounded(0x1000000));
    for (ColorRef colour : std::as_const(colours)) {
        const bool listed = list.ContainsText(FormatListItemText(colour));
        QCOMPARE(list.AddDroppedColourToList(colour), !listed);
        QVERIFY(list.ContainsText(FormatListItemText(colour)));
    }
    list.DeleteRows({0});
    QVERIFY(!list.ContainsText(FormatListItemText(colours.first())));
    list.ReplaceWithLoadedColours(colours.first(10));
    QCOMPARE(list.count(), 10);
    QVERIFY(!list.ContainsText(FormatListItemText(colours.last())));
    QVERIFY(!list.AddDroppedColourToList(colours.at(9)));
}

QTEST_APPLESS_MAIN(ColourListTest)
#include "tst_colourlist.moc"
