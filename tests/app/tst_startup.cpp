#include "app/KromiApplication.h"
#include "support/FakePlatform.h"
#include "ui/features/CopyFeature.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/features/ShapeTestFeature.h"
#include "ui/features/WebPageTestFeature.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ShapeTestWindow.h"
#include "ui/windows/SplashWindow.h"
#include "ui/windows/TipWindow.h"
#include "ui/windows/WebPageTestWindow.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void stepsRunInOrderAndTheSplashWaits();
    void firstStartPlacement_data();
    void firstStartPlacement();
    void savedPositionIsUsedAndWrittenBack();
    void badPositionIsReportedAndTheRestApplies();
    void longValuesAreCutInMessages_data();
    void longValuesAreCutInMessages();
    void positionsOutOfReachArePulledBack_data();
    void positionsOutOfReachArePulledBack();
    void unreadableSettingsAreReportedAndLeftAlone();
    void shutDownWritesTheKeysInOrder();
    void theEyeDropperHidesTheToolWindowsInTheirOrder();
    void helpMenu();
    void historyGivesTheStartColourAndIsWrittenBack();

private:
    void WriteSettings(const QByteArray& content);
    QByteArray ReadSettings() const;
    std::unique_ptr<KromiApplication> StartApp();

    std::unique_ptr<QTemporaryDir> m_dir;
    FakePlatform m_fake;
    std::unique_ptr<Platform> m_platform;
};

void StartupTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_fake.messages.shown.clear();
    m_fake.screen.screenSize = QSize(1280, 1024);
    m_platform = std::make_unique<Platform>(m_fake.platform());
}

void StartupTest::WriteSettings(const QByteArray& content)
{
    QFile file(m_dir->filePath(QStringLiteral("set.set")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray StartupTest::ReadSettings() const
{
    QFile file(m_dir->filePath(QStringLiteral("set.set")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<KromiApplication> StartupTest::StartApp()
{
    auto app = std::make_unique<KromiApplication>(*m_platform, m_dir->path() + QLatin1Char('/'));
    app->Start({});
    return app;
}

void StartupTest::stepsRunInOrderAndTheSplashWaits()
{
    auto app = StartApp();
    QVERIFY(app->IsStartupFinished());
    QVERIFY(app->splashWindow()->isVisible());
    QVERIFY(!app->mainWindow()->isVisible());
    QCOMPARE(app->startupSteps(),
             (QStringList{"splash shown", "Tip", "settings", "colour list", "start colour",
                          "main window position", "main window", "Eye Dropper", "Shape Test",
                          "Web Page Test", "Reopen", "History", "About", "Variations", "Copy",
                          "pause"}));
    QVERIFY(app->splashPause().isActive());
    QCOMPARE(app->splashPause().interval(), 1000);
    QSignalSpy started(app.get(), &KromiApplication::started);
    app->splashPause().setInterval(0);
    QVERIFY(started.wait());
    QCOMPARE(app->startupSteps().last(), QStringLiteral("splash released"));
    QVERIFY(!app->splashWindow());
    QVERIFY(app->mainWindow()->isVisible());
    QCOMPARE(app->mainColour().rgb(), (Rgb{6, 167, 255}));
    QVERIFY(m_fake.messages.shown.isEmpty());
}

void StartupTest::firstStartPlacement_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QPoint>("shapeTestPlace");
    QTest::addColumn<QPoint>("webPlace");
    QTest::newRow("no settings, 1280 x 1024")
        << QSize(1280, 1024) << QByteArray() << QPoint(216, 158) << QPoint(267, 104)
        << QPoint(242, 337);
    QTest::newRow("no settings, 800 x 600")
        << QSize(800, 600) << QByteArray() << QPoint(155, 2) << QPoint(216, 218) << QPoint(5, 236);
    QTest::newRow("delivered settings, 1024 x 768")
        << QSize(1024, 768) << QByteArray("Settings\r\nhelp=help/qbkromi-help.html\r\n")
        << QPoint(159, 4) << QPoint(432, 290) << QPoint(5, 404);
    QTest::newRow("1152 x 864") << QSize(1152, 864) << QByteArray() << QPoint(167, 20)
                                << QPoint(561, 216) << QPoint(39, 433);
    QTest::newRow("saved place wins")
        << QSize(800, 600) << QByteArray("Settings\r\n1.left=300\r\n1.top=301\r\nshp.left=5\r\n")
        << QPoint(300, 301) << QPoint(5, 104) << QPoint(242, 337);
}

void StartupTest::firstStartPlacement()
{
    QFETCH(QSize, screen);
    QFETCH(QByteArray, settings);
    QFETCH(QPoint, place);
    QFETCH(QPoint, shapeTestPlace);
    QFETCH(QPoint, webPlace);
    m_fake.screen.screenSize = screen;
    if (!settings.isEmpty())
        WriteSettings(settings);
    auto app = StartApp();
    QCOMPARE(app->mainWindow()->pos(), place);
    QCOMPARE(app->shapeTest()->window()->pos(), shapeTestPlace);
    QCOMPARE(app->webPageTest()->window()->pos(), webPlace);
}

void StartupTest::savedPositionIsUsedAndWrittenBack()
{
    WriteSettings("Settings\nhelp=help/qbkromi-help.html\n1.left=10\n1.top=20\nsmallwheel=1\n");
    auto app = StartApp();
    QCOMPARE(app->mainWindow()->pos(), QPoint(10, 20));
    app->ShutDown();
    const QByteArray written = ReadSettings();
    QVERIFY(written.startsWith("Settings\r\nhelp=help/qbkromi-help.html\r\n"));
    QVERIFY(written.contains("\r\n1.left=10\r\n1.top=20\r\n"));
}

void StartupTest::badPositionIsReportedAndTheRestApplies()
{
    WriteSettings("Settings\r\n1.left=abc\r\n1.top=77\r\n");
    auto app = StartApp();
    QCOMPARE(m_fake.messages.shown.size(), 1);
    QCOMPARE(m_fake.messages.shown[0].text, QStringLiteral("'abc' is not a valid integer value"));
    QCOMPARE(app->mainWindow()->pos(), QPoint(216, 77));
}

void StartupTest::longValuesAreCutInMessages_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("message"); // %1: the value cut to 200 characters and "..."
    QTest::newRow("position") << QByteArray("1.left") << "'%1' is not a valid integer value";
    QTest::newRow("lastcll") << QByteArray("lastcll")
                             << "The file '%1' can not be found.\rLoading default color list.";
}

// A value of 100 KB would give a box whose OK button is off the screen.
void StartupTest::longValuesAreCutInMessages()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, message);
    const QByteArray value(100000, '7');
    WriteSettings("Settings\r\n" + key + "=" + value + "\r\n");
    auto app = StartApp();
    QVERIFY(!m_fake.messages.shown.isEmpty());
    QCOMPARE(m_fake.messages.shown[0].text, message.arg(QString(200, '7') + "..."));
}

void StartupTest::positionsOutOfReachArePulledBack_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QPoint>("main");
    QTest::addColumn<QPoint>("copy");
    // The fake screen is 1280 x 1024; 40 pixels of a title strip are enough to grab.
    QTest::newRow("on the screen") << QByteArray("1.left=-100\r\n1.top=1008\r\ncopy.left=1240")
                                   << QPoint(-100, 1008) << QPoint(1240, 182);
    QTest::newRow("right and below")
        << QByteArray("1.left=5000\r\n1.top=5000\r\ncopy.left=1241\r\ncopy.top=1009")
        << QPoint(1240, 1008) << QPoint(1240, 1008);
    QTest::newRow("left and above") << QByteArray("1.left=-5000\r\n1.top=-1\r\ncopy.top=-50")
                                    << QPoint(40 - 504, 0) << QPoint(298, 0);
}

void StartupTest::positionsOutOfReachArePulledBack()
{
    QFETCH(QByteArray, settings);
    QFETCH(QPoint, main);
    QFETCH(QPoint, copy);
    WriteSettings("Settings\r\n" + settings + "\r\n");
    auto app = StartApp();
    QVERIFY(m_fake.messages.shown.isEmpty());
    QCOMPARE(app->mainWindow()->pos(), main);
    QCOMPARE(app->copyFeature()->window()->pos(), copy);
}

void StartupTest::unreadableSettingsAreReportedAndLeftAlone()
{
    // A folder in place of the file cannot be read, even by the administrator.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("set.set")));
    auto app = StartApp();
    QCOMPARE(m_fake.messages.shown.size(), 1);
    QVERIFY(m_fake.messages.shown[0].text.startsWith(QStringLiteral("Cannot open file ")));
    QVERIFY(m_fake.messages.shown[0].text.endsWith(QStringLiteral("set.set")));
    app->ShutDown();
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("set.set"))).isDir());
}

void StartupTest::shutDownWritesTheKeysInOrder()
{
    auto app = StartApp();
    app->mainWindow()->move(-5, 33);
    app->shapeTest()->window()->move(7, 8);
    QSignalSpy finished(app.get(), &KromiApplication::finished);
    app->mainWindow()->close();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(
        ReadSettings(),
        QByteArray("Settings\r\nshowtext=0\r\ncopy.left=298\r\ncopy.top=182\r\n"
                   "var.left=347\r\nvar.top=235\r\ncopy.prew=0\r\n1.left=-5\r\n1.top=33\r\n"
                   "shp.left=7\r\nshp.top=8\r\nweb.left=242\r\nweb.top=337\r\nsmallwheel=0\r\n"));
    // The files come after the keys, the settings file last but one.
    QCOMPARE(
        app->shutDownSteps(),
        (QStringList{"scheme list released", "showtext", "copy.left copy.top", "var.left var.top",
                     "copy.prew", "1.left 1.top", "shp.left shp.top", "web.left web.top", "lastcll",
                     "smallwheel", "colorlist.cl1", "history.cl2", "set.set", "colour list"}));
    app->ShutDown(); // runs once only
    QCOMPARE(finished.size(), 1);
}

void StartupTest::theEyeDropperHidesTheToolWindowsInTheirOrder()
{
    auto app = StartApp();
    QStringList classes;
    for (const QPointer<QWidget>& window : app->eyeDropper()->toolWindows())
        classes << QLatin1String(window->metaObject()->className());
    // The order in which they come back.
    QCOMPARE(classes, (QStringList{"VariationsWindow", "WheelStyleWindow", "ShapeTestWindow",
                                   "WebPageTestWindow", "ReopenWindow", "HistoryWindow"}));
}

void StartupTest::helpMenu()
{
    auto app = StartApp();
    QMenu* menu = app->helpMenu();
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 11);
    QCOMPARE(actions[0]->text(), QStringLiteral("&Open Help Documents"));
    QVERIFY(actions[1]->isSeparator());
    actions[0]->trigger();
    QCOMPARE(m_fake.messages.shown.last().text, QStringLiteral("Help files can not be found."));
    actions[2]->trigger();
    QVERIFY(app->tipWindow()->isVisible());
    QVERIFY(app->tipWindow()->TipText().startsWith(actions[2]->text().remove(QLatin1Char('&'))));
}

void StartupTest::historyGivesTheStartColourAndIsWrittenBack()
{
    QFile history(m_dir->filePath(QStringLiteral("history.cl2")));
    QVERIFY(history.open(QIODevice::WriteOnly));
    history.write("0,0,0 - #000000\r\n51,102,153 - #336699\r\n");
    history.close();
    auto app = StartApp();
    QCOMPARE(app->mainColour().rgb(), (Rgb{51, 102, 153}));
    QVERIFY(app->mainColour().isWebSafe());
    app->mainColour().MakeWebsafe(); // a commit appends
    app->ShutDown();
    QVERIFY(history.open(QIODevice::ReadOnly));
    QCOMPARE(history.readAll(),
             QByteArray("0,0,0 - #000000\r\n51,102,153 - #336699\r\n51,102,153 - #336699\r\n"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
