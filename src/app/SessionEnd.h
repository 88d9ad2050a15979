#pragma once
// A session ending (SIGTERM, SIGHUP) turned into a Qt signal on the user-interface
// thread, so that the program writes its files in order as at a normal exit.

#include <QObject>

#include <memory>

class QSocketNotifier;

class SessionEnd : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers; create it before anything can show a message.
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    // Delivered by the event loop that runs next, a message box's included.
    void ending();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
