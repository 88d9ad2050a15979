#include "ui/windows/HistoryWindow.h"

#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/SettingsStore.h"
#include "ui/AppContext.h"
#include "ui/KeyboardMap.h"
#include "ui/Questions.h"
#include "ui/widgets/HistoryView.h"
#include "ui/widgets/ScrollBarThumbs.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/TipWindow.h"

#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

namespace {

const QString AutoFadeKey = QStringLiteral("hist.autofade");
constexpr int HelpBoxLeft = 122;
constexpr int CloseBoxLeft = 138;
const QRect ListGeometry(1, 16, 153, 439);

} // namespace

HistoryWindow::HistoryWindow(AppContext& context, QWidget* parent)
    : DockedToolWindow(QStringLiteral("History"), kClientSize, context.mainWindow, Side::Left,
                       parent),
      m_context(context)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    closeBox()->move(CloseBoxLeft, 0);
    m_helpBox = titleStrip()->AddBox(QStringLiteral("?"), HelpBoxLeft);
    m_helpMenu = new QMenu(this);
    AddHowToEntries(*m_helpMenu, HelpMenu::History, context.tip);

    m_list = new HistoryView(this);
    m_list->setAccessibleName(QStringLiteral("History"));
    m_list->setGeometry(ListGeometry);
    m_list->setModel(&context.history);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    setFocusProxy(m_list);
    ShowScrollBarThumbs(m_list);
    // The newest entry stays in sight. Scrolling lays out every row, so a burst of
    // recordings scrolls once, and a hidden list waits until it is shown.
    m_scrollToNewest.setSingleShot(true);
    m_scrollToNewest.setInterval(0);
    connect(&m_scrollToNewest, &QTimer::timeout, m_list, &QAbstractItemView::scrollToBottom);
    connect(&context.history, &QAbstractItemModel::rowsInserted, this,
            &HistoryWindow::ScrollToNewestSoon);
    connect(&context.history, &QAbstractItemModel::modelReset, this,
            &HistoryWindow::ScrollToNewestSoon);
    BuildContextMenu();

    m_fadeTimer.setInterval(kFadeIntervalMs);
    connect(&m_fadeTimer, &QTimer::timeout, this, &HistoryWindow::Tick);
    // "0" turns Auto Close off; "1", any other value and a missing key leave it on.
    if (context.settings.GetSetting(AutoFadeKey) == QLatin1String("0")) {
        m_fade.SetAutoClose(false);
        m_autoCloseAction->setChecked(false);
    }
    ApplyOpacity(m_fade.opacity());

    connect(m_helpBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            ShowHelpMenu();
    });
    connect(m_list, &HistoryView::clickedInList, this, &HistoryWindow::Touch);
    connect(this, &FramedWindow::moveFinished, this, &HistoryWindow::Touch);
    connect(m_list, &HistoryView::itemDoubleClicked, this, [this](int row) {
        if (row >= 0 && row < m_context.history.count())
            m_context.mainColour.SetMainColour(m_context.history.colourAt(row));
    });
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::BuildContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_autoCloseAction = m_contextMenu->addAction(QStringLiteral("Auto Close"));
    m_autoCloseAction->setObjectName(QStringLiteral("AutoFade1"));
    m_autoCloseAction->setCheckable(true);
    m_autoCloseAction->setChecked(true);
    m_clearHistoryAction = m_contextMenu->addAction(QStringLiteral("Clear History"));
    connect(m_autoCloseAction, &QAction::triggered, this, &HistoryWindow::SetAutoClose);
    connect(m_clearHistoryAction, &QAction::triggered, this, &HistoryWindow::ClearHistory);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_contextMenu->popup(m_list->viewport()->mapToGlobal(pos));
    });
}

void HistoryWindow::ShowForStep()
{
    m_fade.ShowForStep();
    ApplyOpacity(m_fade.opacity());
    SyncFadeTimer();
    Dock();
    show();
    raise();
}

void HistoryWindow::SetAutoClose(bool on)
{
    {
        const QSignalBlocker blocker(m_autoCloseAction);
        m_autoCloseAction->setChecked(on);
    }
    m_fade.SetAutoClose(on);
    ApplyOpacity(m_fade.opacity());
    SyncFadeTimer();
    m_context.settings.SetSetting(AutoFadeKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void HistoryWindow::Tick()
{
    const HistoryFade::TickResult result = m_fade.Tick();
    ApplyOpacity(result.opacity);
    if (result.hide)
        hide();
    SyncFadeTimer();
}

void HistoryWindow::Touch()
{
    m_fade.Touch();
    ApplyOpacity(m_fade.opacity());
}

void HistoryWindow::ApplyOpacity(int opacity)
{
    if (opacity == m_appliedOpacity)
        return;
    m_appliedOpacity = opacity;
    m_context.platform.windowControl.SetOpacity(this, opacity);
}

void HistoryWindow::SyncFadeTimer()
{
    if (m_fade.timerRunning() && !m_fadeTimer.isActive())
        m_fadeTimer.start();
    else if (!m_fade.timerRunning())
        m_fadeTimer.stop();
}

void HistoryWindow::ScrollToNewestSoon()
{
    if (isVisible())
        m_scrollToNewest.start();
    else
        m_newestOutOfSight = true;
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    // Before Undo or Redo, which show the window first, move the list to their step.
    if (m_newestOutOfSight) {
        m_newestOutOfSight = false;
        m_list->scrollToBottom();
    }
    DockedToolWindow::showEvent(event);
}

void HistoryWindow::DeleteSelected()
{
    ConfirmThen(m_context.platform.messages, this,
                QStringLiteral("Are you sure to delete selected history step?"),
                QStringLiteral("Delete?"),
                [this] { m_context.history.RemoveEntries(m_list->selectedRows()); });
}

void HistoryWindow::ClearHistory()
{
    m_context.history.ClearHistory();
}

void HistoryWindow::ShowHelpMenu()
{
    m_helpMenu->popup(m_helpBox->mapToGlobal(QPoint(0, 0)));
}

bool HistoryWindow::HandleKey(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    return RunMappedKey(KeyMap::ListWindow, event, m_context.commands);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The list would take Ctrl+C and Ctrl+A for itself; the window's keys come first.
    if (watched == m_list && event->type() == QEvent::KeyPress)
        return HandleKey(*static_cast<QKeyEvent*>(event));
    return FramedWindow::eventFilter(watched, event);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(*event))
        FramedWindow::keyPressEvent(event);
}
