#include "storage/ListLoadWorker.h"
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/widgets/PanelButton.h"

#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const ColorRef kStart = PackColour(6, 167, 255);
const ColorRef kRed = PackColour(255, 0, 0);
const ColorRef kBlue = PackColour(0, 0, 255);
const ColorRef kBlack = PackColour(0, 0, 0);

QList<ColorRef> Colours(const ColourList& list)
{
    QList<ColorRef> colours;
    for (const ColourListItem& item : list.items())
        colours << item.colour;
    return colours;
}

// The main window with the list features, on fake desktop operations, in a
// program folder of its own.
struct Kit : MainWindowKit
{
    explicit Kit(const QString& folder) : MainWindowKit(folder)
    {
        files = std::make_unique<ListFilesFeature>(context);
    }

    std::unique_ptr<ListFilesFeature> files;
};

} // namespace

class ListFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadExamples_data();
    void loadExamples();
    void loadAsksWhenChanged();
    void loadOfAMissingFileOnlySetsThePath();
    void loadFailures_data();
    void loadFailures();
    void recentListsGrowOncePerFile();
    void droppedFiles();
    void palettesComeInButAreNeverWrittenOver();
    void saveAs();
    void saveAsFailureChangesNothing();
    void commandLine();
    void bigCommandLineListLoadsInTheBackground_data();
    void bigCommandLineListLoadsInTheBackground();
    void startupChoice_data();
    void startupChoice();
    void exitWrites();
    void unreadDefaultListIsNotOverwritten();
    void exitWriteKeepsOtherChanges_data();
    void exitWriteKeepsOtherChanges();

private:
    QString Write(const QString& name, const QByteArray& content);
    QByteArray Read(const QString& path) const;
    void DropOnMainWindow(const QStringList& paths);

    QTemporaryDir m_dir;
    QString m_folder;
    std::unique_ptr<Kit> m_kit;
    // Short names for the kit's parts.
    FakePlatform* m_fake = nullptr;
    SettingsStore* m_settings = nullptr;
    MainColour* m_colour = nullptr;
    ColourList* m_list = nullptr;
    HistoryList* m_history = nullptr;
    RecentLists* m_recent = nullptr;
    MainWindow* m_window = nullptr;
    ListFilesFeature* m_files = nullptr;
};

void ListFilesTest::init()
{
    QVERIFY(m_dir.isValid());
    // A fresh program folder for every test.
    m_folder = m_dir.path() + QLatin1Char('/') + QString::fromLatin1(QTest::currentTestFunction()) +
               QString::fromLatin1(QTest::currentDataTag()) + QLatin1Char('/');
    QVERIFY(QDir().mkpath(m_folder));
    m_kit = std::make_unique<Kit>(m_folder);
    m_fake = &m_kit->fake;
    m_settings = &m_kit->settings;
    m_colour = &m_kit->colour;
    m_list = &m_kit->list;
    m_history = &m_kit->history;
    m_recent = &m_kit->recent;
    m_window = &m_kit->window;
    m_files = m_kit->files.get();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void ListFilesTest::cleanup()
{
    m_kit.reset();
}

QString ListFilesTest::Write(const QString& name, const QByteArray& content)
{
    const QString path = m_folder + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

QByteArray ListFilesTest::Read(const QString& path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void ListFilesTest::DropOnMainWindow(const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(100, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(m_window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_window, &drop);
    // The drop is accepted at once and its files are loaded from the event loop.
    QCoreApplication::sendPostedEvents(m_files, QEvent::MetaCall);
}

void ListFilesTest::loadExamples_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<ColorRef>>("colours");
    QTest::addColumn<ColorRef>("mainColour");
    QTest::addColumn<QString>("message"); // %1: the file's path

    QTest::newRow("read after the dash")
        << QByteArray("0,0,0             #000000 - 000000\r\nx - FF0000\r\n")
        << QList<ColorRef>{kBlack, kBlue} << kBlue << QString();
    QTest::newRow("a colour twice") << QByteArray("a - 0000FF\r\nb - FF0000\r\nc - 0000FF\r\n")
                                    << QList<ColorRef>{kRed, kBlue} << kBlue << QString();
    QTest::newRow("no dash anywhere") << QByteArray("\r\nno colour here\r\n") << QList<ColorRef>{}
                                      << kStart << "The file '%1' holds no colors.";
    QTest::newRow("empty file") << QByteArray() << QList<ColorRef>{} << kStart << QString();
    QTest::newRow("comments among colours")
        << QByteArray("; warm\r\nx - 0000FF\r\n\r\nlabel\r\n") << QList<ColorRef>{kRed} << kRed
        << "The file '%1' holds 2 lines that are not colors; they are kept in place.";
    QTest::newRow("dash at the end")
        << QByteArray("abc-\r\n") << QList<ColorRef>{kBlack} << kBlack << QString();
    QTest::newRow("LF only") << QByteArray("1 - 0000FF\n2 - FF0000\n")
                             << QList<ColorRef>{kRed, kBlue} << kBlue << QString();
}

void ListFilesTest::loadExamples()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<ColorRef>, colours);
    QFETCH(ColorRef, mainColour);
    QFETCH(QString, message);
    m_list->AddDroppedColourToList(PackColour(1, 2, 3));
    m_list->SetChanged(false);
    const QString path = Write(QStringLiteral("web.cll"), content);
    m_fake->fileDialogs.fileNames.push_back(path);
    QTest::keyClick(m_window, Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(m_fake->fileDialogs.openRequests.size(), 1);
    QCOMPARE(m_fake->fileDialogs.openRequests[0].filter,
             QStringLiteral("QB Color List|*.cll|GIMP Palette|*.gpl|Photoshop ACO File|*.aco;*.ACO|"
                            "Adobe Swatch Exchange|*.ase|Pictures|*.png;*.jpg;*.jpeg|"
                            "Color Lists and Palettes|*.cll;*.gpl;*.aco;*.ACO;*.ase"));
    QCOMPARE(m_fake->fileDialogs.openRequests[0].defaultExtension, QStringLiteral("cll"));
    QCOMPARE(Colours(*m_list), colours);
    QCOMPARE(m_colour->colour(), mainColour);
    QCOMPARE(m_history->count(), 0);
    QCOMPARE(m_list->CurrentListPath(), path);
    QVERIFY(!m_list->IsChanged());
    QCOMPARE(m_recent->paths(), QStringList{path});
    QVERIFY(!ProgressBarOf(*m_window)->isVisible());
    QCOMPARE(m_fake->messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m_fake->messages.shown[0].text, message.arg(path));
}

void ListFilesTest::loadAsksWhenChanged()
{
    const QString path = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    m_list->AddDroppedColourToList(kBlue);
    m_fake->messages.answers = {false};
    QTest::mouseClick(PanelButtonOf(*m_window, "loadButton"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("Color list has changed. Are you sure to load a color list?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Load?"));
    QVERIFY(m_fake->fileDialogs.openRequests.isEmpty());

    m_fake->messages.answers = {true};
    m_fake->fileDialogs.fileNames.push_back(path);
    m_files->LoadList();
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kRed});

    // Cancelling the dialog keeps everything.
    m_list->AddDroppedColourToList(kBlue);
    m_fake->messages.answers = {true};
    m_files->LoadList();
    QCOMPARE(m_list->count(), 2);
    QCOMPARE(m_list->CurrentListPath(), path);
}

void ListFilesTest::loadOfAMissingFileOnlySetsThePath()
{
    m_list->AddDroppedColourToList(kRed);
    const QString typed = m_folder + QStringLiteral("new.cll");
    m_fake->messages.answers = {true};
    m_fake->fileDialogs.fileNames.push_back(typed);
    m_files->LoadList();
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kRed});
    QCOMPARE(m_list->CurrentListPath(), typed);
    QVERIFY(!m_list->IsChanged());
    QCOMPARE(m_recent->count(), 0);
    QCOMPARE(m_fake->messages.shown.size(), 1); // only the question
}

void ListFilesTest::loadFailures_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << false << QByteArray("a - 0000FF\r\nb - 00ZZ00\r\n")
                                  << QStringLiteral("'$0000ZZ00' is not a valid integer value");
    QTest::newRow("cannot be opened")
        << true << QByteArray() << QStringLiteral("Cannot open file %1");
}

void ListFilesTest::loadFailures()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QString path = m_folder + QStringLiteral("bad.cll");
    if (folder)
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(!Write(QStringLiteral("bad.cll"), content).isEmpty());
    m_list->AddDroppedColourToList(kRed);
    m_list->SetCurrentListPath(QStringLiteral("/lists/old.cll"));

    m_fake->messages.answers = {true};
    m_fake->fileDialogs.fileNames.push_back(path);
    m_files->LoadList();
    QCOMPARE(m_fake->messages.shown.size(), 2);
    QCOMPARE(m_fake->messages.shown[1].kind, FakeMessageBoxes::Kind::Information);
    QCOMPARE(m_fake->messages.shown[1].text,
             message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kRed});
    QCOMPARE(m_list->CurrentListPath(), QStringLiteral("/lists/old.cll"));
    QVERIFY(m_list->IsChanged());
    QCOMPARE(m_recent->count(), 0);
    QCOMPARE(m_colour->colour(), kStart);
    QVERIFY(!ProgressBarOf(*m_window)->isVisible());
}

void ListFilesTest::recentListsGrowOncePerFile()
{
    const QString a = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    const QString defaultList = Write(QStringLiteral("default.cll"), "x - FF0000\r\n");
    for (const QString& path : {a, defaultList, a})
        QVERIFY(m_files->LoadListFile(path));
    QCOMPARE(m_recent->paths(), QStringList{a});
    QCOMPARE(m_recent->displayTexts(), QStringList{QStringLiteral("a.cll")});
}

void ListFilesTest::droppedFiles()
{
    const QString upper = Write(QStringLiteral("LIST.CLL"), "x - 0000FF\r\n");
    const QString lower = Write(QStringLiteral("list.cll"), "x - 0000FF\r\n");
    const QString other = Write(QStringLiteral("other.cll"), "x - FF0000\r\n");
    m_list->AddDroppedColourToList(kBlack);

    DropOnMainWindow({upper});
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kBlack});
    QVERIFY(m_fake->messages.shown.isEmpty());

    // Only the first file can ask: every load clears the flag.
    m_fake->messages.answers = {true};
    DropOnMainWindow({lower, upper, other});
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text, QStringLiteral("Are you sure to load a color list?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("New?"));
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kBlue});
    QCOMPARE(m_list->CurrentListPath(), other);
    QCOMPARE(m_recent->paths(), (QStringList{lower, other}));

    // No skips the file only.
    m_list->AddDroppedColourToList(kBlack);
    m_fake->messages.answers = {false};
    DropOnMainWindow({lower});
    QCOMPARE(m_list->CurrentListPath(), other);
    QCOMPARE(m_list->count(), 2);
}

// A GIMP palette loads as the list by the Load dialog and by a drop; the exit write
// goes to neither the palette nor, while the list is unchanged, the default list.
void ListFilesTest::palettesComeInButAreNeverWrittenOver()
{
    const QByteArray palette = "GIMP Palette\nName: warm\n# a comment\n255 0 0\tred\n"
                               "0 0 255\n1 2\tbad row\n";
    const QString gpl = Write(QStringLiteral("warm.gpl"), palette);
    const QString defaultList = Write(QStringLiteral("default.cll"), "x - 00FF00\r\n");
    m_fake->fileDialogs.fileNames.push_back(gpl);
    m_files->LoadList();
    QCOMPARE(Colours(*m_list), (QList<ColorRef>{kRed, kBlue}));
    QCOMPARE(m_fake->messages.shown.size(), 1); // the bad row
    QVERIFY(m_fake->messages.shown[0].text.contains(QStringLiteral("1 2\tbad row")));
    QVERIFY(m_list->CurrentListPath().isEmpty());
    m_files->WriteColourListAtExit();
    QCOMPARE(Read(gpl), palette);
    QCOMPARE(Read(defaultList), QByteArray("x - 00FF00\r\n"));
    // Save As proposes the palette's name for the list file.
    m_files->SaveListAs(); // cancelled
    QVERIFY(
        m_fake->fileDialogs.saveRequests.last().initialPath.endsWith(QStringLiteral("/warm.cll")));

    // Changed, it goes to a new file named after the palette, which the next
    // start loads and names.
    Write(QStringLiteral("warm.cll"), "taken\r\n");
    m_list->NewList();
    DropOnMainWindow({gpl});
    QCOMPARE(Colours(*m_list), (QList<ColorRef>{kRed, kBlue}));
    m_list->AddDroppedColourToList(kBlack);
    const QString saved = m_folder + QStringLiteral("warm (2).cll");
    m_files->WriteLastListSetting();
    m_files->WriteColourListAtExit();
    QCOMPARE(Read(gpl), palette);
    QCOMPARE(Read(defaultList), QByteArray("x - 00FF00\r\n"));
    QCOMPARE(Read(m_folder + QStringLiteral("warm.cll")), QByteArray("taken\r\n"));
    QVERIFY(Read(saved).endsWith("#000000 - 000000\r\n"));
    QCOMPARE(m_settings->GetSetting(QStringLiteral("lastcll")), saved);
    m_fake->messages.shown.clear();
    m_files->ChooseStartupList();
    QCOMPARE(m_list->CurrentListPath(), saved);
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QVERIFY(m_fake->messages.shown[0].text.contains(saved));
}

void ListFilesTest::saveAs()
{
    m_list->AddDroppedColourToList(kStart);
    m_list->AddDroppedColourToList(kBlack);
    const QString chosen = m_folder + QStringLiteral("saved");
    m_fake->fileDialogs.fileNames.push_back(chosen);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(m_fake->fileDialogs.saveRequests.size(), 1);
    const FileDialogRequest request = m_fake->fileDialogs.saveRequests[0];
    QCOMPARE(request.filter, QStringLiteral("QB Color List|*.cll"));
    QCOMPARE(request.defaultExtension, QStringLiteral("cll"));
    QVERIFY(request.overwritePrompt);
    const QString path = chosen + QStringLiteral(".cll");
    QCOMPARE(Read(path), QByteArray("6,167,255             #06A7FF - FFA706\r\n"
                                    "0,0,0             #000000 - 000000\r\n"));
    QCOMPARE(m_list->CurrentListPath(), path);
    QCOMPARE(m_recent->paths(), QStringList{path});
    QVERIFY(!m_list->IsChanged());

    // What was saved loads back the same.
    m_list->NewList();
    QVERIFY(m_files->LoadListFile(path));
    QCOMPARE(Colours(*m_list), (QList<ColorRef>{kStart, kBlack}));

    // Cancel: nothing happens.
    m_list->AddDroppedColourToList(kRed);
    m_files->SaveListAs();
    QVERIFY(m_list->IsChanged());
}

void ListFilesTest::saveAsFailureChangesNothing()
{
    m_list->AddDroppedColourToList(kRed);
    const QString blocked = m_folder + QStringLiteral("blocked.cll");
    QVERIFY(QDir().mkdir(blocked));
    m_fake->fileDialogs.fileNames.push_back(blocked);
    m_files->SaveListAs();
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QVERIFY(m_fake->messages.shown[0].text.startsWith(QStringLiteral("Cannot create file ") +
                                                      blocked + QLatin1Char('\n')));
    QVERIFY(m_list->CurrentListPath().isEmpty());
    QVERIFY(m_list->IsChanged());
    QCOMPARE(m_recent->count(), 0);
}

void ListFilesTest::commandLine()
{
    // Any extension: the content makes it a list.
    const QString path =
        Write(QStringLiteral("arg.txt"), "255,0,0             #FF0000 - 0000FF\r\n");
    m_files->LoadCommandLineList({QStringLiteral("qbkromi")});
    m_files->LoadCommandLineList(
        {QStringLiteral("qbkromi"), m_folder + QStringLiteral("none.cll")});
    m_files->LoadCommandLineList({QStringLiteral("qbkromi"), m_folder});
    QCOMPARE(m_list->count(), 0);
    QVERIFY(m_list->CurrentListPath().isEmpty());

    m_list->AddDroppedColourToList(kBlack);
    m_fake->messages.answers = {false};
    m_files->LoadCommandLineList({QStringLiteral("qbkromi"), path});
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text, QStringLiteral("Are you sure to load a color list?"));
    QCOMPARE(m_fake->messages.shown[0].title, QStringLiteral("Load?"));
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kBlack});

    // Any extension; a relative name is stored as the full path.
    m_list->SetChanged(false);
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_folder));
    m_files->LoadCommandLineList({QStringLiteral("qbkromi"), QStringLiteral("arg.txt")});
    QDir::setCurrent(current);
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kRed});
    QCOMPARE(QFileInfo(m_list->CurrentListPath()), QFileInfo(path));
    QVERIFY(QFileInfo(m_list->CurrentListPath()).isAbsolute());
}

void ListFilesTest::bigCommandLineListLoadsInTheBackground_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("changedMeanwhile");
    QTest::addColumn<bool>("answer");
    QTest::newRow("list") << "big.cll" << false << false;
    QTest::newRow("palette") << "big.gpl" << false << false;
    QTest::newRow("list changed meanwhile, load") << "big.cll" << true << true;
    QTest::newRow("list changed meanwhile, keep") << "big.cll" << true << false;
}

// A file of a megabyte or more is read on a worker thread while the window goes on
// answering, and then gives the list exactly what a load in one go gives.
void ListFilesTest::bigCommandLineListLoadsInTheBackground()
{
    QFETCH(QString, name);
    QFETCH(bool, changedMeanwhile);
    QFETCH(bool, answer);
    const bool palette = name.endsWith(QLatin1String(".gpl"));
    QByteArray content = palette ? "GIMP Palette\nName: big\n#\n" : "";
    for (int i = 0; i < 60000; ++i) {
        const ColorRef colour = ColorRef(i * 277) & 0xFFFFFF;
        const Rgb rgb = UnpackColour(colour);
        content += palette ? QByteArray::number(rgb.red) + ' ' + QByteArray::number(rgb.green) +
                                 ' ' + QByteArray::number(rgb.blue) + "\tcolour\n"
                           : FormatListItemText(colour).toLatin1() + "\r\n";
    }
    QVERIFY(content.size() >= kBackgroundLoadBytes);
    const QString path = Write(name, content);
    QSignalSpy ended(m_files, &ListFilesFeature::backgroundLoadEnded);
    m_files->LoadCommandLineList({QStringLiteral("qbkromi"), path});
    QCOMPARE(m_list->count(), 0);
    QVERIFY(ProgressBarOf(*m_window)->isVisible());
    if (changedMeanwhile) {
        m_list->AddDroppedColourToList(kBlack);
        m_fake->messages.answers = {answer};
    }
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
    QVERIFY(!ProgressBarOf(*m_window)->isVisible());
    if (changedMeanwhile) {
        QCOMPARE(m_fake->messages.shown.size(), 1);
        QCOMPARE(m_fake->messages.shown[0].text,
                 QStringLiteral("Are you sure to load a color list?"));
    }
    if (changedMeanwhile && !answer) {
        QCOMPARE(Colours(*m_list), QList<ColorRef>{kBlack});
        QVERIFY(m_list->IsChanged());
        return;
    }
    ColourList inOneGo;
    const ListLoadResult expected = LoadListOrPalette(path, inOneGo);
    QCOMPARE(Colours(*m_list), Colours(inOneGo));
    QCOMPARE(m_list->CurrentListPath(), inOneGo.CurrentListPath());
    QCOMPARE(m_list->IsNotReadInFull(), inOneGo.IsNotReadInFull());
    QVERIFY(!m_list->IsChanged());
    QCOMPARE(m_colour->colour(), *expected.mainColour);
    QCOMPARE(m_recent->count(), 1);
}

void ListFilesTest::startupChoice_data()
{
    QTest::addColumn<bool>("lastSet");
    QTest::addColumn<bool>("lastExists");
    QTest::addColumn<bool>("defaultExists");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("path"); // "last", "default" or ""
    QTest::addColumn<QList<ColorRef>>("colours");

    QTest::newRow("last list") << true << true << true << 0 << QStringLiteral("last")
                               << QList<ColorRef>{kRed};
    QTest::newRow("last missing, default")
        << true << false << true << 1 << QStringLiteral("default") << QList<ColorRef>{kBlue};
    QTest::newRow("last missing, no default")
        << true << false << false << 2 << QString() << QList<ColorRef>{};
    QTest::newRow("no last, default")
        << false << false << true << 0 << QStringLiteral("default") << QList<ColorRef>{kBlue};
    QTest::newRow("nothing") << false << false << false << 0 << QStringLiteral("")
                             << QList<ColorRef>{};
}

void ListFilesTest::startupChoice()
{
    QFETCH(bool, lastSet);
    QFETCH(bool, lastExists);
    QFETCH(bool, defaultExists);
    QFETCH(int, messages);
    QFETCH(QString, path);
    QFETCH(QList<ColorRef>, colours);
    const QString last = m_folder + QStringLiteral("last.cll");
    const QString defaultList = m_folder + QStringLiteral("default.cll");
    if (lastExists)
        Write(QStringLiteral("last.cll"), "x - 0000FF\r\n");
    if (defaultExists)
        Write(QStringLiteral("default.cll"), "x - FF0000\r\n");
    if (lastSet)
        m_settings->SetSetting(QStringLiteral("lastcll"), last);
    const QString stored = QStringLiteral("/lists/kept.cll");
    Write(QStringLiteral("colorlist.cl1"), stored.toLatin1() + "\r\n");

    m_files->ChooseStartupList();
    QCOMPARE(m_recent->paths().value(0), stored);
    QCOMPARE(m_fake->messages.shown.size(), messages);
    if (messages > 0)
        QCOMPARE(m_fake->messages.shown[0].text,
                 QStringLiteral("The file '") + last +
                     QStringLiteral("' can not be found.\rLoading default color list."));
    if (messages > 1)
        QCOMPARE(
            m_fake->messages.shown[1].text,
            QStringLiteral("Default color list can not be found.\r Creating a new color list."));
    QCOMPARE(m_list->CurrentListPath(), path == QLatin1String("last")      ? last
                                        : path == QLatin1String("default") ? defaultList
                                                                           : QString());
    QCOMPARE(Colours(*m_list), colours);
    QVERIFY(!m_list->IsChanged());
    QCOMPARE(m_settings->GetSetting(QStringLiteral("lastcll")).isEmpty(),
             !lastSet || messages == 2);
    // The default list never enters the recent lists.
    QVERIFY(!m_recent->Contains(defaultList));
}

void ListFilesTest::exitWrites()
{
    const QString list = m_folder + QStringLiteral("mine.cll");
    m_list->AddDroppedColourToList(kRed);
    m_list->SetCurrentListPath(list);
    m_recent->AddLoadedList(QStringLiteral("/lists/a.cll"));
    m_recent->AddLoadedList(QStringLiteral("/lists/b.cll"));
    m_files->WriteLastListSetting();
    m_files->WriteListFilesAtExit();
    m_files->WriteColourListAtExit();
    QCOMPARE(m_settings->GetSetting(QStringLiteral("lastcll")), list);
    QCOMPARE(Read(m_folder + QStringLiteral("colorlist.cl1")),
             QByteArray("/lists/a.cll\r\n/lists/b.cll\r\n"));
    QCOMPARE(Read(list), QByteArray("255,0,0             #FF0000 - 0000FF\r\n"));
    QCOMPARE(Read(m_folder + QStringLiteral("default.cll")), QByteArray("<missing>"));

    m_list->NewList();
    m_files->WriteLastListSetting();
    m_files->WriteColourListAtExit();
    QVERIFY(!m_settings->lines().join(QLatin1Char('\n')).contains(QLatin1String("lastcll")));
    QCOMPARE(Read(m_folder + QStringLiteral("default.cll")), QByteArray());

    // Unwritable places are skipped without a message; the list goes beside the
    // default list and the next start says so.
    const QString unwritable = m_folder + QStringLiteral("no/such/folder/x.cll");
    m_list->SetCurrentListPath(unwritable);
    m_files->WriteColourListAtExit();
    QVERIFY(m_fake->messages.shown.isEmpty());
    QCOMPARE(Read(m_folder + QStringLiteral("x.cll")), QByteArray());
    m_files->ChooseStartupList();
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QVERIFY(m_fake->messages.shown[0].text.startsWith(
        QStringLiteral("The color list could not be saved to '%1'").arg(unwritable)));
}

void ListFilesTest::unreadDefaultListIsNotOverwritten()
{
    const QByteArray content("a - 0000FF\r\nbroken - XYZ\r\n");
    const QString defaultList = Write(QStringLiteral("default.cll"), content);
    m_files->ChooseStartupList();
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_list->count(), 0);
    m_files->WriteColourListAtExit();
    QCOMPARE(Read(defaultList), content);

    // Changed, it goes to a new file beside it; the next start tells where, once.
    m_list->AddDroppedColourToList(kRed);
    m_files->WriteLastListSetting();
    m_files->WriteColourListAtExit();
    QCOMPARE(Read(defaultList), content);
    const QString saved = m_folder + QStringLiteral("default (2).cll");
    QCOMPARE(Read(saved), QByteArray("255,0,0             #FF0000 - 0000FF\r\n"));
    m_fake->messages.shown.clear();
    m_files->ChooseStartupList();
    QCOMPARE(Colours(*m_list), QList<ColorRef>{kRed});
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text,
             QStringLiteral("'%1' holds colors this program did not load, so it was not written "
                            "over: your color list was saved as '%2'.")
                 .arg(defaultList, saved));
    m_fake->messages.shown.clear();
    m_files->ChooseStartupList();
    QVERIFY(m_fake->messages.shown.isEmpty());
}

void ListFilesTest::exitWriteKeepsOtherChanges_data()
{
    QTest::addColumn<bool>("userChanges");
    QTest::addColumn<QByteArray>("other"); // written by another program; "" deletes
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<bool>("newFile"); // the list went to "a (2).cll"
    const QByteArray mine("x - 0000FF\r\n");
    const QByteArray theirs("y - 00FF00\r\n");
    const QByteArray written("255,0,0             #FF0000 - 0000FF\r\n"
                             "0,0,255             #0000FF - FF0000\r\n");
    QTest::newRow("unchanged, file untouched") << false << mine << mine << false;
    QTest::newRow("unchanged, file changed") << false << theirs << theirs << false;
    QTest::newRow("changed, file untouched") << true << mine << written << false;
    QTest::newRow("changed, file changed") << true << theirs << theirs << true;
    QTest::newRow("changed, same size")
        << true << QByteArray("x - 0000FE\r\n") << QByteArray("x - 0000FE\r\n") << true;
    QTest::newRow("changed, file deleted") << true << QByteArray() << written << false;
}

// Two copies share a list: the exit writes only a changed list, and only over the
// file as it was read; a file changed since stays, the list goes beside it.
void ListFilesTest::exitWriteKeepsOtherChanges()
{
    QFETCH(bool, userChanges);
    QFETCH(QByteArray, other);
    QFETCH(QByteArray, fileAfter);
    QFETCH(bool, newFile);
    const QString path = Write(QStringLiteral("a.cll"), "x - 0000FF\r\n");
    QVERIFY(m_files->LoadListFile(path));
    if (userChanges)
        m_list->AddDroppedColourToList(kBlue);
    if (other.isEmpty())
        QVERIFY(QFile::remove(path));
    else
        Write(QStringLiteral("a.cll"), other);
    m_files->WriteLastListSetting();
    m_files->WriteColourListAtExit();
    QCOMPARE(Read(path), fileAfter);
    const QString saved = m_folder + QStringLiteral("a (2).cll");
    QCOMPARE(QFileInfo::exists(saved), newFile);
    QCOMPARE(m_settings->GetPathSetting(QStringLiteral("lastcll")), newFile ? saved : path);
    if (newFile) {
        QVERIFY(Read(saved).endsWith("#0000FF - FF0000\r\n"));
        m_files->ChooseStartupList();
        QCOMPARE(m_fake->messages.shown.size(), 1);
        QVERIFY(m_fake->messages.shown[0].text.startsWith(
            QStringLiteral("'%1' was changed by another program").arg(path)));
    }
}

QTEST_MAIN(ListFilesTest)
#include "tst_listfiles.moc"
