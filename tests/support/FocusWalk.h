#pragma once
// Walks a window's Tab order as a keyboard user does: real Tab (or Shift+Tab)
// presses on whatever has the focus, until the focus comes back where it started.

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QtTest>

#include <algorithm>

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

// Activates `first`'s window, gives `first` the focus and presses Tab (Shift+Tab
// `backwards`) until the focus is back on `first` (at most `limit` presses): the
// stops in order, `first` included.
inline QStringList TabWalk(QWidget* first, bool backwards = false, int limit = 80)
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
        QTest::keyClick(focused, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        focused = QApplication::focusWidget();
    } while (focused && focused != first && stops.size() < limit);
    return stops;
}

// The same stops as the Tab walk from `first`, in the order Shift+Tab finds them.
inline QStringList Reversed(QStringList stops)
{
    std::reverse(stops.begin() + 1, stops.end());
    return stops;
}
