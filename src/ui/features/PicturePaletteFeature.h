#pragma once
// A palette from a picture: a PNG or JPEG loaded or dropped on the list asks how
// many colours, then its representative colours (PicturePalette) are worked out
// on a worker thread, with the main window's progress bar showing how far it
// got, and added to the colour list, most frequent first. Pictures given while
// one is worked on wait their turn.

#include "colour/PaletteClustering.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>

#include <optional>

struct AppContext;

// The work itself, on any thread: decodes the picture at `path` and gives its
// palette (PicturePalette with `count` and `progress`, 0..100 over decoding and
// clustering); nullopt when the file is no picture that decodes.
std::optional<QList<PaletteColour>> ReadPicturePalette(const QString& path, int count,
                                                       const ClusterProgress& progress = {});

class PicturePaletteFeature : public QObject
{
    Q_OBJECT
public:
    explicit PicturePaletteFeature(AppContext& context, QObject* parent = nullptr);
    // Stops the work under way and waits for its thread.
    ~PicturePaletteFeature() override;

    // A PNG or JPEG by its first bytes, whatever its name.
    static bool IsPicture(const QString& path);

    // Asks for the number of colours (2 to 64) and starts or queues the work.
    // A cancelled question does nothing; a number that is no number or out of
    // range is reported.
    void AddPaletteOf(const QString& path);

    // Work under way or waiting.
    bool isBusy() const;

signals:
    // A picture was done: the colours it added (0 when it could not be read).
    void pictureDone(const QString& path, int added);

private:
    struct Job
    {
        QString path;
        int count = 0;
    };
    struct Result
    {
        bool decoded = false;
        QList<PaletteColour> colours;
    };

    void StartNext();
    void Finish();

    AppContext& m_context;
    QList<Job> m_waiting;
    Job m_current;
    QFutureWatcher<Result> m_watcher;
    QString m_lastCount = QStringLiteral("8");
};
