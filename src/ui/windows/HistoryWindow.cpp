#include "ui/windows/HistoryWindow.h"

#include "platform/Platform.h"
#include "state/HistoryList.h"
#include "state/MainColour.h"
#include "storage/SettingsStore.h"
#include "ui/KeyboardMap.h"
#include "ui/Questions.h"
#include "ui/widgets/HistoryView.h"
#include "ui/widgets/ScrollBarThumbs.h"
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

HistoryWindow::HistoryWindow(FramedWindow& mainWindow, Platform& platform, SettingsStore& settings,
                             MainColour& mainColour, HistoryList& history, CommandTable& commands,
                             TipWindow& tip, QWidget* parent)
    : DockedToolWindow(QStringLiteral("History"), kClientSize, mainWindow, Side::Left, parent),
      m_platform(platform), m_settings(settings), m_mainColour(mainColour), m_history(history),
      m_commands(commands)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    closeBox()->move(CloseBoxLeft, 0);
    m_helpBox = titleStrip()->AddBox(QStringLiteral("?"), HelpBoxLeft);
    m_helpMenu = new QMenu(this);
    AddHowToEntries(*m_helpMenu, HelpMenu::History, tip);

    m_list = new HistoryView(this);
    m_list->setAccessibleName(QStringLiteral("History"));
    m_list->setGeometry(ListGeometry);
    m_list->setModel(&history);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    setFocusProxy(m_list);
    ShowScrollBarThumbs(m_list);
    // The newest entry stays in sight. Scrolling lays out every row, so a burst of
    // recordings scrolls once, and a hidden list waits until it is shown.
    m_scrollToNewest.setSingleShot(true);
    m_scrollToNewest.setInterval(0);
    connect(&m_scrollToNewest, &QTimer::timeout, m_list, &QAbstractItemView::scrollToBottom);
    connect(&history, &QAbstractItemModel::rowsInserted, this, &HistoryWindow::ScrollToNewestSoon);
    connect(&history, &QAbstractItemModel::modelReset, this, &HistoryWindow::ScrollToNewestSoon);
    BuildContextMenu();

    m_fadeTimer.setInterval(kFadeIntervalMs);
    connect(&m_fadeTimer, &QTimer::timeout, this, &HistoryWindow::Tick);
    // "0" turns Auto Close off; "1", any other value and a missing key leave it on.
    if (settings.GetSetting(AutoFadeKey) == QLatin1String("0")) {
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
        if (row >= 0 && row < m_history.count())
            m_mainColour.SetMainColour(m_history.colourAt(row));
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
    m_settings.SetSetting(AutoFadeKey, on ? QStringLiteral("1") : QStringLiteral("0"));
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
    m_platform.windowControl.SetOpacity(this, opacity);
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
    ConfirmThen(
        m_platform.messages, this, QStringLiteral("Are you sure to delete selected history step?"),
        QStringLiteral("Delete?"), [this] { m_history.RemoveEntries(m_list->selectedRows()); });
}

void HistoryWindow::ClearHistory()
{
    m_history.ClearHistory();
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
    return RunMappedKey(KeyMap::ListWindow, event, m_commands);
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
