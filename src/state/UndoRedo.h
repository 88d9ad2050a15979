#pragma once
// Stepping back and forth through the recorded colours (Undo and Redo).
//
// The current step is an index into the history, -1 when there is none (empty
// history, or every entry up to it was deleted). The rules:
// - Undo moves to the nearest earlier entry, Redo to the nearest later one. What
//   they reach becomes the main colour but is NOT recorded again, so stepping never
//   changes the history.
// - When the colour on screen is given (`shown`), entries of that very colour are
//   passed over, so every Undo or Redo visibly changes the colour (committing the
//   same colour twice records it twice, and one press should not be swallowed).
// - At either end nothing happens: the result is empty and the step stays.
// - Recording a colour always appends at the end and makes the new last entry the
//   current step, also after an Undo: the history is never trimmed, so the colours
//   stepped over stay reachable by Undo from the end.
// - Deleting entries keeps the step on the same entry; when that entry itself goes,
//   the step falls back to the nearest earlier survivor (-1 when none is left).

#include "colour/ColourValues.h"

#include <optional>
#include <vector>

// The step Undo reaches from `current`, or nothing at the oldest end.
std::optional<int> UndoStep(const std::vector<ColorRef>& colours, int current,
                            std::optional<ColorRef> shown = std::nullopt);
// The step Redo reaches from `current`, or nothing at the newest end.
std::optional<int> RedoStep(const std::vector<ColorRef>& colours, int current,
                            std::optional<ColorRef> shown = std::nullopt);
// The step after the rows `removed` (ascending, no repeats) were deleted.
int StepAfterRemoval(int current, const std::vector<int>& removed);
