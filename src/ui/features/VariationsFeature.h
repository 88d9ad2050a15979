#pragma once
// The Variations window as the program uses it: "More..." opens it, and its
// place is kept in the settings keys "var.left" and "var.top".

#include <QObject>

#include <memory>

struct AppContext;
class VariationsWindow;

class VariationsFeature : public QObject
{
    Q_OBJECT
public:
    // Creates the window (hidden) at its stored place; a stored value that is no
    // integer is reported and that coordinate keeps the default place.
    explicit VariationsFeature(AppContext& context);
    ~VariationsFeature() override;

    // Shows the window, not modal; the grid is painted for the current colour at once.
    void ShowWindow();

    // Shut-down: "var.left" and "var.top" from the window's place.
    void WritePositionSettings();

    VariationsWindow* window() const { return m_window.get(); }

private:
    void ApplySettings();

    AppContext& m_context;
    std::unique_ptr<VariationsWindow> m_window;
};
