#pragma once
// The Shape Test window: the test area with its shapes and texts, the layout list
// ("Shapes 1", "Shapes 2", "Page 1", "More..."), "Edit Layout", the colour scheme
// controls and the hint line. Each time it becomes visible it builds "Shapes 1".
// Sees every key first: the function keys of the main window, F7 closing it; no
// Ctrl combinations.

#include "colour/ColourVision.h"
#include "ui/widgets/FramedWindow.h"

#include <QHash>

#include <memory>
#include <QPoint>
#include <QSize>

class Platform;
class CommandTable;
class PanelButton;
class QKeyEvent;
class QLabel;
class QListWidget;
class ShapeSchemeControls;
class ConfusablePairsWindow;
class ShapeTestArea;
class ViewAsMenu;

class ShapeTestWindow : public FramedWindow
{
    Q_OBJECT
public:
    static constexpr QSize kClientSize{618, 451};
    static constexpr QPoint kDefaultPosition{267, 104};

    explicit ShapeTestWindow(Platform& platform, const QString& programDirectory,
                             CommandTable& commands, QWidget* parent = nullptr);
    ~ShapeTestWindow() override;

    // The "Shape Test" tool button and F7 in the main window: shows the window and
    // brings it to the front.
    void ShowWindow();
    // "X" and F7 here: "Edit Layout" is switched off, then the window hides.
    void CloseWindow();
    // A click on an entry of the layout list builds that layout.
    void SelectLayout(int row);
    // The "Edit Layout" toggle.
    void SetEditing(bool on);
    bool IsEditing() const;

    // The "Show Texts and Images" option, kept in the settings as "showtext".
    bool IsShowTexts() const { return m_showTexts; }
    void SetShowTexts(bool on) { m_showTexts = on; }

    QString hint() const;

    // "View as", from the control at the right end of the " Test Area" caption or a
    // right click on the test area: only the drawing changes.
    void SetVision(ColourVision vision);
    PanelButton* viewAsButton() const { return m_viewAs; }
    ViewAsMenu* viewAsMenu() const { return m_viewAsMenu; }
    // "Colors Hard to Tell Apart..." in that menu: the pairs among the colours the
    // test area shows (its items inside the area and the background).
    void ShowConfusablePairs();
    ConfusablePairsWindow* pairsWindow() const { return m_pairs.get(); }

    ShapeTestArea* area() const { return m_area; }
    QListWidget* layoutList() const { return m_layoutList; }
    PanelButton* editLayoutButton() const { return m_editLayout; }
    ShapeSchemeControls* schemeControls() const { return m_scheme; }
    QLabel* hintLine() const { return m_hint; }

signals:
    // The user chose a view in the menu.
    void visionChosen(ColourVision vision);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& key);
    void SetHint(const QString& text);
    // `widget` shows `text` in the hint line while the pointer moves over it.
    void HintOver(QWidget* widget, const QString& text);

    CommandTable& m_commands;
    ShapeTestArea* m_area;
    QListWidget* m_layoutList;
    PanelButton* m_editLayout;
    ShapeSchemeControls* m_scheme;
    QLabel* m_hint;
    PanelButton* m_viewAs;
    ViewAsMenu* m_viewAsMenu;
    std::unique_ptr<ConfusablePairsWindow> m_pairs;
    QHash<const QObject*, QString> m_hints;
    bool m_showTexts = true;
};
