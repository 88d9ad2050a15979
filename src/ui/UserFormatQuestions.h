#pragma once
// The questions of the Copy window about the user's own text formats: a name and
// a template, asked through the platform's input box. A template with an
// unknown placeholder is refused with the placeholder named and asked again.

#include "colour/TextTemplate.h"
#include "platform/Platform.h"

#include <QStringList>

#include <optional>

class QWidget;

// Asks for a format, starting from `initial` (empty for a new one). `takenNames`
// are the captions no other format may have. Empty when the user cancels.
std::optional<UserTextFormat> AskUserTextFormat(Platform& platform, QWidget* parent,
                                                const UserTextFormat& initial,
                                                const QStringList& takenNames);
