#include "ui/features/VariationsFeature.h"

#include "storage/SettingsStore.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/windows/VariationsWindow.h"

namespace {

// Empty keeps the design place; a value that is no integer is reported and keeps it too.
int PositionOf(const AppContext& context, const char* key, int design, QWidget* parent)
{
    const PositionSetting setting = context.settings.SettingAsPosition(QLatin1String(key));
    if (!setting.error.isEmpty()) {
        context.platform.messages.Information(parent, setting.error);
        return design;
    }
    return setting.value.value_or(design);
}

} // namespace

VariationsFeature::VariationsFeature(AppContext& context)
    : m_context(context), m_window(std::make_unique<VariationsWindow>(context))
{
    ApplySettings();
    context.commands.Handle(Command::Variations, this, [this] { ShowWindow(); });
}

VariationsFeature::~VariationsFeature() = default;

void VariationsFeature::ApplySettings()
{
    VariationsWindow* window = m_window.get();
    const QPoint design = VariationsWindow::kDesignPosition;
    window->move(PositionOf(m_context, "var.left", design.x(), window),
                 PositionOf(m_context, "var.top", design.y(), window));
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
    const QPoint place = m_window->pos();
    m_context.settings.SetSetting(QStringLiteral("var.left"), QString::number(place.x()));
    m_context.settings.SetSetting(QStringLiteral("var.top"), QString::number(place.y()));
}
