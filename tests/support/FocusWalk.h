#pragma once
// Walks a window's Tab order as a keyboard user does: real Tab presses on whatever
// has the focus, until the focus comes back where it started.

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QtTest>

// A focus stop as the tests name it: its object name, else what a screen reader
// calls it.
inline QString FocusStopName(QWidget* widget)
{
    if (!widget)
        return QStringLiteral("<none>");
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Activates `first`'s window, gives `first` the focus and presses Tab until the
// focus is back on `first` (at most `limit` presses): the stops in order, `first`
// included.
inline QStringList TabWalk(QWidget* first, int limit = 80)
{
    QWidget* window = first->window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return {QStringLiteral("<window not active>")};
    first->setFocus(Qt::OtherFocusReason);
    QStringList stops;
    QWidget* focused = first;
    do {
        stops << FocusStopName(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
    } while (focused && focused != first && stops.size() < limit);
    return stops;
}
