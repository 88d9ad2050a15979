#include "platform/PortalColourPicker.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

#include <cmath>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The request object the portal makes for a token: named after the caller's
// unique bus name without ":" and with "_" for ".".
QString RequestPath(const QDBusConnection& bus, const QString& token)
{
    QString sender = bus.baseService();
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return PortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

int PortalChannel(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::nearbyint(qBound(0.0, value, 1.0) * 255.0));
}

} // namespace

// One pick: listens for the Response of its request object, answers once, then
// deletes itself.
class PortalRequest : public QObject
{
    Q_OBJECT
public:
    PortalRequest(const QDBusConnection& bus, std::function<void(const PickedColour&)> done)
        : m_bus(bus), m_done(std::move(done))
    {
    }

    void Start(const QString& token)
    {
        // Listening before the call, so that an answer given at once is not missed.
        Listen(RequestPath(m_bus, token));
        QDBusMessage call = QDBusMessage::createMethodCall(
            PortalService, PortalPath, ScreenshotInterface, QStringLiteral("PickColor"));
        call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
        auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
        connect(
            watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                if (reply.isError()) {
                    Finish({PickedColour::Outcome::Unavailable, QColor(), reply.error().message()});
                    return;
                }
                // Portals older than handle_token name a request object of their own.
                if (!m_finished && reply.value().path() != m_path)
                    Listen(reply.value().path());
            });
    }

public slots:
    void OnResponse(uint response, const QVariantMap& results)
    {
        if (response == 1) {
            Finish({PickedColour::Outcome::Cancelled, QColor(), QString()});
            return;
        }
        const QVariant colour = results.value(QStringLiteral("color"));
        if (response != 0 || colour.userType() != qMetaTypeId<QDBusArgument>()) {
            Finish({PickedColour::Outcome::Refused, QColor(), QString()});
            return;
        }
        const QDBusArgument argument = colour.value<QDBusArgument>();
        if (argument.currentSignature() != QLatin1String("(ddd)")) {
            Finish({PickedColour::Outcome::Refused, QColor(), QString()});
            return;
        }
        double red = 0;
        double green = 0;
        double blue = 0;
        argument.beginStructure();
        argument >> red >> green >> blue;
        argument.endStructure();
        Finish({PickedColour::Outcome::Picked, PortalColourToColour(red, green, blue), QString()});
    }

private:
    void Listen(const QString& path)
    {
        if (!m_path.isEmpty())
            m_bus.disconnect(PortalService, m_path, RequestInterface, QStringLiteral("Response"),
                             this, SLOT(OnResponse(uint, QVariantMap)));
        m_path = path;
        m_bus.connect(PortalService, m_path, RequestInterface, QStringLiteral("Response"), this,
                      SLOT(OnResponse(uint, QVariantMap)));
    }

    void Finish(const PickedColour& result)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_bus.disconnect(PortalService, m_path, RequestInterface, QStringLiteral("Response"), this,
                         SLOT(OnResponse(uint, QVariantMap)));
        deleteLater();
        m_done(result);
    }

    QDBusConnection m_bus;
    std::function<void(const PickedColour&)> m_done;
    QString m_path;
    bool m_finished = false;
};

PortalColourPicker::PortalColourPicker() = default;

PortalColourPicker::PortalColourPicker(const QDBusConnection& bus) : m_bus(bus) {}

void PortalColourPicker::PickColour(std::function<void(const PickedColour&)> done)
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected()) {
        QString reason = m_bus->lastError().message();
        if (reason.isEmpty())
            reason = QStringLiteral("no session bus");
        QTimer::singleShot(0, [done = std::move(done), reason] {
            done({PickedColour::Outcome::Unavailable, QColor(), reason});
        });
        return;
    }
    // Unique per pick within this connection, as the portal asks of tokens.
    const QString token = QStringLiteral("qbkromi%1").arg(++m_requests);
    auto* request = new PortalRequest(*m_bus, std::move(done));
    request->Start(token);
}

QColor PortalColourToColour(double red, double green, double blue)
{
    return QColor(PortalChannel(red), PortalChannel(green), PortalChannel(blue));
}

#include "PortalColourPicker.moc"
