#include "ui/widgets/KeyPreview.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, std::function<bool(const QKeyEvent&)> handler)
    : QObject(window), m_window(window), m_handler(std::move(handler))
{
    Watch(window);
}

void KeyPreview::Watch(QObject* object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        Watch(child);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        Watch(static_cast<QChildEvent*>(event)->child());
        return false;
    case QEvent::KeyPress: {
        // A child window (a menu, the Copy window) has keys of its own.
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != m_window)
            return false;
        return m_handler(*static_cast<QKeyEvent*>(event));
    }
    default:
        return false;
    }
}
