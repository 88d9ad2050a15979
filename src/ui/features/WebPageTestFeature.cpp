#include "ui/features/WebPageTestFeature.h"

#include "storage/SettingsStore.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/features/WindowPlacement.h"
#include "ui/ViewAs.h"
#include "ui/windows/WebPageTestWindow.h"

namespace {

// "View as": the command line's KIND[:SEVERITY], written when the user chooses.
constexpr char kViewAsKey[] = "web.view";

} // namespace

WebPageTestFeature::WebPageTestFeature(AppContext& context, bool firstStart)
    : m_context(context),
      m_window(std::make_unique<WebPageTestWindow>(context.platform, context.dialogFolders,
                                                   context.commands, context.tip))
{
    Place(firstStart);
    m_window->SetVision(ReadViewAsSetting(m_context.settings, QLatin1String(kViewAsKey)));
    connect(m_window.get(), &WebPageTestWindow::visionChosen, this, [this](ColourVision vision) {
        WriteViewAsSetting(m_context.settings, QLatin1String(kViewAsKey), vision);
    });
    context.commands.Handle(Command::WebPageTest, this, [this] { m_window->ShowAndRaise(); });
    context.commands.Handle(Command::CloseWebPageTest, this, [this] { m_window->close(); });
}

WebPageTestFeature::~WebPageTestFeature() = default;

void WebPageTestFeature::Place(bool firstStart)
{
    static constexpr FirstStartPlaces kFirstStart{{5, 236}, {5, 404}, {39, 433}};
    PlaceFromPositionKeys(*m_window, m_context, "web.left", "web.top", m_window->pos(),
                          firstStart ? &kFirstStart : nullptr);
}

void WebPageTestFeature::WritePositionSettings()
{
    WritePositionKeys(m_context.settings, *m_window, "web.left", "web.top");
}
