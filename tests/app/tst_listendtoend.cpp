// A colour list's life across two runs of the start-up and shut-down sequence,
// in a temporary program folder.

#include "app/KromiApplication.h"
#include "support/FakePlatform.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ReopenWindow.h"

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

// One run of the program on fake desktop operations, in its program folder.
struct Run
{
    explicit Run(const QString& folder) : platform(fake.platform()), app(platform, folder)
    {
        app.Start({QStringLiteral("qbkromi")});
    }

    FakePlatform fake;
    Platform platform;
    KromiApplication app;
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
        QCOMPARE(first.app.colourList().count(), 0);
        QVERIFY(first.app.colourList().CurrentListPath().isEmpty());
        QVERIFY(first.app.listPanel()->IsSmallMode());

        // New List on an unchanged list asks nothing; the user then adds two colours.
        QTest::keyClick(first.app.mainWindow(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.size(), 2);
        QTest::keyClick(first.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        first.app.mainColour().SetMainColour(PackColour(0, 0, 0));
        QTest::keyClick(first.app.mainWindow(), Qt::Key_A, Qt::ControlModifier);
        first.app.ShutDown();
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
    QCOMPARE(second.app.colourList().count(), 2);
    QCOMPARE(second.app.colourList().item(1).text,
             QStringLiteral("0,0,0             #000000 - 000000"));
    QCOMPARE(second.app.colourList().CurrentListPath(), folder + QStringLiteral("default.cll"));
    QVERIFY(!second.app.colourList().IsChanged());
    QCOMPARE(second.app.recentLists().count(), 0);
    QCOMPARE(second.app.listFiles()->reopenWindow()->displayList()->model()->rowCount(), 0);
}

QTEST_MAIN(ListEndToEndTest)
#include "tst_listendtoend.moc"
