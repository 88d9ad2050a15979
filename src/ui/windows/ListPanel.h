#pragma once
// The colour list on the main window: the list box, its context menu (also
// opened by the " Color List" heading and the "List" button), the
// list commands of the keyboard map, colour drags out of and onto the list, the
// double-click that takes an item as the main colour and the status text.

#include <QObject>
#include <QPoint>

#include <memory>

class ColourList;
class ColourListView;
class CommandTable;
class HistoryList;
class MainColour;
class MainWindow;
class MessageBoxes;
class SettingsStore;
class ConfusablePairsWindow;
class QAction;
class QMenu;

class ListPanel : public QObject
{
    Q_OBJECT
public:
    // Creates the list box on the main window.
    ListPanel(MainWindow& window, MessageBoxes& messages, SettingsStore& settings,
              MainColour& mainColour, ColourList& colourList, HistoryList& history,
              CommandTable& commands);
    ~ListPanel() override;

    ColourListView* listView() const { return m_view; }
    QMenu* listMenu() const { return m_menu; }
    QAction* bigListAction() const { return m_bigAction; }
    QAction* smallListAction() const { return m_smallAction; }
    // The selected rows of the list box, in order.
    QList<int> SelectedRows() const;

    void ShowListMenu(const QPoint& globalPos);

    // The main colour is appended unless listed, and then refreshes every display
    // from its red, green and blue; it is recorded in the history either way.
    void AddMainColourToList();
    // Asks first, also when nothing is selected.
    void DeleteSelectedColours();
    void ClearDuplicateColours();
    // Asks first only when the list has changed; removes the "lastcll" setting.
    void NewList();
    // "Colors Hard to Tell Apart...": the pairs of listed colours each deficiency
    // confuses; choosing a pair selects both items.
    void ShowConfusablePairs();
    ConfusablePairsWindow* pairsWindow() const { return m_pairs.get(); }

    void SetSmallMode(bool small);
    bool IsSmallMode() const;
    // "smallwheel": "1" small list, "0" big list, anything else big.
    void ApplySmallWheelSetting();
    void WriteSmallWheelSetting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenu();
    void OnItemPressed(int row, Qt::MouseButton button);
    void OnItemDoubleClicked(int row);

    MainWindow& m_window;
    MessageBoxes& m_messages;
    SettingsStore& m_settings;
    MainColour& m_mainColour;
    ColourList& m_colourList;
    HistoryList& m_history;
    CommandTable& m_commands;
    ColourListView* m_view;
    QMenu* m_menu = nullptr;
    QAction* m_bigAction = nullptr;
    QAction* m_smallAction = nullptr;
    std::unique_ptr<ConfusablePairsWindow> m_pairs;
};
