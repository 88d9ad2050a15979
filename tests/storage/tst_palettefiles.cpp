#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/GimpPalette.h"
#include "storage/PaletteFiles.h"
#include "storage/RecentLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ListFileKind)

namespace {

const ColorRef kSky = PackColour(6, 167, 255);
const ColorRef kRed = PackColour(255, 0, 0);

QList<ColorRef> Colours(const ColourList& list)
{
    QList<ColorRef> colours;
    for (const ColourListItem& item : list.items())
        colours.append(item.colour);
    return colours;
}

// A list that a load must replace, or a failed load leave as it is.
void Prefill(ColourList& list)
{
    list.AddDroppedColourToList(PackColour(10, 20, 30));
    list.SetCurrentListPath("/lists/before.cll");
    list.SetChanged(true);
}

} // namespace

class PaletteFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void kind_data();
    void kind();
    void droppable_data();
    void droppable();
    void paletteLoadTakesTheColoursNotThePath_data();
    void paletteLoadTakesTheColoursNotThePath();
    void failedOrMissingPaletteChangesNothing_data();
    void failedOrMissingPaletteChangesNothing();
    void colourListLoadsAsBefore();

private:
    QString Write(const QString& name, const QByteArray& data);
    QTemporaryDir m_dir;
};

QString PaletteFilesTest::Write(const QString& name, const QByteArray& data)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return QString();
    return file.fileName();
}

void PaletteFilesTest::kind_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<ListFileKind>("kind");
    QTest::newRow("gpl") << "/p/web.gpl" << ListFileKind::GimpPalette;
    QTest::newRow("GPL") << "/p/WEB.GPL" << ListFileKind::GimpPalette;
    QTest::newRow("ACO as the export names it") << "/p/web.ACO" << ListFileKind::Aco;
    QTest::newRow("aco") << "/p/web.aco" << ListFileKind::Aco;
    QTest::newRow("cll") << "/p/web.cll" << ListFileKind::ColourList;
    QTest::newRow("any other name") << "/p/web.txt" << ListFileKind::ColourList;
    QTest::newRow("only the last extension") << "/p/web.gpl.cll" << ListFileKind::ColourList;
}

void PaletteFilesTest::kind()
{
    QFETCH(QString, path);
    QTEST(ListFileKindOf(path), "kind");
}

void PaletteFilesTest::droppable_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("loads");
    QTest::newRow("cll") << "/p/list.cll" << true;
    QTest::newRow("CLL") << "/p/LIST.CLL" << false;
    QTest::newRow("gpl") << "/p/web.gpl" << true;
    QTest::newRow("GPL") << "/p/web.GPL" << false;
    QTest::newRow("aco is for the Load dialog") << "/p/web.aco" << false;
}

void PaletteFilesTest::droppable()
{
    QFETCH(QString, path);
    QTEST(IsDroppableListFile(path), "loads");
}

void PaletteFilesTest::paletteLoadTakesTheColoursNotThePath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("notice");
    const QStringList items{FormatListItemText(kSky), FormatListItemText(kRed),
                            FormatListItemText(kSky)};
    QTest::newRow("GIMP palette") << "in.gpl" << ExportListAsGimpPalette("in", items) << QString();
    QTest::newRow("GIMP palette with a bad row")
        << "bad.gpl" << ExportListAsGimpPalette("in", items) + "x\n"
        << "Line 8 of '" + m_dir.filePath("bad.gpl") + "' is not a color and was skipped:\rx";
    QTest::newRow("ACO") << "in.aco" << ExportListAsAco(items) << QString();
}

void PaletteFilesTest::paletteLoadTakesTheColoursNotThePath()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    const QString path = Write(name, data);
    ColourList list;
    Prefill(list);
    RecentLists recent(m_dir.filePath("default.cll"));
    const ListLoadResult result = LoadListOrPalette(path, list, &recent);
    QCOMPARE(result.status, ColourListLoadStatus::Loaded);
    QTEST(result.notice, "notice");
    QCOMPARE(Colours(list), (QList<ColorRef>{kSky, kRed}));
    QCOMPARE(result.mainColour, std::optional<ColorRef>(kRed));
    // No ".cll": the exit write must not go over the palette, nor over the old list.
    QCOMPARE(list.CurrentListPath(), QString());
    QVERIFY(!list.IsChanged());
    QCOMPARE(recent.paths(), QStringList{path});
}

void PaletteFilesTest::failedOrMissingPaletteChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<ColourListLoadStatus>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing palette")
        << "none.gpl" << QByteArray() << ColourListLoadStatus::Missing << QString();
    QTest::newRow("not a GIMP palette")
        << "list.gpl" << QByteArray("6,167,255             #06A7FF - FFA706\r\n")
        << ColourListLoadStatus::Failed
        << "The file '" + m_dir.filePath("list.gpl") + "' is not a GIMP palette.";
    QTest::newRow("not an ACO file")
        << "text.aco" << QByteArray("hello") << ColourListLoadStatus::Failed
        << "The file '" + m_dir.filePath("text.aco") + "' is not an ACO swatch file.";
}

void PaletteFilesTest::failedOrMissingPaletteChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, data);
    const QString path = data.isEmpty() ? m_dir.filePath(name) : Write(name, data);
    ColourList list;
    Prefill(list);
    RecentLists recent(m_dir.filePath("default.cll"));
    const ListLoadResult result = LoadListOrPalette(path, list, &recent);
    QTEST(result.status, "status");
    QTEST(result.error, "error");
    QCOMPARE(Colours(list), QList<ColorRef>{PackColour(10, 20, 30)});
    QCOMPARE(list.CurrentListPath(), "/lists/before.cll");
    QVERIFY(list.IsChanged());
    QCOMPARE(recent.count(), 0);
}

void PaletteFilesTest::colourListLoadsAsBefore()
{
    ColourList list;
    Prefill(list);
    const QString missing = m_dir.filePath("new.cll");
    QCOMPARE(LoadListOrPalette(missing, list).status, ColourListLoadStatus::Missing);
    QCOMPARE(list.CurrentListPath(), missing);
    QVERIFY(!list.IsChanged());

    const QString path = Write("web.cll", FormatListItemText(kSky).toLatin1() + "\r\n");
    const ListLoadResult result = LoadListOrPalette(path, list);
    QCOMPARE(result.status, ColourListLoadStatus::Loaded);
    QCOMPARE(Colours(list), QList<ColorRef>{kSky});
    QCOMPARE(list.CurrentListPath(), path);
}

QTEST_APPLESS_MAIN(PaletteFilesTest)
#include "tst_palettefiles.moc"
