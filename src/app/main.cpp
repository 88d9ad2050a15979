#include "app/KromiApplication.h"
#include "app/SessionEnd.h"
#include "app/SingleInstance.h"
#include "platform/QtPlatform.h"
#include "storage/ProgramDirectory.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QB Kromi"));
    const QString folder = ProgramDirectory();
    SingleInstance instance(folder);
    if (!instance.TakeLock()) {
        if (instance.HandOver(QCoreApplication::arguments()))
            return 0;
        std::fprintf(stderr, "QB Kromi is running in %s but does not answer.\n",
                     qPrintable(folder));
        return 1;
    }
    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    KromiApplication kromi(platform, folder);

    // First, so that a session end always runs the shut-down writes, also while a
    // start-up message is showing.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &kromi, [&] {
        qtPlatform.EndSession();
        kromi.EndSession();
    });
    QObject::connect(&kromi, &KromiApplication::started, &instance, &SingleInstance::Listen);
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &kromi,
                     &KromiApplication::OpenHandedOverList);

    kromi.Start(QCoreApplication::arguments());
    return app.exec();
}
