#include "state/UndoRedo.h"

#include <algorithm>

std::optional<int> UndoStep(const std::vector<ColorRef>& colours, int current,
                            std::optional<ColorRef> shown)
{
    const int count = int(colours.size());
    for (int i = std::min(current, count) - 1; i >= 0; --i) {
        if (!shown || colours[std::size_t(i)] != *shown)
            return i;
    }
    return std::nullopt;
}

std::optional<int> RedoStep(const std::vector<ColorRef>& colours, int current,
                            std::optional<ColorRef> shown)
{
    const int count = int(colours.size());
    for (int i = std::max(current, -1) + 1; i < count; ++i) {
        if (!shown || colours[std::size_t(i)] != *shown)
            return i;
    }
    return std::nullopt;
}

int StepAfterRemoval(int current, const std::vector<int>& removed)
{
    if (current < 0)
        return current;
    const auto before = std::lower_bound(removed.begin(), removed.end(), current);
    const bool itself = before != removed.end() && *before == current;
    return current - int(before - removed.begin()) - (itself ? 1 : 0);
}
