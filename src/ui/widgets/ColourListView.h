#pragma once
// The colour list box: shows a ColourList with extended selection
// in big (30 px) or small (15 px) items. It keeps the list current colour up to
// date (the pressed or current item's colour) and reports presses and
// double-clicks; Enter and Return on the current item count as a double-click.
// Dragging, dropping and the menu belong to the main window.

#include <QList>
#include <QListView>

class ColourList;
class ColourListDelegate;

class ColourListView : public QListView
{
    Q_OBJECT
public:
    explicit ColourListView(QWidget* parent = nullptr);

    void SetColourList(ColourList* list);
    ColourList* colourList() const { return m_list; }

    // Big list is the default; a change lays the items out again at the new height.
    void SetSmallMode(bool small);
    bool IsSmallMode() const;

    // The row under a point in viewport coordinates (those of the view's mouse
    // events), or -1 when no item is there.
    int RowAt(QPoint position) const;
    // The selected rows in ascending order.
    QList<int> SelectedRows() const;

signals:
    // After the view has updated selection and the list current colour; row -1 for a
    // press or double-click below the last item.
    void itemPressed(int row, Qt::MouseButton button);
    void itemDoubleClicked(int row);
    // The mouse moved over the list (with or without a button held): the status line
    // shows ColourListStatusText.
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;

private:
    void TakeListCurrentColour(int row);

    ColourList* m_list = nullptr;
    ColourListDelegate* m_delegate = nullptr;
};
