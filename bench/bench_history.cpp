// Colour history figures: loading a history file of a million entries, saving it,
// and recording colours one by one while the list view shows them.
#include "state/HistoryList.h"
#include "storage/HistoryFile.h"
#include "support/MainWindowKit.h"
#include "ui/widgets/HistoryView.h"
#include "ui/windows/HistoryWindow.h"

#include "BenchReport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.cl2"));

    constexpr int kEntries = 1000000;
    std::vector<ColorRef> colours(kEntries);
    for (int i = 0; i < kEntries; ++i)
        colours[std::size_t(i)] = ColorRef(i * 2654435761u) & 0xFFFFFFu;

    QElapsedTimer timer;
    timer.start();
    SaveHistoryFile(path, colours);
    std::printf("save %d entries: %lld ms\n", kEntries, timer.elapsed());
    RecordFigure("save", timer.elapsed(), "ms");

    HistoryList history;
    HistoryView view;
    view.resize(153, 439);
    view.setModel(&history);
    view.show();
    QApplication::processEvents();

    timer.restart();
    const HistoryFileContent content = LoadHistory(path, history);
    std::printf("load %d entries into the history (list shown): %lld ms (%d rows)\n", kEntries,
                timer.elapsed(), history.rowCount());
    RecordFigure("load", timer.elapsed(), "ms");
    timer.restart();
    view.ShowStep(history.rowCount() - 1);
    QApplication::processEvents();
    std::printf("first layout of all rows, select and scroll to the last, repaint: %lld ms\n",
                timer.elapsed());
    RecordFigure("first layout, scroll to the last, repaint", timer.elapsed(), "ms");

    constexpr int kAppends = 100000;
    timer.restart();
    for (int i = 0; i < kAppends; ++i)
        history.AddToHistory(ColorRef(i));
    QApplication::processEvents();
    std::printf("record %d colours in a row, list shown, one repaint: %lld ms (%.2f us each)\n",
                kAppends, timer.elapsed(), timer.nsecsElapsed() / 1000.0 / kAppends);
    RecordFigure("record in a row, list shown", timer.nsecsElapsed() / 1000.0 / kAppends, "us");

    // With the list shown, each recorded colour is selected and painted at once.
    constexpr int kShownRecords = 50;
    timer.restart();
    for (int i = 0; i < kShownRecords; ++i) {
        history.AddToHistory(ColorRef(i));
        view.ShowStep(history.rowCount() - 1);
        QApplication::processEvents();
    }
    std::printf("record, select and repaint one colour, list shown, %d entries: %.1f ms each\n",
                history.rowCount(), double(timer.elapsed()) / kShownRecords);
    RecordFigure("record, select and repaint, list shown", double(timer.elapsed()) / kShownRecords,
                 "ms");
    view.hide();
    QApplication::processEvents();
    constexpr int kHiddenRecords = 1000;
    timer.restart();
    for (int i = 0; i < kHiddenRecords; ++i) {
        history.AddToHistory(ColorRef(i));
        QApplication::processEvents();
    }
    std::printf("record one colour, list hidden, %d entries: %.3f ms each\n", history.rowCount(),
                double(timer.elapsed()) / kHiddenRecords);
    RecordFigure("record, list hidden", double(timer.elapsed()) / kHiddenRecords, "ms");

    timer.restart();
    int steps = 0;
    while (history.Undo())
        ++steps;
    std::printf("Undo through %d steps: %lld ms\n", steps, timer.elapsed());
    RecordFigure("Undo through all steps", timer.elapsed(), "ms");

    // The History window scrolls to each newest entry as it is recorded.
    MainWindowKit kit(dir.path() + QLatin1Char('/'));
    kit.history.AppendLoaded(colours);
    HistoryWindow window(kit.window, kit.platform, kit.settings, kit.colour, kit.history,
                         kit.commands, kit.tip);
    window.show();
    QApplication::processEvents();
    timer.restart();
    for (int i = 0; i < kShownRecords; ++i) {
        kit.history.AddToHistory(ColorRef(i));
        QApplication::processEvents();
    }
    std::printf("record one colour, History window showing, %d entries: %.1f ms each\n",
                kit.history.rowCount(), double(timer.elapsed()) / kShownRecords);
    RecordFigure("record, History window showing", double(timer.elapsed()) / kShownRecords, "ms");
    return content.error.isEmpty() ? 0 : 1;
}
