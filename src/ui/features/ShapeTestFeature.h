#pragma once
// The Shape Test as the program uses it: its window, the commands that show it (F7
// and the tool button in the main window) and close it (F7 in the Shape Test,
// Reopen and History windows), and its settings keys "shp.left", "shp.top",
// "showtext" and "shp.view" (the "View as" choice, written when it is made).

#include <QObject>
#include <QPoint>
#include <QSize>

#include <memory>

struct AppContext;
class ShapeTestWindow;

class ShapeTestFeature : public QObject
{
    Q_OBJECT
public:
    // Creates the window (hidden) at its stored place: "shp.left" and "shp.top" when
    // set (a value that is no integer is reported and keeps the default place),
    // "showtext" ("1" turns the option on, anything else off), then on the very
    // first start the place by screen size.
    ShapeTestFeature(AppContext& context, bool firstStart);
    ~ShapeTestFeature() override;

    // Shut-down, each in its place: the scheme list lets go of its entries;
    // "showtext" "1" or "0"; "shp.left" and "shp.top" from the window's place.
    void ReleaseSchemeList();
    void WriteShowTextSetting();
    void WritePositionSettings();

    ShapeTestWindow* window() const { return m_window.get(); }

private:
    void ApplySettings(bool firstStart);

    AppContext& m_context;
    std::unique_ptr<ShapeTestWindow> m_window;
};
