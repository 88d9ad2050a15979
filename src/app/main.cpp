#include "platform/QtPlatform.h"
#include "state/MainColour.h"
#include "ui/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QB Kromi"));
    QtPlatform platform;
    Platform desktop = platform.platform();
    MainColour mainColour;
    TForm1 mainWindow(desktop, mainColour, QCoreApplication::applicationDirPath());
    mainWindow.move(216, 158);
    mainWindow.show();
    return app.exec();
}
