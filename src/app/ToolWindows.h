#pragma once
// The tool windows, one row each in the order the start-up creates them: how
// each is made, where it comes back after the eye dropper has hidden it, and its
// steps in the shut-down sequence. Rows without a start-up step hold what the
// main window made and the shut-down steps of the colour list and the settings,
// so the whole shut-down sequence is read from this one table.

#include <vector>

class KromiApplication;
class QWidget;

struct ShutDownStep
{
    // The steps of all rows run by this number, lowest first.
    int order;
    // What the step writes, as KromiApplication::shutDownSteps() records it.
    const char* name;
    void (*run)(KromiApplication& app);
};

struct ToolWindowRow
{
    // The start-up step.
    const char* name;
    // nullptr: made before the tool windows.
    void (*create)(KromiApplication& app);
    // The eye dropper hides this window and shows it again, if it was showing, in
    // the place comesBack gives; nullptr and 0: the window stays.
    QWidget* (*window)(const KromiApplication& app);
    int comesBack;
    std::vector<ShutDownStep> shutDown;
};
