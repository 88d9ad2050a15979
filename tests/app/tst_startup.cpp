#include "app/KromiApplication.h"
#include "support/FakePlatform.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/SplashWindow.h"
#include "ui/windows/TipWindow.h"

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
    void unreadableSettingsAreReportedAndLeftAlone();
    void shutDownWritesTheKeysInOrder();
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
                          "main window position", "main window", "Eye Dropper", "Reopen", "History",
                          "About", "Copy", "pause"}));
    QCOMPARE(KromiApplication::kSplashPauseMs, 1000);
    QSignalSpy started(app.get(), &KromiApplication::started);
    QVERIFY(started.wait(3000));
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
    QTest::newRow("no settings, 1280 x 1024")
        << QSize(1280, 1024) << QByteArray() << QPoint(216, 158);
    QTest::newRow("no settings, 800 x 600") << QSize(800, 600) << QByteArray() << QPoint(155, 2);
    QTest::newRow("delivered settings, 1024 x 768")
        << QSize(1024, 768) << QByteArray("Settings\r\nhelp=help/qbkromi-help.html\r\n")
        << QPoint(159, 4);
    QTest::newRow("1152 x 864") << QSize(1152, 864) << QByteArray() << QPoint(167, 20);
    QTest::newRow("saved place wins")
        << QSize(800, 600) << QByteArray("Settings\r\n1.left=300\r\n1.top=301\r\n")
        << QPoint(300, 301);
}

void StartupTest::firstStartPlacement()
{
    QFETCH(QSize, screen);
    QFETCH(QByteArray, settings);
    QFETCH(QPoint, place);
    m_fake.screen.screenSize = screen;
    if (!settings.isEmpty())
        WriteSettings(settings);
    auto app = StartApp();
    QCOMPARE(app->mainWindow()->pos(), place);
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
    QSignalSpy finished(app.get(), &KromiApplication::finished);
    app->mainWindow()->close();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(ReadSettings(),
             QByteArray("Settings\r\ncopy.left=298\r\ncopy.top=182\r\n"
                        "copy.prew=0\r\n1.left=-5\r\n1.top=33\r\nsmallwheel=0\r\n"));
    app->ShutDown(); // runs once only
    QCOMPARE(finished.size(), 1);
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
