#pragma once
// The confirmation every destructive command asks before it acts.

#include "platform/MessageBoxes.h"

#include <QString>

// Asks `question` in a Yes/No box titled `title` (question icon); runs `act` on Yes.
template <typename Action>
void ConfirmThen(MessageBoxes& messages, QWidget* parent, const QString& question,
                 const QString& title, Action&& act)
{
    if (messages.Question(parent, question, title))
        act();
}
