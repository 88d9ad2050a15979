#pragma once
// Work that arrives from outside (a list handed over by a later start, files
// dropped from a file manager) while a modal window is open waits until it is
// closed and the command that opened it has finished: a list loaded during Save
// As would otherwise be the one the dialog then writes over the chosen file.

#include <functional>

class QObject;

// Runs `action` at once when no modal window is open, else later from the event
// loop; never when `context` is gone by then.
void RunWhenNoModalWindow(QObject* context, std::function<void()> action);
