#include "support/MainWindowKit.h"

MainWindowKit::MainWindowKit(const QString& folder)
    : platform(fake.platform()), recent(folder + QStringLiteral("default.cll")),
      window(platform, colour, folder),
      context{platform, settings, colour, list, history, recent, folder}
{
    QObject::connect(&colour, &MainColour::recorded, &history, &HistoryList::AddToHistory);
    context.mainWindow = &window;
}
