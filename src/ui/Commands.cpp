#include "ui/Commands.h"

#include <QtGlobal>

void CommandTable::Handle(Command command, const QObject* owner, Handler handler)
{
    Entry& entry = m_entries[std::size_t(command)];
    Q_ASSERT_X(!entry.owner, "CommandTable::Handle", "command registered twice");
    entry.owner = owner;
    entry.handler = std::move(handler);
}

bool CommandTable::IsHandled(Command command) const
{
    return !m_entries[std::size_t(command)].owner.isNull();
}

void CommandTable::Run(Command command) const
{
    if (command == Command::None)
        return;
    const Entry& entry = m_entries[std::size_t(command)];
    if (entry.owner.isNull()) {
#ifndef QT_NO_DEBUG
        qWarning("Command %d has no handler", int(command));
#endif
        return;
    }
    entry.handler();
}
