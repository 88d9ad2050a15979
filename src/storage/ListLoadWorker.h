#pragma once
// Loading a big colour list file or palette without stopping the windows: the
// file is read and converted on a worker thread, into a list of its own, which
// the caller then takes over in one step (ColourList::AdoptLoadedList).

#include "storage/PaletteFiles.h"

#include <QObject>
#include <QString>

#include <functional>

class ColourList;

// Files from this size on are worth a worker thread: a million colours took a
// fifth of a second to read, a list of 25,000 a few milliseconds.
constexpr qint64 kBackgroundLoadBytes = qint64(1) << 20;

using LoadDone = std::function<void(const ListLoadResult& result, ColourList& loaded)>;

// Runs LoadListOrPalette(path, a new list) on a worker thread (no recent lists are
// touched there). `progress` and then `done` run on the thread of `context`; when
// `context` is gone by then, neither runs and the loaded list is dropped.
void LoadListOrPaletteInBackground(const QString& path, QObject* context, ProgressCallback progress,
                                   LoadDone done);
