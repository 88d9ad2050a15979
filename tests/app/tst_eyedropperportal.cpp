#include "app/KromiApplication.h"
#include "platform/PortalColourPicker.h"
#include "support/FakePlatform.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

} // namespace

// The desktop portal's Screenshot interface as a portal offers it: PickColor
// makes the request object named by the caller and its handle_token, and the
// answer comes as that object's Response signal. This one answers at once, even
// before its reply, so only a caller listening beforehand hears it.
class FakeScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakeScreenshotPortal(const QDBusConnection& bus) : m_bus(bus) {}

    uint response = 0;
    QStringList tokens;

public slots:
    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options,
                              const QDBusMessage& message)
    {
        Q_UNUSED(parentWindow);
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        tokens << token;
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString handle =
            PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        QVariantMap results;
        if (response == 0) {
            QDBusArgument colour;
            colour.beginStructure();
            colour << 0.2 << 0.4 << 0.6;
            colour.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(colour));
        }
        QDBusMessage answer = QDBusMessage::createSignal(
            handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        answer << response << results;
        m_bus.send(answer);
        return QDBusObjectPath(handle);
    }

private:
    QDBusConnection m_bus;
};

class EyeDropperPortalTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void theDesktopPicksTheColour_data();
    void theDesktopPicksTheColour();

private:
    QProcess m_daemon;
    QString m_address;
};

void EyeDropperPortalTest::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed (package dbus)");
    m_daemon.start(daemon, {QStringLiteral("--session"), QStringLiteral("--print-address"),
                            QStringLiteral("--nofork")});
    QVERIFY(m_daemon.waitForStarted());
    while (!m_daemon.canReadLine())
        QVERIFY2(m_daemon.waitForReadyRead(10000), "dbus-daemon gave no address");
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void EyeDropperPortalTest::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
}

void EyeDropperPortalTest::theDesktopPicksTheColour_data()
{
    QTest::addColumn<bool>("portal");
    QTest::addColumn<uint>("response");
    QTest::addColumn<QString>("message");
    QTest::newRow("picked") << true << 0u << QString();
    QTest::newRow("cancelled") << true << 1u << QStringLiteral("cancelled");
    QTest::newRow("no portal") << false << 0u << QStringLiteral("not available");
}

void EyeDropperPortalTest::theDesktopPicksTheColour()
{
    QFETCH(bool, portal);
    QFETCH(uint, response);
    QFETCH(QString, message);
    QDBusConnection portalBus = QDBusConnection::connectToBus(m_address, QStringLiteral("portal"));
    FakeScreenshotPortal screenshot(portalBus);
    screenshot.response = response;
    if (portal) {
        QVERIFY(portalBus.registerObject(PortalPath, &screenshot, QDBusConnection::ExportAllSlots));
        QVERIFY(portalBus.registerService(PortalService));
    }
    // The screen of a Wayland session, and the real picker on the private bus.
    FakePlatform fake;
    fake.screen.canGrab = false;
    PortalColourPicker picker(QDBusConnection::connectToBus(m_address, QStringLiteral("program")));
    Platform platform{
        fake.messages,  fake.fileDialogs, fake.inputBox, fake.colourDialog,  fake.fontDialog,
        fake.clipboard, fake.screen,      fake.shell,    fake.windowControl, picker};
    QTemporaryDir dir;
    KromiApplication app(platform, dir.path() + QLatin1Char('/'));
    app.Start({});
    const Rgb before = app.mainColour().rgb();

    app.commands().Run(Command::EyeDropper);
    if (message.isEmpty()) {
        QTRY_COMPARE(app.mainColour().rgb(), (Rgb{51, 102, 153}));
        QCOMPARE(app.colourList().count(), 1);
        QCOMPARE(app.history().count(), 1);
        QCOMPARE(screenshot.tokens.size(), 1);
        QVERIFY(fake.messages.shown.isEmpty());
    } else {
        QTRY_COMPARE(fake.messages.shown.size(), 1);
        QVERIFY2(fake.messages.shown[0].text.contains(message),
                 qPrintable(fake.messages.shown[0].text));
        QCOMPARE(app.mainColour().rgb(), before);
        QCOMPARE(app.colourList().count(), 0);
        QCOMPARE(app.history().count(), 0);
    }

    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    QDBusConnection::disconnectFromBus(QStringLiteral("program"));
}

QTEST_MAIN(EyeDropperPortalTest)
#include "tst_eyedropperportal.moc"
