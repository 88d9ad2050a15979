#include "app/ToolWindows.h"

#include "app/KromiApplication.h"
#include "ui/features/CopyFeature.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/features/HistoryFeature.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/features/ShapeTestFeature.h"
#include "ui/features/VariationsFeature.h"
#include "ui/features/WebPageTestFeature.h"
#include "ui/features/WindowPlacement.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/HistoryWindow.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ReopenWindow.h"
#include "ui/windows/ShapeTestWindow.h"
#include "ui/windows/SplashWindow.h"
#include "ui/windows/VariationsWindow.h"
#include "ui/windows/WebPageTestWindow.h"
#include "ui/windows/WheelStyleWindow.h"

#include <QWidget>

using App = KromiApplication;

ToolWindowObjects::ToolWindowObjects() = default;
ToolWindowObjects::~ToolWindowObjects() = default;

const std::vector<ToolWindowRow>& KromiApplication::ToolWindows()
{
    // Writes at exit never ask and never report; a failed one is skipped.
    static const std::vector<ToolWindowRow> table{
        {"Main window",
         nullptr,
         nullptr,
         0,
         {{60, "1.left 1.top",
           [](App& a) { WritePositionKeys(a.m_settings, *a.m_mainWindow, "1.left", "1.top"); }}}},
        {"Colour list",
         nullptr,
         nullptr,
         0,
         {{90, "lastcll", [](App& a) { a.m_listFiles->WriteLastListSetting(); }},
          {100, "smallwheel", [](App& a) { a.m_listPanel->WriteSmallWheelSetting(); }},
          {110, "colorlist.cl1", [](App& a) { a.m_listFiles->WriteListFilesAtExit(); }},
          {140, "colour list", [](App& a) { a.m_listFiles->WriteColourListAtExit(); }}}},
        {"Settings",
         nullptr,
         nullptr,
         0,
         {{130, "set.set", [](App& a) { a.m_settings.Save(a.FilePath("set.set")); }}}},
        {"Eye Dropper",
         [](App& a) { a.m_tools.eyeDropper = std::make_unique<EyeDropperFeature>(*a.m_context); },
         nullptr,
         0,
         {}},
        {"Shape Test",
         [](App& a) {
             a.m_tools.shapeTest = std::make_unique<ShapeTestFeature>(*a.m_context, a.m_firstStart);
         },
         [](const App& a) -> QWidget* { return a.m_tools.shapeTest->window(); },
         3,
         {{10, "scheme list released", [](App& a) { a.m_tools.shapeTest->ReleaseSchemeList(); }},
          {20, "showtext", [](App& a) { a.m_tools.shapeTest->WriteShowTextSetting(); }},
          {70, "shp.left shp.top", [](App& a) { a.m_tools.shapeTest->WritePositionSettings(); }}}},
        {"Load Wheel Style",
         nullptr,
         [](const App& a) -> QWidget* { return a.m_mainWindow->wheelStyleWindow(); },
         2,
         {}},
        {"Web Page Test",
         [](App& a) {
             a.m_tools.webPageTest =
                 std::make_unique<WebPageTestFeature>(*a.m_context, a.m_firstStart);
         },
         [](const App& a) -> QWidget* { return a.m_tools.webPageTest->window(); },
         4,
         {{80, "web.left web.top",
           [](App& a) { a.m_tools.webPageTest->WritePositionSettings(); }}}},
        {"Reopen",
         [](App& a) { a.m_listFiles->CreateReopenWindow(); },
         [](const App& a) -> QWidget* { return a.m_listFiles->reopenWindow(); },
         5,
         {}},
        // Restores "history.cl2": its last colour becomes the main colour.
        {"History",
         [](App& a) { a.m_tools.history = std::make_unique<HistoryFeature>(*a.m_context); },
         [](const App& a) -> QWidget* { return a.m_tools.history->window(); },
         6,
         {{120, "history.cl2", [](App& a) { a.m_tools.history->WriteHistoryFile(); }}}},
        {"About",
         [](App& a) {
             a.m_tools.about = std::make_unique<AboutWindow>(
                 a.m_splash->Picture(), a.m_platform.screen, a.m_platform.shell);
         },
         nullptr,
         0,
         {}},
        {"Variations",
         [](App& a) { a.m_tools.variations = std::make_unique<VariationsFeature>(*a.m_context); },
         [](const App& a) -> QWidget* { return a.m_tools.variations->window(); },
         1,
         {{40, "var.left var.top", [](App& a) { a.m_tools.variations->WritePositionSettings(); }}}},
        {"Copy",
         [](App& a) {
             a.m_tools.copy = std::make_unique<CopyFeature>(*a.m_context, *a.m_listPanel);
         },
         nullptr,
         0,
         {{30, "copy.left copy.top", [](App& a) { a.m_tools.copy->WritePositionSettings(); }},
          {50, "copy.prew", [](App& a) { a.m_tools.copy->WritePreviewSetting(); }}}},
    };
    return table;
}
