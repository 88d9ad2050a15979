#include "support/MainWindowKit.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The name the X server holds for a window, as a taskbar reads it.
QString XWindowName(WId window)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("getwindowname"), QString::number(window)});
    if (!xdotool.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

// Qt adds the application's display name to every window title that does not
// already end with it, so the main window's title must be exactly the name.
class WindowTitleTest : public QObject
{
    Q_OBJECT
private slots:
    void taskbarReadsTheProgramName();
};

void WindowTitleTest::taskbarReadsTheProgramName()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("QB Kromi"));
    QTemporaryDir folder;
    MainWindowKit kit(folder.path() + QLatin1Char('/'));
    kit.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&kit.window));
    QVERIFY(kit.window.titleStrip()->caption().startsWith(QStringLiteral("QB Kromi 1.")));
    QTRY_COMPARE(XWindowName(kit.window.winId()), QStringLiteral("QB Kromi"));
}

QTEST_MAIN(WindowTitleTest)
#include "tst_x11_windowtitle.moc"
