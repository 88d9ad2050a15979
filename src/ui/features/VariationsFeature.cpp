#include "ui/features/VariationsFeature.h"

#include "storage/SettingsStore.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/features/WindowPlacement.h"
#include "ui/windows/VariationsWindow.h"

VariationsFeature::VariationsFeature(AppContext& context)
    : m_context(context), m_window(std::make_unique<VariationsWindow>(
                              context.platform, context.mainColour, context.commands))
{
    ApplySettings();
    context.commands.Handle(Command::Variations, this, [this] { ShowWindow(); });
}

VariationsFeature::~VariationsFeature() = default;

void VariationsFeature::ApplySettings()
{
    PlaceFromPositionKeys(*m_window, m_context, "var.left", "var.top",
                          VariationsWindow::kDefaultPosition);
}

void VariationsFeature::ShowWindow()
{
    // Showing paints the grid; an already open window shows the current colour anyway.
    // A window minimized with the whole program comes back too.
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
}

void VariationsFeature::WritePositionSettings()
{
    WritePositionKeys(m_context.settings, *m_window, "var.left", "var.top");
}
