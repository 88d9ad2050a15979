#include "app/KromiApplication.h"
#include "platform/QtPlatform.h"
#include "platform/SessionPlatform.h"
#include "storage/ProgramDirectory.h"
#include "ui/windows/MainWindow.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void OnTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char* argv[])
{
    // In a Wayland session the program runs through XWayland unless the user
    // chose a platform: its frameless windows place themselves, and the eye
    // dropper reads the screen.
    if (PreferXWayland(qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"),
                       QList<QByteArray>(argv, argv + argc)))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QB Kromi"));
    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    KromiApplication kromi(platform, ProgramDirectory());

    // A session ending (SIGTERM, SIGHUP) closes the main window in order, so the
    // list, the history and the settings are written as at a normal exit.
    std::unique_ptr<QSocketNotifier> terminateNotifier;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        terminateNotifier =
            std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
        QObject::connect(terminateNotifier.get(), &QSocketNotifier::activated, &kromi, [&kromi] {
            char byte;
            [[maybe_unused]] const auto read = ::read(g_signalPipe[0], &byte, 1);
            kromi.mainWindow()->close();
        });
        std::signal(SIGTERM, OnTerminate);
        std::signal(SIGHUP, OnTerminate);
    }

    kromi.Start(QCoreApplication::arguments());
    return app.exec();
}
