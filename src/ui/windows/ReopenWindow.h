#pragma once
// The Reopen window: the recently loaded colour lists, docked to the right edge of
// the main window. Choosing an entry asks for its list to be loaded; Delete
// removes an entry, "Clear All" every entry; the other keys run main-window
// commands.

#include "ui/widgets/FramedWindow.h"

struct AppContext;
class QListView;
class QMenu;

class ReopenWindow : public FramedWindow
{
    Q_OBJECT
public:
    // Prepares the recent lists' display texts (adding the current list path when
    // it is not stored yet) and follows the main window's moves and
    // super-minimizing while showing.
    explicit ReopenWindow(AppContext& context);

    // Left edge at the main window's right edge, top at its top.
    void Dock();
    // Asks, then removes the selected entry; nothing when no entry is selected.
    void RemoveSelectedEntry();

    QListView* displayList() const { return m_list; }
    QMenu* listMenu() const { return m_menu; }

signals:
    // A click on an entry or the keyboard moved the selection to it.
    void entryChosen(int row);
    // F7 in the list: close the Shape Test window.
    void shapeTestCloseRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QListView* m_list;
    QMenu* m_menu;
};
