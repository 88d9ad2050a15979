#include "app/CommandLine.h"
#include "app/KromiApplication.h"
#include "app/SessionEnd.h"
#include "app/SingleInstance.h"
#include "platform/QtPlatform.h"
#include "platform/SessionPlatform.h"
#include "storage/ProgramDirectory.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // In a Wayland session the program runs through XWayland unless the user
    // chose a platform: its frameless windows place themselves, and the eye
    // dropper reads the screen.
    if (PreferXWayland(qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"),
                       QList<QByteArray>(argv, argv + argc)))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (const std::optional<int> status = RunCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QB Kromi"));
    const QString folder = ProgramDirectory();
    SingleInstance instance(folder);
    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    if (!instance.TakeLock()) {
        switch (instance.HandOver(QCoreApplication::arguments())) {
        case SingleInstance::HandOverResult::HandedOver:
            return 0;
        case SingleInstance::HandOverResult::NoAnswer:
            platform.messages.Information(nullptr, NoAnswerMessage(folder));
            return 1;
        case SingleInstance::HandOverResult::LockTaken:
            break;
        }
    }
    KromiApplication kromi(platform, folder);

    // First, so that a session end always runs the shut-down writes, also while a
    // start-up message is showing.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &kromi, [&] {
        qtPlatform.EndSession();
        kromi.EndSession();
    });
    QObject::connect(&kromi, &KromiApplication::started, &instance, &SingleInstance::SetReady);
    QObject::connect(&kromi, &KromiApplication::finished, &instance,
                     &SingleInstance::StopListening);
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &kromi,
                     &KromiApplication::OpenHandedOverList);

    instance.Listen();
    kromi.Start(QCoreApplication::arguments());
    return app.exec();
}
