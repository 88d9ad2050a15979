// A colour list's life across two runs, through the list features as the
// start-up and shut-down sequence calls them, in a temporary program folder.

#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "storage/RecentLists.h"
#include "storage/SettingsStore.h"
#include "support/FakePlatform.h"
#include "ui/AppContext.h"
#include "ui/ListFilesFeature.h"
#include "ui/ListPanel.h"
#include "ui/TForm1.h"
#include "ui/TForm13.h"

#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// One run of the program as far as the colour list is concerned.
struct Run
{
    explicit Run(const QString& folder)
        : platform(fake.platform()), recent(folder + QStringLiteral("default.cll")),
          window(platform, colour, folder), context{platform, settings, colour, list,
                                                    history,  recent,   folder}
    {
        QObject::connect(&colour, &MainColour::recorded, &history, &HistoryList::AddToHistory);
        context.mainWindow = &window;
        // Main window creation: settings, the list, then the display mode.
        settings.Load(folder + QStringLiteral("set.set"));
        panel = std::make_unique<ListPanel>(context);
        files = std::make_unique<ListFilesFeature>(context);
        files->ChooseStartupList();
        colour.ShowColour(PackColour(MainColour::kStartColour));
        panel->ApplySmallWheelSetting();
        files->CreateReopenWindow();
        window.show();
        files->LoadCommandLineList({QStringLiteral("qbkromi")});
    }

    void ShutDown(const QString& folder)
    {
        files->WriteLastListSetting();
        panel->WriteSmallWheelSetting();
        files->WriteListFilesAtExit();
        settings.Save(folder + QStringLiteral("set.set"));
        files->WriteColourListAtExit();
    }

    FakePlatform fake;
    Platform platform;
    SettingsStore settings;
    MainColour colour;
    ColourList list;
    HistoryList history;
    RecentLists recent;
    TForm1 window;
    AppContext context;
    std::unique_ptr<ListPanel> panel;
    std::unique_ptr<ListFilesFeature> files;
};

} // namespace

class ListEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void missingListsAtStartThenNewListAndExit();
};

void ListEndToEndTest::missingListsAtStartThenNewListAndExit()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    const QString deleted = folder + QStringLiteral("gone.cll");
    {
        QFile settings(folder + QStringLiteral("set.set"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("Settings\r\nlastcll=" + deleted.toLatin1() + "\r\nsmallwheel=1\r\n");
    }

    {
        Run first(folder);
        const auto& shown = first.fake.messages.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text,
                 QStringLiteral("The file '") + deleted +
                     QStringLiteral("' can not be found.\rLoading default color list."));
        QCOMPARE(shown[0].title, QStringLiteral("QB Kromi"));
        QCOMPARE(
            shown[1].text,
            QStringLiteral("Default color list can not be found.\r Creating a new color list."));
        QCOMPARE(first.list.count(), 0);
        QVERIFY(first.list.CurrentListPath().isEmpty());
        QVERIFY(first.panel->IsSmallMode());

        // New List on an unchanged list asks nothing; the user then adds two colours.
        QTest::keyClick(&first.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.size(), 2);
        QTest::keyClick(&first.window, Qt::Key_A, Qt::ControlModifier);
        first.colour.SetMainColour(PackColour(0, 0, 0));
        QTest::keyClick(&first.window, Qt::Key_A, Qt::ControlModifier);
        first.ShutDown(folder);
    }
    QCOMPARE(ReadFile(folder + QStringLiteral("default.cll")),
             QByteArray("6,167,255             #06A7FF - FFA706\r\n"
                        "0,0,0             #000000 - 000000\r\n"));
    const QByteArray settings = ReadFile(folder + QStringLiteral("set.set"));
    QVERIFY(!settings.contains("lastcll"));
    QVERIFY(settings.contains("\r\nsmallwheel=1\r\n"));
    QCOMPARE(ReadFile(folder + QStringLiteral("colorlist.cl1")), QByteArray());

    // The next start reads the default list back without a word.
    Run second(folder);
    QVERIFY(second.fake.messages.shown.isEmpty());
    QCOMPARE(second.list.count(), 2);
    QCOMPARE(second.list.item(1).text, QStringLiteral("0,0,0             #000000 - 000000"));
    QCOMPARE(second.list.CurrentListPath(), folder + QStringLiteral("default.cll"));
    QVERIFY(!second.list.IsChanged());
    QCOMPARE(second.recent.count(), 0);
    QCOMPARE(second.files->reopenWindow()->displayList()->model()->rowCount(), 0);
}

QTEST_MAIN(ListEndToEndTest)
#include "tst_listendtoend.moc"
