#include "ui/AfterDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <climits>

namespace {

int LoopLevel()
{
    return QThread::currentThread()->loopLevel();
}

class ModalWaiter : public QObject
{
public:
    ModalWaiter(QObject* context, std::function<void()> action)
        : QObject(context), m_action(std::move(action))
    {
    }

    void Check()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Watch(modal);
            return;
        }
        // The dialog's own event loop is still unwinding: the command that opened
        // it goes on only once it has ended.
        if (LoopLevel() >= m_dialogLoopLevel) {
            CheckLater();
            return;
        }
        const std::function<void()> action = std::move(m_action);
        deleteLater();
        action();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_watched && event->type() == QEvent::Hide) {
            Unwatch();
            CheckLater();
        }
        return false;
    }

private:
    void Watch(QWidget* modal)
    {
        // A dialog runs an event loop of its own (exec); the windows that are
        // merely modal do not.
        if (qobject_cast<QDialog*>(modal))
            m_dialogLoopLevel = qMin(m_dialogLoopLevel, LoopLevel());
        if (modal == m_watched)
            return;
        Unwatch();
        m_watched = modal;
        modal->installEventFilter(this);
        connect(modal, &QObject::destroyed, this, &ModalWaiter::CheckLater);
    }

    void Unwatch()
    {
        if (m_watched) {
            m_watched->removeEventFilter(this);
            disconnect(m_watched, nullptr, this, nullptr);
        }
        m_watched = nullptr;
    }

    void CheckLater()
    {
        QMetaObject::invokeMethod(this, &ModalWaiter::Check, Qt::QueuedConnection);
    }

    std::function<void()> m_action;
    QPointer<QWidget> m_watched;
    int m_dialogLoopLevel = INT_MAX;
};

} // namespace

void RunWhenNoModalWindow(QObject* context, std::function<void()> action)
{
    if (!QApplication::activeModalWidget()) {
        action();
        return;
    }
    (new ModalWaiter(context, std::move(action)))->Check();
}
