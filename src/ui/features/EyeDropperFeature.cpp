#include "ui/features/EyeDropperFeature.h"

#include "copy/QtColour.h"
#include "platform/ColourPicker.h"
#include "state/ColourList.h"
#include "state/MainColour.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/windows/EyeDropperWindow.h"
#include "ui/windows/MainWindow.h"

EyeDropperFeature::EyeDropperFeature(AppContext& context)
    : m_context(context), m_window(std::make_unique<EyeDropperWindow>(context.platform.screen))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kRepaintPauseMs);
    connect(&m_pause, &QTimer::timeout, m_window.get(), &EyeDropperWindow::Open);
    connect(m_window.get(), &EyeDropperWindow::taken, this, &EyeDropperFeature::Take);
    connect(m_window.get(), &EyeDropperWindow::closed, this, &EyeDropperFeature::ComeBack);
    context.commands.Handle(Command::EyeDropper, this, [this] { Open(); });
}

EyeDropperFeature::~EyeDropperFeature() = default;

void EyeDropperFeature::SetToolWindows(const QList<QWidget*>& windows)
{
    m_toolWindows = QList<QPointer<QWidget>>(windows.begin(), windows.end());
    m_restore.fill(false, windows.size());
}

void EyeDropperFeature::Open()
{
    if (!m_context.platform.screen.CanGrabScreen()) {
        // The desktop's picker shows over the windows as they are.
        QPointer<EyeDropperFeature> alive(this);
        m_context.platform.colourPicker.PickColour([alive](const PickedColour& picked) {
            if (alive)
                alive->TakePicked(picked);
        });
        return;
    }
    if (m_pause.isActive() || m_window->IsOpen())
        return;
    StepAside();
    m_pause.start();
}

void EyeDropperFeature::StepAside()
{
    for (qsizetype i = 0; i < m_toolWindows.size(); ++i)
        m_restore[i] = m_toolWindows[i] && m_toolWindows[i]->isVisible();
    m_context.mainWindow.hide();
    for (const QPointer<QWidget>& window : m_toolWindows)
        if (window)
            window->hide();
    m_context.platform.windowControl.SetTopmost(&m_context.mainWindow, false);
}

void EyeDropperFeature::ComeBack()
{
    MainWindow& main = m_context.mainWindow;
    main.show();
    for (qsizetype i = 0; i < m_toolWindows.size(); ++i)
        if (m_restore[i] && m_toolWindows[i])
            m_toolWindows[i]->show();
    m_context.platform.windowControl.SetTopmost(&main, main.IsStayOnTop());
    main.activateWindow();
}

void EyeDropperFeature::Take(ColorRef colour)
{
    m_context.mainColour.SetMainColour(colour);
    // SetMainColour has recorded it; the list adds it unless it is listed.
    m_context.colourList.AddMainColourToList(colour);
}

void EyeDropperFeature::TakePicked(const PickedColour& picked)
{
    if (picked.outcome != PickedColour::Outcome::Picked) {
        m_context.platform.messages.Information(&m_context.mainWindow, FailedPickMessage(picked));
        return;
    }
    Take(ColorRefOf(picked.colour));
}

QString FailedPickMessage(const PickedColour& picked)
{
    switch (picked.outcome) {
    case PickedColour::Outcome::Cancelled:
        return QStringLiteral("The color pick was cancelled. The main color is unchanged.");
    case PickedColour::Outcome::Refused:
        return QStringLiteral("The desktop did not pick a color. The main color is unchanged.");
    case PickedColour::Outcome::Unavailable:
    case PickedColour::Outcome::Picked:
        break;
    }
    return QStringLiteral("The desktop's color picker is not available (%1). The main color is "
                          "unchanged.\rIn a Wayland session the eye dropper works when QB Kromi "
                          "runs through XWayland (QT_QPA_PLATFORM=xcb).")
        .arg(picked.reason);
}
