#include "ui/features/WebPageTestFeature.h"

#include "storage/SettingsStore.h"
#include "ui/AppContext.h"
#include "ui/Commands.h"
#include "ui/windows/WebPageTestWindow.h"

QPoint FirstStartWebPageTestPosition(const QSize& screenSize, const QPoint& current)
{
    if (screenSize == QSize(800, 600))
        return QPoint(5, 236);
    if (screenSize == QSize(1024, 768))
        return QPoint(5, 404);
    if (screenSize == QSize(1152, 864))
        return QPoint(39, 433);
    return current;
}

WebPageTestFeature::WebPageTestFeature(AppContext& context, bool firstStart)
    : m_context(context), m_window(std::make_unique<WebPageTestWindow>(context))
{
    Place(firstStart);
    context.commands.Handle(Command::WebPageTest, this, [this] { m_window->ShowAndRaise(); });
    context.commands.Handle(Command::CloseWebPageTest, this, [this] { m_window->close(); });
}

WebPageTestFeature::~WebPageTestFeature() = default;

void WebPageTestFeature::Place(bool firstStart)
{
    WebPageTestWindow* window = m_window.get();
    // A value that is no integer is reported and ends the placing there.
    const auto apply = [this, window](const char* key, int& coordinate) {
        const PositionSetting setting = m_context.settings.SettingAsPosition(QLatin1String(key));
        if (!setting.error.isEmpty()) {
            m_context.platform.messages.Information(window, setting.error);
            return false;
        }
        coordinate = setting.value.value_or(coordinate);
        return true;
    };
    QPoint place = window->pos();
    if (apply("web.left", place.rx()) && apply("web.top", place.ry()) && firstStart)
        place = FirstStartWebPageTestPosition(m_context.platform.screen.ScreenSize(), place);
    window->move(place);
}

void WebPageTestFeature::WritePositionSettings()
{
    const QPoint place = m_window->pos();
    m_context.settings.SetSetting(QStringLiteral("web.left"), QString::number(place.x()));
    m_context.settings.SetSetting(QStringLiteral("web.top"), QString::number(place.y()));
}
