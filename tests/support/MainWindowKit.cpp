#include "support/MainWindowKit.h"

MainWindowKit::MainWindowKit(const QString& folder)
    : platform(fake.platform()), recent(folder + QStringLiteral("default.cll")),
      tip(platform.screen),
      window(platform, colour, folder, commands), context{platform, settings, colour, list, history,
                                                          recent,   commands, window, tip,  folder}
{
    QObject::connect(&colour, &MainColour::recorded, &history, &HistoryList::AddToHistory);
}

void MainWindowKit::RecordUnhandledCommands()
{
    for (int i = int(Command::None) + 1; i < int(Command::Count); ++i) {
        const auto command = Command(i);
        if (!commands.IsHandled(command))
            commands.Handle(command, &recorder, [this, command] { ran << command; });
    }
}
