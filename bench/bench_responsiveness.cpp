// How long the user-interface thread is busy (and so cannot answer) in the places
// where big lists used to freeze the program: Ctrl+C of a million selected
// colours, the Copy window's list pictures, another program pasting a picture,
// a million-colour palette named on the command line, Shift+End and Delete
// Selected on a million items, and the eye dropper's readout following the
// cursor. Target: under 50 ms each.
#include "copy/CopyText.h"
#include "state/ColourList.h"
#include "support/FakePlatform.h"
#include "support/MainWindowKit.h"
#include "ui/features/CopyFeature.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/widgets/ColourListView.h"
#include "ui/windows/CopyPreviewPanel.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EyeDropperPanel.h"
#include "ui/windows/EyeDropperWindow.h"
#include "ui/windows/ListPanel.h"

#include "BenchReport.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr double kTargetMs = 50;

double g_lastCpuMs = 0;

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall time of `work`; its CPU time on this thread is kept for Report, since on a
// shared machine the wall time also counts other programs' turns.
double Time(const std::function<void()>& work)
{
    const double cpuStart = ThreadCpuMs();
    QElapsedTimer timer;
    timer.start();
    work();
    g_lastCpuMs = ThreadCpuMs() - cpuStart;
    return double(timer.nsecsElapsed()) / 1e6;
}

void Report(const char* what, double ms, bool target = true)
{
    if (target)
        std::printf("%-58s %9.1f ms  (%7.1f ms CPU; target < %.0f ms: %s)\n", what, ms, g_lastCpuMs,
                    kTargetMs, ms < kTargetMs ? "met" : "MISSED");
    else
        std::printf("%-58s %9.1f ms  (%7.1f ms CPU)\n", what, ms, g_lastCpuMs);
    std::fflush(stdout);
    RecordFigure(what, ms, "ms");
}

long ResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

QList<ColorRef> Colours(int count)
{
    QList<ColorRef> colours;
    colours.reserve(count);
    for (int i = 0; i < count; ++i)
        colours << ColorRef((std::uint32_t(i) * 2654435761u) & 0xFFFFFF);
    return colours;
}

// Waits (answering events) until `done` holds; the time it took. `longest` gets
// the longest the event loop was busy in one go meanwhile.
double Until(const std::function<bool()>& done, int timeoutMs = 20000, double* longest = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    double worst = 0;
    while (!done() && timer.elapsed() < timeoutMs) {
        QElapsedTimer turn;
        turn.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        worst = qMax(worst, double(turn.nsecsElapsed()) / 1e6);
    }
    if (longest)
        *longest = worst;
    return double(timer.nsecsElapsed()) / 1e6;
}

// What the clipboard holds, as another program asking for `type` gets it: data
// the payload offers itself, else what Qt's clipboard makes of its picture.
QByteArray AskFor(const QMimeData& data, const QString& type)
{
    if (data.formats().contains(type))
        return data.data(type);
    if (!data.hasImage())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    qvariant_cast<QImage>(data.imageData()).save(&buffer, type.mid(6).toUpper().toLatin1());
    return bytes;
}

// Keeps what it is given without asking for any of it, as the system clipboard
// does until another program pastes.
class PassiveClipboard : public Clipboard
{
public:
    void SetText(const QString& newText) override
    {
        mimeData.reset();
        text = newText;
    }
    void SetImage(const QImage&) override { mimeData.reset(); }
    void SetMimeData(QMimeData* data) override { mimeData.reset(data); }
    QString Text() const override { return text; }

    QString text;
    std::unique_ptr<QMimeData> mimeData;
};

struct Kit
{
    explicit Kit(const QString& folder)
        : main(folder), platform{main.fake.messages,      main.fake.fileDialogs,
                                 main.fake.inputBox,      main.fake.colourDialog,
                                 main.fake.fontDialog,    clipboard,
                                 main.fake.screen,        main.fake.shell,
                                 main.fake.windowControl, main.fake.colourPicker},
          context{platform,    main.settings, main.colour, main.list, main.history,
                  main.recent, main.commands, main.window, main.tip,  folder}
    {
        panel = MakeListPanel(context);
        main.window.show();
        QCoreApplication::processEvents();
    }
    MainWindowKit main;
    PassiveClipboard clipboard;
    Platform platform;
    AppContext context;
    std::unique_ptr<ListPanel> panel;
};

void QuickCopyAndSelection(const QString& folder)
{
    Kit kit(folder);
    kit.main.list.ReplaceWithLoadedColours(Colours(1000000));
    ColourListView* view = kit.panel->listView();
    view->setFocus();
    QCoreApplication::processEvents();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(kit.main.list.index(0)).center());
    QTest::keyClick(view, Qt::Key_Home);
    Report("6. Shift+End, 1,000,000 items",
           Time([&] { QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier); }));
    Report("6.   of it: the selected rows", Time([&] { kit.panel->SelectedRows(); }), false);
    CopyFeature copy(kit.context, *kit.panel);
    PassiveClipboard& clipboard = kit.clipboard;
    Report("1. Ctrl+C, 1,000,000 selected colours",
           Time([&] { copy.QuickCopy(ValueField::HtmlHex); }));
    QString text;
    Report("1.   another program pastes the text at once (waits)",
           Time([&] { text = clipboard.mimeData ? clipboard.mimeData->text() : clipboard.text; }),
           false);
    std::printf("     %lld characters\n", static_cast<long long>(text.size()));
    kit.main.fake.messages.answers = {true};
    Report("6. Delete Selected, Yes, 1,000,000 selected",
           Time([&] { kit.panel->DeleteSelectedColours(); }));
    std::printf("     %d items left\n", kit.main.list.count());
}

void CopyWindowPictures(const QString& folder)
{
    Kit kit(folder);
    kit.main.list.ReplaceWithLoadedColours(Colours(10000));
    CopyFeature copy(kit.context, *kit.panel);
    CopyWindow* window = copy.window();
    window->SetPreviewShown(true);
    window->SetSource(CopySource::MainColor);
    window->SetFormat(CopyFormat::Swatches);
    window->ShowModal();
    QCoreApplication::processEvents();
    std::printf("2. resident memory at the start: %ld MiB\n", ResidentMiB());
    Report("2. \"Color List\", 10,000 colours (swatches)",
           Time([&] { window->SetSource(CopySource::ColorList); }));
    Report("2. \"List (BMP - WMF)\", 10,000 colours",
           Time([&] { window->SetFormat(CopyFormat::List); }));
    Report("2. \"Copy Now\", list picture of 10,000 colours", Time([&] { window->CopyNow(); }));
    window->close();
    QCoreApplication::processEvents();
    Report("2. reopening the Copy window (preview again)", Time([&] { window->ShowModal(); }));
    PassiveClipboard& clipboard = kit.clipboard;
    const auto paste = [&clipboard](const char* type) {
        return clipboard.mimeData ? AskFor(*clipboard.mimeData, QLatin1String(type)) : QByteArray();
    };
    QByteArray bmp;
    Report("3.   pasted as image/bmp at once (waits for the picture)",
           Time([&] { bmp = paste("image/bmp"); }), false);
    bmp.clear();
    window->CopyNow();
    // A later paste, as when the user goes to another program first.
    QThreadPool::globalInstance()->waitForDone();
    Report("3. another program pastes it as image/bmp", Time([&] { bmp = paste("image/bmp"); }));
    std::printf("     %lld bytes\n", static_cast<long long>(bmp.size()));
    bmp.clear();
    QByteArray png;
    Report("3. another program pastes it as image/png", Time([&] { png = paste("image/png"); }));
    std::printf("     %lld bytes\n", static_cast<long long>(png.size()));
    png.clear();
    const long held = ResidentMiB();
    std::printf("2. resident memory after copying and pasting: %ld MiB\n", held);
    RecordFigure("2. resident memory after copying and pasting", double(held), "MiB");
    clipboard.SetText(QString());
    const long after = ResidentMiB();
    std::printf("2. resident memory once the clipboard is taken over: %ld MiB\n", after);
    RecordFigure("2. resident memory once the clipboard is taken over", double(after), "MiB");

    window->SetSource(CopySource::MainColor);
    kit.main.list.ReplaceWithLoadedColours(Colours(100000));
    window->SetFormat(CopyFormat::Swatches);
    Report("2. \"Color List\", 100,000 colours (swatches)",
           Time([&] { window->SetSource(CopySource::ColorList); }));
    Report("4. \"List (BMP - WMF)\", 100,000 colours",
           Time([&] { window->SetFormat(CopyFormat::List); }));
    std::printf("4.   preview shows: \"%s\"%s\n", qPrintable(window->preview()->text()),
                window->preview()->image().isNull() ? "" : " and a picture");
    window->close();
}

void CommandLinePalette(const QString& folder)
{
    const QString path = folder + QStringLiteral("million.gpl");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        QByteArray data = "GIMP Palette\nName: million\nColumns: 16\n#\n";
        for (ColorRef c : Colours(1000000)) {
            const Rgb rgb = UnpackColour(c);
            data += QByteArray::number(rgb.red) + ' ' + QByteArray::number(rgb.green) + ' ' +
                    QByteArray::number(rgb.blue) + "\tUntitled\n";
        }
        file.write(data);
    }
    Kit kit(folder);
    ListFilesFeature files(kit.context);
    const double busy = Time([&] { files.LoadCommandLineList({QStringLiteral("qbkromi"), path}); });
    Report("5. 1,000,000-colour .gpl on the command line", busy);
    double longest = 0;
    const double rest = Until([&] { return kit.main.list.count() > 0; }, 20000, &longest);
    g_lastCpuMs = 0;
    Report("5.   longest the windows did not answer meanwhile", longest);
    Report("5.   until the list shows it", busy + rest, false);
    std::printf("     %d items\n", kit.main.list.count());
}

void EyeDropperReadout()
{
    FakeScreen screen;
    screen.screenSize = QSize(800, 600);
    screen.image = QImage(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            screen.image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    EyeDropperWindow window(screen);
    window.Open();
    QCoreApplication::processEvents();
    QLabel* readout = window.panel()->hexReadout();
    double total = 0, worst = 0;
    const int moves = 20;
    for (int i = 0; i < moves; ++i) {
        const QPoint at(400 + i * 7, 300 + i * 3);
        screen.cursorPosition = at;
        const QString before = readout->text();
        QElapsedTimer timer;
        timer.start();
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &move);
        Until([&] { return readout->text() != before; }, 1000);
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        total += ms;
        worst = qMax(worst, ms);
    }
    Report("7. eye dropper readout after a cursor move, mean", total / moves);
    Report("7.   worst of 20", worst);
    window.Close();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.path() + QLatin1Char('/');
    // Arguments pick parts by name (list, copy, palette, dropper); none runs all.
    const QStringList parts = app.arguments().mid(1);
    const auto wanted = [&parts](const char* name) {
        return parts.isEmpty() || parts.contains(QLatin1String(name));
    };
    if (wanted("list"))
        QuickCopyAndSelection(path);
    if (wanted("copy"))
        CopyWindowPictures(path);
    if (wanted("palette"))
        CommandLinePalette(path);
    if (wanted("dropper"))
        EyeDropperReadout();
    return 0;
}
