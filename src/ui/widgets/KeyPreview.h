#pragma once
// Lets a window see every key before its focused control does: an event filter on
// the window and on each of its widgets, also those added later. Only this
// window's events pass through it.

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

class KeyPreview : public QObject
{
public:
    // `handler` returns true when it took the key; the control then never sees it.
    KeyPreview(QWidget* window, std::function<bool(const QKeyEvent&)> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* object);

    QWidget* m_window;
    std::function<bool(const QKeyEvent&)> m_handler;
};
