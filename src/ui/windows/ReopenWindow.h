#pragma once
// The Reopen window: the recently loaded colour lists, docked to the right edge of
// the main window. Choosing an entry asks for its list to be loaded; Delete
// removes an entry, "Clear All" every entry; the other keys run main-window
// commands.

#include "ui/widgets/DockedToolWindow.h"

struct AppContext;
class QListView;
class QMenu;

class ReopenWindow : public DockedToolWindow
{
    Q_OBJECT
public:
    // Prepares the recent lists' display texts (adding the current list path when
    // it is not stored yet); docked to the main window's right edge.
    explicit ReopenWindow(AppContext& context);

    // Asks, then removes the selected entry; nothing when no entry is selected.
    void RemoveSelectedEntry();

    QListView* displayList() const { return m_list; }
    QMenu* listMenu() const { return m_menu; }

signals:
    // A click on an entry or the keyboard moved the selection to it.
    void entryChosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& m_context;
    QListView* m_list;
    QMenu* m_menu;
};
