#pragma once
// Clipboard data whose costly types are made on a worker thread from the moment
// of copying, so a copy of a million colours or of a picture of hundreds of
// megabytes costs the windows nothing. Another program asking for such a type
// gets it as soon as it is ready: usually at once, otherwise after the rest of
// the work, never after starting it again.

#include <QMimeData>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <future>
#include <map>

class WorkerMimeData : public QMimeData
{
public:
    // A value one worker task makes; several types may share one task.
    using Value = std::shared_future<QVariant>;

    // Runs `make` on a worker thread now; its result is offered under `type`.
    void OfferFromWorker(const QString& type, std::function<QVariant()> make);
    // Offers a value a task of the caller's makes.
    void Offer(const QString& type, Value value);

    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::map<QString, Value> m_offered;
};

// A promise whose value is taken by the worker that fulfils it; the task keeps
// its promise alive, since the clipboard may drop the data first.
using ValuePromise = std::shared_ptr<std::promise<QVariant>>;
ValuePromise MakeValuePromise();
// Starts `work` on the global thread pool.
void RunOnWorker(std::function<void()> work);
