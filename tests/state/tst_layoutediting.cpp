#include "state/LayoutEditing.h"

#include <QtTest>

class LayoutEditingTest : public QObject
{
    Q_OBJECT
private slots:
    void movedItemsStayReachable_data();
    void movedItemsStayReachable();
};

void LayoutEditingTest::movedItemsStayReachable_data()
{
    QTest::addColumn<QRect>("start");
    QTest::addColumn<QPoint>("delta");
    const QRect square(184, 144, 73, 73);
    QTest::newRow("past the top-left corner") << square << QPoint(-1000, -1000);
    QTest::newRow("past the left edge") << square << QPoint(-400, 0);
    QTest::newRow("past the bottom-right corner") << square << QPoint(1000, 1000);
    QTest::newRow("past the top-right corner") << square << QPoint(1000, -1000);
    QTest::newRow("a wide bar past the left") << QRect(120, 165, 192, 25) << QPoint(-900, 0);
    QTest::newRow("a small item") << QRect(10, 10, 6, 6) << QPoint(-50, -50);
}

void LayoutEditingTest::movedItemsStayReachable()
{
    QFETCH(QRect, start);
    QFETCH(QPoint, delta);
    const QRect area(0, 0, 425, 385);
    const QRect moved = EditedGeometry(start, LayoutEditGrip::Move, delta, area.size());
    QCOMPARE(moved.size(), start.size());
    // A press in the middle of what is left inside the area grabs the item to move it.
    const QRect visible = moved.intersected(area);
    QVERIFY(!visible.isEmpty());
    const QPoint middle = visible.center() - moved.topLeft();
    QCOMPARE(EditGripAt(moved.size(), middle), LayoutEditGrip::Move);
    QVERIFY(visible.width() >= qMin(start.width(), kEditedVisiblePart));
    QVERIFY(visible.height() >= qMin(start.height(), kEditedVisiblePart));
}

QTEST_APPLESS_MAIN(LayoutEditingTest)
#include "tst_layoutediting.moc"
