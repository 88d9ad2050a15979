#include "state/HistoryFade.h"

void HistoryFade::SetAutoClose(bool on)
{
    m_autoClose = on;
    if (on) {
        m_timerRunning = true;
        m_countdown = kCountdownAfterShow;
    } else {
        m_opacity = kOpaque;
    }
}

void HistoryFade::ShowForStep()
{
    m_opacity = kOpaque;
    if (m_autoClose) {
        m_countdown = kCountdownAfterShow;
        m_timerRunning = true;
    }
}

void HistoryFade::Touch()
{
    m_opacity = kOpaque;
    m_countdown = kCountdownAfterTouch;
}

HistoryFade::TickResult HistoryFade::Tick()
{
    if (!m_timerRunning || !m_autoClose)
        return TickResult{m_opacity, false};
    if (m_countdown > 0)
        --m_countdown;
    if (m_countdown > 0)
        return TickResult{m_opacity, false};
    // Clamped so an opacity that is not a multiple of the step still ends at 0.
    m_opacity = m_opacity > kFadeStep ? m_opacity - kFadeStep : 0;
    if (m_opacity > 0)
        return TickResult{m_opacity, false};
    m_timerRunning = false;
    return TickResult{0, true};
}
