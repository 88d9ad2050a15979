#include "ui/windows/ReopenWindow.h"

#include "platform/Platform.h"
#include "state/ColourList.h"
#include "storage/RecentLists.h"
#include "ui/Fonts.h"
#include "ui/KeyboardMap.h"
#include "ui/Questions.h"
#include "ui/widgets/FixedRowDelegate.h"
#include "ui/widgets/ScrollBarThumbs.h"

#include <QKeyEvent>
#include <QListView>
#include <QMenu>

#include <functional>

namespace {

constexpr int kItemHeight = 13;

// Reports a selection moved by the keyboard; the window's key table has already
// taken the keys that run commands.
class ReopenListView : public QListView
{
public:
    using QListView::QListView;

    std::function<void(int row)> keyMovedSelection;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QModelIndex before = currentIndex();
        QListView::keyPressEvent(event);
        const QModelIndex after = currentIndex();
        if (after.isValid() && after != before && keyMovedSelection)
            keyMovedSelection(after.row());
    }
};

} // namespace

ReopenWindow::ReopenWindow(FramedWindow& mainWindow, Platform& platform, RecentLists& recentLists,
                           const ColourList& colourList, CommandTable& commands)
    : DockedToolWindow(QStringLiteral("Reopen"), QSize(143, 457), mainWindow, Side::Right),
      m_platform(platform), m_recentLists(recentLists), m_colourList(colourList),
      m_commands(commands)
{
    setObjectName(QStringLiteral("ReopenWindow"));
    setParent(&mainWindow, windowFlags());

    m_recentLists.PrepareReopenDisplay(m_colourList.CurrentListPath());
    auto* list = new ReopenListView(this);
    m_list = list;
    m_list->setObjectName(QStringLiteral("reopenList"));
    m_list->setAccessibleName(QStringLiteral("Recent color lists"));
    m_list->setGeometry(1, TitleStrip::Height, 141, 440);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setFont(SansSerifPoints(8));
    m_list->setItemDelegate(new FixedRowDelegate(kItemHeight, m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setModel(&m_recentLists);
    ShowScrollBarThumbs(m_list);
    m_list->installEventFilter(this);
    list->keyMovedSelection = [this](int row) { emit entryChosen(row); };
    connect(m_list, &QListView::clicked, this,
            [this](const QModelIndex& index) { emit entryChosen(index.row()); });

    m_menu = new QMenu(this);
    m_menu->addAction(QStringLiteral("Clear All"), this, [this] { m_recentLists.ClearAll(); });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_list->viewport()->mapToGlobal(pos)); });

    Dock();
}

void ReopenWindow::RemoveSelectedEntry()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    ConfirmThen(m_platform.messages, this, QStringLiteral("Are you sure to remove selected item?"),
                QStringLiteral("Remove?"), [this, row] {
                    m_recentLists.RemoveAt(row);
                    // Nothing is chosen afterwards, so a second Delete does not take a neighbour.
                    m_list->selectionModel()->clear();
                });
}

bool ReopenWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.key() == Qt::Key_Delete) {
        RemoveSelectedEntry();
        return true;
    }
    return RunMappedKey(KeyMap::ListWindow, key, m_commands);
}
