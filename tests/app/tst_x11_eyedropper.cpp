#include "app/KromiApplication.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/windows/EyeDropperWindow.h"
#include "ui/windows/MainWindow.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The real screen of an X server: a colour shown by a window of its own is picked
// with the pointer moved and clicked through XTest.
class X11EyeDropperTest : public QObject
{
    Q_OBJECT
private slots:
    void aColourOnTheScreenBecomesTheMainColour();

private:
    static void XdoTool(const QStringList& arguments);
};

void X11EyeDropperTest::XdoTool(const QStringList& arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}

void X11EyeDropperTest::aColourOnTheScreenBecomesTheMainColour()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    const QColor shown(37, 142, 201);
    QWidget patch(nullptr, Qt::FramelessWindowHint);
    QPalette fill = patch.palette();
    fill.setColor(QPalette::Window, shown);
    patch.setPalette(fill);
    patch.setAutoFillBackground(true);
    // Away from where the program's windows stand.
    patch.setGeometry(900, 700, 200, 150);
    patch.show();
    QVERIFY(QTest::qWaitForWindowExposed(&patch));

    QtPlatform qtPlatform;
    const Platform real = qtPlatform.platform();
    FakePlatform fake;
    Platform platform{fake.messages,      fake.fileDialogs, fake.inputBox, fake.colourDialog,
                      fake.fontDialog,    fake.clipboard,   real.screen,   fake.shell,
                      real.windowControl, fake.colourPicker};
    QTemporaryDir dir;
    KromiApplication app(platform, dir.path() + QLatin1Char('/'));
    QSignalSpy started(&app, &KromiApplication::started);
    app.Start({});
    app.splashPause().setInterval(0);
    QVERIFY(started.wait());
    QVERIFY(QTest::qWaitForWindowExposed(app.mainWindow()));

    app.commands().Run(Command::EyeDropper);
    EyeDropperWindow* dropper = app.eyeDropper()->window();
    QTRY_VERIFY(dropper->IsOpen());
    QVERIFY(QTest::qWaitForWindowExposed(dropper));
    QVERIFY(!app.mainWindow()->isVisible());
    // The picture is frozen: what the screen showed at opening is what is picked.
    patch.hide();

    XdoTool({QStringLiteral("mousemove"), QStringLiteral("1000"), QStringLiteral("775")});
    QTRY_COMPARE(dropper->sampledColour().value_or(0), PackColour(37, 142, 201));
    XdoTool({QStringLiteral("click"), QStringLiteral("1")});
    QTRY_COMPARE(app.mainColour().rgb(), (Rgb{37, 142, 201}));
    QTRY_VERIFY(!dropper->isVisible());
    QVERIFY(app.mainWindow()->isVisible());
    QCOMPARE(app.colourList().count(), 1);
    QVERIFY(fake.messages.shown.isEmpty());
}

QTEST_MAIN(X11EyeDropperTest)
#include "tst_x11_eyedropper.moc"
