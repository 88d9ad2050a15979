#pragma once
// The Reopen window: the recently loaded colour lists, docked to the right edge of
// the main window. Choosing an entry asks for its list to be loaded; Delete
// removes an entry, "Clear All" every entry; the other keys run main-window
// commands.

#include "ui/widgets/DockedToolWindow.h"

class Platform;
class RecentLists;
class ColourList;
class CommandTable;
class QListView;
class QMenu;

class ReopenWindow : public DockedToolWindow
{
    Q_OBJECT
public:
    // Prepares the recent lists' display texts (adding the current list path when
    // it is not stored yet); docked to the main window's right edge.
    ReopenWindow(FramedWindow& mainWindow, Platform& platform, RecentLists& recentLists,
                 const ColourList& colourList, CommandTable& commands);

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
    Platform& m_platform;
    RecentLists& m_recentLists;
    const ColourList& m_colourList;
    CommandTable& m_commands;
    QListView* m_list;
    QMenu* m_menu;
};
