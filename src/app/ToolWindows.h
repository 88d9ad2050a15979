#pragma once
// The tool windows, one row each in the order the start-up creates them: how
// each is made, where it comes back after the eye dropper has hidden it, and its
// steps in the shut-down sequence. Rows without a start-up step hold what the
// main window made and the shut-down steps of the colour list and the settings,
// so the whole shut-down sequence is read from this one table. The Tip window,
// made before the main window, neither steps aside nor writes and has no row.

#include <memory>
#include <vector>

class AboutWindow;
class CopyFeature;
class EyeDropperFeature;
class HistoryFeature;
class KromiApplication;
class QWidget;
class ShapeTestFeature;
class VariationsFeature;
class WebPageTestFeature;

// What the rows create. Made and destroyed where their types are complete.
struct ToolWindowObjects
{
    ToolWindowObjects();
    ~ToolWindowObjects();

    std::unique_ptr<EyeDropperFeature> eyeDropper;
    std::unique_ptr<ShapeTestFeature> shapeTest;
    std::unique_ptr<WebPageTestFeature> webPageTest;
    std::unique_ptr<HistoryFeature> history;
    std::unique_ptr<AboutWindow> about;
    std::unique_ptr<VariationsFeature> variations;
    std::unique_ptr<CopyFeature> copy;
};

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
