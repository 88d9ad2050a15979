#pragma once
// The Simple Web Page Test as the program uses it: the window, created once at
// its stored place ("web.left", "web.top") or, on the program's first start, at
// the place for the screen size; the commands that show it (the tool button, F8)
// and close it (F8 inside it); its position written back at shut-down; its
// "View as" choice kept in "web.view" (written when it is made).

#include <QObject>
#include <QPoint>
#include <QSize>

#include <memory>

struct AppContext;
class WebPageTestWindow;

class WebPageTestFeature : public QObject
{
    Q_OBJECT
public:
    // Creates the window (hidden). A stored position that is not an integer is
    // reported, and the placing steps after it are skipped.
    WebPageTestFeature(AppContext& context, bool firstStart);
    ~WebPageTestFeature() override;

    // Shut-down: "web.left" and "web.top" from the window's place.
    void WritePositionSettings();

    WebPageTestWindow* window() const { return m_window.get(); }

private:
    void Place(bool firstStart);

    AppContext& m_context;
    std::unique_ptr<WebPageTestWindow> m_window;
};
