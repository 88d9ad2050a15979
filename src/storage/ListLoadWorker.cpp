#include "storage/ListLoadWorker.h"

#include "state/ColourList.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <memory>

void LoadListOrPaletteInBackground(const QString& path, QObject* context, ProgressCallback progress,
                                   LoadDone done)
{
    // Filled only by the worker until its result is reported, then read only here:
    // it has no connections and receives no events.
    auto loaded = std::make_shared<ColourList>();
    auto promise = std::make_shared<QPromise<ListLoadResult>>();
    // The watcher belongs to `context`: gone with it, it reports nothing.
    auto* watcher = new QFutureWatcher<ListLoadResult>(context);
    if (progress)
        QObject::connect(watcher, &QFutureWatcherBase::progressValueChanged, watcher,
                         [progress](int percent) { progress(percent); });
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                     [watcher, loaded, done = std::move(done)] {
                         done(watcher->result(), *loaded);
                         watcher->deleteLater();
                     });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([path, loaded, promise] {
        promise->start();
        promise->setProgressRange(0, 100);
        ListLoadResult result;
        try {
            result = LoadListOrPalette(path, *loaded, nullptr, [&promise](int percent) {
                promise->setProgressValue(percent);
            });
        } catch (const std::bad_alloc&) {
            result.status = ColourListLoadStatus::Failed;
            result.error = QStringLiteral("Not enough memory to load %1.").arg(path);
        }
        promise->addResult(result);
        promise->finish();
    });
}
