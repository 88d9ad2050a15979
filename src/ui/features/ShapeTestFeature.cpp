#include "ui/features/ShapeTestFeature.h"

#include "storage/SettingsStore.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/features/WindowPlacement.h"
#include "ui/ViewAs.h"
#include "ui/windows/ShapeSchemeControls.h"
#include "ui/windows/ShapeTestWindow.h"

namespace {

// "View as": the command line's KIND[:SEVERITY], written when the user chooses.
constexpr char kViewAsKey[] = "shp.view";

} // namespace

ShapeTestFeature::ShapeTestFeature(AppContext& context, bool firstStart)
    : m_context(context), m_window(std::make_unique<ShapeTestWindow>(
                              context.platform, context.programDirectory, context.commands))
{
    ApplySettings(firstStart);
    connect(m_window.get(), &ShapeTestWindow::visionChosen, this, [this](ColourVision vision) {
        WriteViewAsSetting(m_context.settings, QLatin1String(kViewAsKey), vision);
    });
    context.commands.Handle(Command::ShapeTest, this, [this] { m_window->ShowWindow(); });
    context.commands.Handle(Command::CloseShapeTest, this, [this] { m_window->CloseWindow(); });
}

ShapeTestFeature::~ShapeTestFeature() = default;

void ShapeTestFeature::ApplySettings(bool firstStart)
{
    static constexpr FirstStartPlaces kFirstStart{{216, 218}, {432, 290}, {561, 216}};
    PlaceFromPositionKeys(*m_window, m_context, "shp.left", "shp.top",
                          ShapeTestWindow::kDefaultPosition, firstStart ? &kFirstStart : nullptr);
    m_window->SetShowTexts(m_context.settings.GetSetting(QStringLiteral("showtext")) ==
                           QLatin1String("1"));
    m_window->SetVision(ReadViewAsSetting(m_context.settings, QLatin1String(kViewAsKey)));
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
    WritePositionKeys(m_context.settings, *m_window, "shp.left", "shp.top");
}
