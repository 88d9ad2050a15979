#include "ui/features/ShapeTestFeature.h"

#include "storage/SettingsStore.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/windows/ShapeSchemeControls.h"
#include "ui/windows/ShapeTestWindow.h"

namespace {

// A position key: empty keeps the current place, a value that is no integer is
// reported and keeps it too.
int PositionOf(const AppContext& context, const char* key, int current, QWidget* parent)
{
    const PositionSetting setting = context.settings.SettingAsPosition(QLatin1String(key));
    if (!setting.error.isEmpty()) {
        context.platform.messages.Information(parent, setting.error);
        return current;
    }
    return setting.value.value_or(current);
}

} // namespace

QPoint FirstStartShapeTestPosition(const QSize& screenSize, const QPoint& current)
{
    if (screenSize == QSize(800, 600))
        return QPoint(216, 218);
    if (screenSize == QSize(1024, 768))
        return QPoint(432, 290);
    if (screenSize == QSize(1152, 864))
        return QPoint(561, 216);
    return current;
}

ShapeTestFeature::ShapeTestFeature(AppContext& context, bool firstStart)
    : m_context(context), m_window(std::make_unique<ShapeTestWindow>(context))
{
    ApplySettings(firstStart);
    context.commands.Handle(Command::ShapeTest, this, [this] { m_window->ShowWindow(); });
    context.commands.Handle(Command::CloseShapeTest, this, [this] { m_window->CloseWindow(); });
}

ShapeTestFeature::~ShapeTestFeature() = default;

void ShapeTestFeature::ApplySettings(bool firstStart)
{
    ShapeTestWindow* window = m_window.get();
    QPoint place = ShapeTestWindow::kDesignPosition;
    place.setX(PositionOf(m_context, "shp.left", place.x(), window));
    place.setY(PositionOf(m_context, "shp.top", place.y(), window));
    window->SetShowTexts(m_context.settings.GetSetting(QStringLiteral("showtext")) ==
                         QLatin1String("1"));
    if (firstStart)
        place = FirstStartShapeTestPosition(m_context.platform.screen.ScreenSize(), place);
    window->move(place);
}

void ShapeTestFeature::ReleaseSchemeList()
{
    m_window->schemeControls()->ReleaseSchemeList();
}

void ShapeTestFeature::WriteShowTextSetting()
{
    m_context.settings.SetSetting(QStringLiteral("showtext"), m_window->IsShowTexts()
                                                                  ? QStringLiteral("1")
                                                                  : QStringLiteral("0"));
}

void ShapeTestFeature::WritePositionSettings()
{
    const QPoint place = m_window->pos();
    m_context.settings.SetSetting(QStringLiteral("shp.left"), QString::number(place.x()));
    m_context.settings.SetSetting(QStringLiteral("shp.top"), QString::number(place.y()));
}
