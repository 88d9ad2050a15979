#pragma once
// Auto Close of the history window as a plain state machine. The window owns a
// repeating 100 ms timer that calls Tick() while timerRunning() is true, applies
// opacity() to itself and hides when a tick says so.
//
// Each tick with Auto Close on: a countdown above 0 is decreased by 1; once it is 0
// the opacity drops by 15 on that tick and every following one. After Undo or
// Redo the countdown is 10, so the opacity is 240 after the 10th tick, and
// 255 / 15 = 17 drops later, on the 26th tick, it reaches 0: the timer stops and the
// window hides. A click in the list or the end of a title-strip drag makes the
// window opaque again with the countdown at 30 (next drop on the 30th tick).

#include <cstdint>

class HistoryFade
{
public:
    static constexpr int kOpaque = 255;
    static constexpr int kFadeStep = 15;
    static constexpr int kCountdownAfterShow = 10;
    static constexpr int kCountdownAfterTouch = 30;

    struct TickResult
    {
        int opacity = kOpaque; // to apply to the window, 0..255
        bool hide = false;     // true once, on the tick that reaches 0
    };

    bool autoClose() const { return m_autoClose; }
    int opacity() const { return m_opacity; }
    int countdown() const { return m_countdown; }
    bool timerRunning() const { return m_timerRunning; }

    // Turning Auto Close off makes the window opaque; the timer keeps running but
    // its ticks do nothing. Turning it on starts the timer with the countdown at 10
    // (the opacity is left as it is).
    void SetAutoClose(bool on);
    // Undo or Redo brought the window up: opaque, and with Auto Close on the
    // countdown is 10 and the timer starts.
    void ShowForStep();
    // A click in the list or the end of a title-strip drag: opaque, countdown 30.
    // Does not start the timer.
    void Touch();
    // One timer tick.
    TickResult Tick();

private:
    bool m_autoClose = true;
    int m_opacity = kOpaque;
    std::uint8_t m_countdown = 0;
    bool m_timerRunning = false;
};
