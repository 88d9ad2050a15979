#include "ui/features/HistoryFeature.h"

#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/HistoryFile.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/widgets/HistoryView.h"
#include "ui/windows/HistoryWindow.h"

HistoryFeature::HistoryFeature(AppContext& context)
    : m_context(context),
      m_window(std::make_unique<HistoryWindow>(context.mainWindow, context.platform,
                                               context.settings, context.mainColour,
                                               context.history, context.commands, context.tip))
{
    LoadHistoryFile();
    context.commands.Handle(Command::Undo, this, [this] { Undo(); });
    context.commands.Handle(Command::Redo, this, [this] { Redo(); });
}

HistoryFeature::~HistoryFeature() = default;

QString HistoryFeature::historyFilePath() const
{
    return m_context.programDirectory + QStringLiteral("history.cl2");
}

void HistoryFeature::LoadHistoryFile()
{
    const HistoryFileContent content = LoadHistory(historyFilePath(), m_context.history);
    m_fileUnread = content.unreadable;
    if (!content.error.isEmpty())
        m_context.platform.messages.Information(nullptr, content.error);
    if (!content.colours.empty())
        m_context.mainColour.ShowColour(content.colours.back());
}

void HistoryFeature::Undo()
{
    ShowStep(true);
}

void HistoryFeature::Redo()
{
    ShowStep(false);
}

void HistoryFeature::ShowStep(bool back)
{
    m_window->ShowForStep();
    HistoryList& history = m_context.history;
    const ColorRef shown = m_context.mainColour.colour();
    if (const std::optional<ColorRef> colour = back ? history.Undo(shown) : history.Redo(shown))
        m_context.mainColour.ShowColour(*colour);
    m_window->historyView()->ShowStep(history.CurrentStep());
}

bool HistoryFeature::WriteHistoryFile()
{
    // A file that could not be read would lose every entry it holds.
    if (m_fileUnread)
        return false;
    return SaveHistory(historyFilePath(), m_context.history).ok;
}
