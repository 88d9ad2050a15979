#include "ui/widgets/FramedWindow.h"

#include <QtTest>
#include <QWindow>

// Under a bare X server there is no window manager to run the system move loop, so the
// strip must move the window itself, and the X server must see the new place.
class TitleStripMoveTest : public QObject
{
    Q_OBJECT
private slots:
    void dragOnTheStripMovesTheWindowByTheMouseDelta_data();
    void dragOnTheStripMovesTheWindowByTheMouseDelta();
};

void TitleStripMoveTest::dragOnTheStripMovesTheWindowByTheMouseDelta_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::newRow("right and down") << QPoint(120, 45);
    QTest::newRow("left and up") << QPoint(-70, -30);
}

void TitleStripMoveTest::dragOnTheStripMovesTheWindowByTheMouseDelta()
{
    QFETCH(QPoint, delta);
    FramedWindow window(QStringLiteral("Shape Test"), QSize(240, 160));
    window.move(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.windowHandle()->position(), QPoint(300, 200));
    QSignalSpy finished(&window, &FramedWindow::moveFinished);

    TitleStrip* strip = window.titleStrip();
    const QPoint pressAt(60, 8);
    const QPoint pressGlobal = strip->mapToGlobal(pressAt);
    QTest::mousePress(strip, Qt::LeftButton, {}, pressAt);
    QVERIFY(strip->IsMoving());

    // Three steps, each with the global position the pointer would have; the strip
    // itself moves between them, so widget-relative positions would be stale.
    for (int step = 1; step <= 3; ++step) {
        const QPoint global = pressGlobal + delta * step / 3;
        QMouseEvent move(QEvent::MouseMove, strip->mapFromGlobal(global), global, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
    }
    const QPoint releaseGlobal = pressGlobal + delta;
    QMouseEvent release(QEvent::MouseButtonRelease, strip->mapFromGlobal(releaseGlobal),
                        releaseGlobal, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &release);

    QCOMPARE(finished.size(), 1);
    QVERIFY(!strip->IsMoving());
    QCOMPARE(window.pos(), QPoint(300, 200) + delta);
    QTRY_COMPARE(window.windowHandle()->position(), QPoint(300, 200) + delta);
    QTRY_COMPARE(window.geometry().topLeft(), QPoint(300, 200) + delta);
}

QTEST_MAIN(TitleStripMoveTest)
#include "tst_x11_titlestripmove.moc"
