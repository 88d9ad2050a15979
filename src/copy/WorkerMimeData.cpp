#include "copy/WorkerMimeData.h"

#include <QThreadPool>

ValuePromise MakeValuePromise()
{
    return std::make_shared<std::promise<QVariant>>();
}

void RunOnWorker(std::function<void()> work)
{
    QThreadPool::globalInstance()->start(std::move(work));
}

void WorkerMimeData::OfferFromWorker(const QString& type, std::function<QVariant()> make)
{
    const ValuePromise promise = MakeValuePromise();
    Offer(type, promise->get_future().share());
    RunOnWorker([promise, make = std::move(make)] {
        // Out of memory on the worker: the type is offered empty, never waited for
        // in vain.
        QVariant value;
        try {
            value = make();
        } catch (...) {
        }
        promise->set_value(value);
    });
}

void WorkerMimeData::Offer(const QString& type, Value value)
{
    m_offered[type] = std::move(value);
}

QStringList WorkerMimeData::formats() const
{
    QStringList all = QMimeData::formats();
    for (const auto& [type, value] : m_offered)
        if (!all.contains(type))
            all << type;
    return all;
}

QVariant WorkerMimeData::retrieveData(const QString& mimeType, QMetaType type) const
{
    const auto offered = m_offered.find(mimeType);
    if (offered == m_offered.end())
        return QMimeData::retrieveData(mimeType, type);
    return offered->second.get();
}
