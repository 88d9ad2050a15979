#include "state/HistoryFade.h"

#include <QtTest>

class HistoryFadeTest : public QObject
{
    Q_OBJECT
private slots:
    void fadeAfterUndoOrRedo_data();
    void fadeAfterUndoOrRedo();
    void clickDuringTheFade();
    void autoCloseOffKeepsTheWindowOpaque();
    void turningAutoCloseOnStartsTheCountdown();
    void touchDoesNotStartTheTimer();
};

// Opacity after each tick (and whether it hides) from a window shown by Undo/Redo.
void HistoryFadeTest::fadeAfterUndoOrRedo_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("opacity");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("1st tick, countdown running") << 1 << 255 << false;
    QTest::newRow("9th tick, still opaque") << 9 << 255 << false;
    QTest::newRow("10th tick, first lowering") << 10 << 240 << false;
    QTest::newRow("11th tick") << 11 << 225 << false;
    QTest::newRow("25th tick, last visible") << 25 << 15 << false;
    QTest::newRow("26th tick, closed") << 26 << 0 << true;
}

void HistoryFadeTest::fadeAfterUndoOrRedo()
{
    QFETCH(int, tick);
    QFETCH(int, opacity);
    QFETCH(bool, hidden);
    HistoryFade fade;
    fade.ShowForStep();
    QVERIFY(fade.timerRunning());
    HistoryFade::TickResult result;
    for (int i = 1; i <= tick; ++i) {
        result = fade.Tick();
        if (i < tick)
            QVERIFY(!result.hide);
    }
    QCOMPARE(result.opacity, opacity);
    QCOMPARE(fade.opacity(), opacity);
    QCOMPARE(result.hide, hidden);
    QCOMPARE(fade.timerRunning(), !hidden);
}

void HistoryFadeTest::clickDuringTheFade()
{
    HistoryFade fade;
    fade.ShowForStep();
    for (int i = 0; i < 15; ++i)
        fade.Tick();
    QCOMPARE(fade.opacity(), 165);
    fade.Touch();
    QCOMPARE(fade.opacity(), 255);
    for (int i = 1; i < 30; ++i)
        QCOMPARE(fade.Tick().opacity, 255);
    QCOMPARE(fade.Tick().opacity, 240);
    for (int i = 0; i < 15; ++i)
        QVERIFY(!fade.Tick().hide);
    QVERIFY(fade.Tick().hide);
    // Undo after the window closed shows it opaque and fades again.
    fade.ShowForStep();
    QCOMPARE(fade.opacity(), 255);
    QVERIFY(fade.timerRunning());
}

void HistoryFadeTest::autoCloseOffKeepsTheWindowOpaque()
{
    HistoryFade fade;
    fade.ShowForStep();
    for (int i = 0; i < 11; ++i)
        fade.Tick();
    QCOMPARE(fade.opacity(), 225);
    fade.SetAutoClose(false);
    QCOMPARE(fade.opacity(), 255);
    fade.ShowForStep();
    for (int i = 0; i < 100; ++i) {
        const HistoryFade::TickResult result = fade.Tick();
        QCOMPARE(result.opacity, 255);
        QVERIFY(!result.hide);
    }
}

void HistoryFadeTest::turningAutoCloseOnStartsTheCountdown()
{
    HistoryFade fade;
    fade.SetAutoClose(false);
    QVERIFY(!fade.timerRunning());
    fade.SetAutoClose(true);
    QVERIFY(fade.timerRunning());
    QCOMPARE(fade.countdown(), 10);
    for (int i = 1; i < 10; ++i)
        QCOMPARE(fade.Tick().opacity, 255);
    QCOMPARE(fade.Tick().opacity, 240);
}

void HistoryFadeTest::touchDoesNotStartTheTimer()
{
    HistoryFade fade;
    fade.Touch();
    QVERIFY(!fade.timerRunning());
    QCOMPARE(fade.Tick().opacity, 255);
    QCOMPARE(fade.countdown(), 30);
}

QTEST_APPLESS_MAIN(HistoryFadeTest)
#include "tst_historyfade.moc"
