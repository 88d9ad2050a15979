#include "ui/windows/ListPanel.h"

#include "platform/MessageBoxes.h"
#include "state/ColourList.h"
#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/SettingsStore.h"
#include "ui/ColourDrag.h"
#include "ui/Commands.h"
#include "ui/Questions.h"
#include "ui/widgets/ColourListView.h"
#include "ui/widgets/ScrollBarThumbs.h"
#include "ui/windows/ConfusablePairsWindow.h"
#include "ui/windows/MainWindow.h"

#include <QActionGroup>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace {

QAction* AddEntry(QMenu* menu, const QString& text, const char* shortcut)
{
    QAction* action = menu->addAction(text);
    if (shortcut) {
        action->setShortcut(QKeySequence(QLatin1String(shortcut)));
        action->setShortcutVisibleInContextMenu(true);
        // The main window's keyboard map runs these keys; here they are only shown.
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

} // namespace

ListPanel::ListPanel(MainWindow& window, MessageBoxes& messages, SettingsStore& settings,
                     MainColour& mainColour, ColourList& colourList, HistoryList& history,
                     CommandTable& commands)
    : m_window(window), m_messages(messages), m_settings(settings), m_mainColour(mainColour),
      m_colourList(colourList), m_history(history), m_commands(commands),
      m_view(new ColourListView(&window))
{
    m_view->setGeometry(328, 80, 169, 305);
    m_view->setAccessibleName(QStringLiteral("Color List"));
    m_view->SetColourList(&m_colourList);
    // The list never reorders: its own items are refused. Other data goes on to the
    // view and the main window (files).
    MakeColourDropTarget(m_view->viewport(),
                         {[this](const DraggedColour& dragged, const QDropEvent&) {
                              return dragged.source != m_view &&
                                     dragged.kind != ColourSourceKind::ColourList;
                          },
                          [this](const DraggedColour& dragged) {
                              m_colourList.AddDroppedColourToList(dragged.colour);
                              m_history.AddToHistory(dragged.colour);
                          },
                          {}});
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    ShowScrollBarThumbs(m_view);
    m_view->show();

    BuildMenu();
    connect(&window, &MainWindow::listMenuRequested, this, &ListPanel::ShowListMenu);
    commands.Handle(Command::AddToList, this, [this] { AddMainColourToList(); });
    commands.Handle(Command::DeleteSelected, this, [this] { DeleteSelectedColours(); });
    commands.Handle(Command::NewList, this, [this] { NewList(); });
    connect(m_view, &ColourListView::itemPressed, this, &ListPanel::OnItemPressed);
    connect(m_view, &ColourListView::itemDoubleClicked, this, &ListPanel::OnItemDoubleClicked);
    connect(m_view, &ColourListView::mouseMoved, this, [this] {
        const ColourList& list = m_colourList;
        m_window.SetStatusText(ColourListStatusText(list.CurrentListPath(), list.count()));
    });
}

ListPanel::~ListPanel() = default;

QList<int> ListPanel::SelectedRows() const
{
    return m_view->SelectedRows();
}

void ListPanel::BuildMenu()
{
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("listMenu"));
    const auto run = [this](Command command) {
        return [this, command] { m_commands.Run(command); };
    };
    connect(AddEntry(m_menu, QStringLiteral("Add Main Color to Color List"), "Ctrl+A"),
            &QAction::triggered, this, &ListPanel::AddMainColourToList);
    connect(AddEntry(m_menu, QStringLiteral("Delete Selected Color"), "Ctrl+D"),
            &QAction::triggered, this, &ListPanel::DeleteSelectedColours);
    m_menu->addSeparator();
    connect(AddEntry(m_menu, QStringLiteral("New List"), "Ctrl+N"), &QAction::triggered, this,
            &ListPanel::NewList);
    connect(AddEntry(m_menu, QStringLiteral("Save List"), "Ctrl+S"), &QAction::triggered, this,
            run(Command::SaveList));
    connect(AddEntry(m_menu, QStringLiteral("Load List"), "Ctrl+O"), &QAction::triggered, this,
            run(Command::LoadList));
    connect(AddEntry(m_menu, QStringLiteral("Reopen"), "Ctrl+R"), &QAction::triggered, this,
            run(Command::Reopen));
    m_menu->addSeparator();
    auto* modes = new QActionGroup(m_menu);
    m_bigAction = AddEntry(m_menu, QStringLiteral("&Big Color List"), nullptr);
    m_smallAction = AddEntry(m_menu, QStringLiteral("&Small Color List"), nullptr);
    for (QAction* action : {m_bigAction, m_smallAction}) {
        action->setCheckable(true);
        modes->addAction(action);
    }
    m_bigAction->setChecked(true);
    connect(m_bigAction, &QAction::triggered, this, [this] { SetSmallMode(false); });
    connect(m_smallAction, &QAction::triggered, this, [this] { SetSmallMode(true); });
    m_menu->addSeparator();
    connect(AddEntry(m_menu, QStringLiteral("Export"), "Ctrl+X"), &QAction::triggered, this,
            run(Command::ExportMenu));
    connect(AddEntry(m_menu, QStringLiteral("Clear Duplicate Colors"), nullptr),
            &QAction::triggered, this, &ListPanel::ClearDuplicateColours);
    connect(AddEntry(m_menu, QStringLiteral("Colors Hard to Tell Apart..."), nullptr),
            &QAction::triggered, this, &ListPanel::ShowConfusablePairs);
}

void ListPanel::ShowConfusablePairs()
{
    if (!m_pairs) {
        m_pairs = std::make_unique<ConfusablePairsWindow>();
        connect(m_pairs.get(), &ConfusablePairsWindow::pairChosen, this,
                [this](int first, ColorRef firstColour, int second, ColorRef secondColour) {
                    const ColourList& list = m_colourList;
                    // The list may have changed since the pairs were found.
                    if (second >= list.count() || list.colourAt(first) != firstColour ||
                        list.colourAt(second) != secondColour)
                        return;
                    QItemSelectionModel* selection = m_view->selectionModel();
                    selection->select(list.index(first), QItemSelectionModel::ClearAndSelect);
                    selection->select(list.index(second), QItemSelectionModel::Select);
                    m_view->scrollTo(list.index(first));
                });
    }
    const ColourList& list = m_colourList;
    std::vector<ColorRef> colours(std::size_t(list.count()));
    for (int row = 0; row < list.count(); ++row)
        colours[std::size_t(row)] = list.colourAt(row);
    m_pairs->ShowPairs(colours);
}

void ListPanel::ShowListMenu(const QPoint& globalPos)
{
    m_menu->popup(globalPos);
}

void ListPanel::AddMainColourToList()
{
    const ColorRef colour = m_mainColour.colour();
    // An appended colour refreshes every display from red, green and blue, as an
    // RGB-side change: after the HSL bars or a short hex text the values are
    // rewritten from the bytes. A colour already listed changes nothing.
    if (m_colourList.AddMainColourToList(colour))
        m_mainColour.ShowColour(colour);
    m_history.AddToHistory(colour);
}

void ListPanel::DeleteSelectedColours()
{
    ConfirmThen(m_messages, &m_window, QStringLiteral("Are you sure to delete selected color(s)?"),
                QStringLiteral("Delete?"),
                [this] { m_colourList.DeleteRows(m_view->SelectedRows()); });
}

void ListPanel::ClearDuplicateColours()
{
    m_colourList.ClearDuplicateColours();
}

void ListPanel::NewList()
{
    ColourList& list = m_colourList;
    if (list.IsChanged() &&
        !m_messages.Question(&m_window, QStringLiteral("Are you sure to create new color list?"),
                             QStringLiteral("New?")))
        return;
    list.NewList();
    m_settings.SetSetting(QStringLiteral("lastcll"), QString());
}

void ListPanel::SetSmallMode(bool small)
{
    m_view->SetSmallMode(small);
    (small ? m_smallAction : m_bigAction)->setChecked(true);
}

bool ListPanel::IsSmallMode() const
{
    return m_view->IsSmallMode();
}

void ListPanel::ApplySmallWheelSetting()
{
    SetSmallMode(m_settings.GetSetting(QStringLiteral("smallwheel")) == QLatin1String("1"));
}

void ListPanel::WriteSmallWheelSetting()
{
    m_settings.SetSetting(QStringLiteral("smallwheel"),
                          IsSmallMode() ? QStringLiteral("1") : QStringLiteral("0"));
}

void ListPanel::OnItemPressed(int row, Qt::MouseButton button)
{
    // A press below the last item has no colour to carry.
    if (button != Qt::LeftButton || row < 0)
        return;
    StartColourDrag(m_view, DraggedColour{m_colourList.ListCurrentColour(),
                                          ColourSourceKind::ColourList, m_view});
}

void ListPanel::OnItemDoubleClicked(int row)
{
    if (row >= 0)
        m_mainColour.SetMainColour(m_colourList.ListCurrentColour());
}

bool ListPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_view->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                // The selection stays as it is, so the menu acts on it.
                ShowListMenu(mouse->globalPosition().toPoint());
                return true;
            }
        }
    } else if (watched == m_view && type == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            DeleteSelectedColours();
            return true;
        }
    }
    return false;
}
