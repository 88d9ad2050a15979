#include "app/KromiApplication.h"
#include "state/ColourList.h"
#include "support/FakePlatform.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/windows/EyeDropperWindow.h"
#include "ui/windows/MainWindow.h"

#include <QDialog>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

// A save dialog that is open (a real modal dialog with its own event loop) while
// `whileOpen` runs, then answers with the next queued name.
class OpenSaveDialog : public FakeFileDialogs
{
public:
    QString SaveFile(QWidget* parent, const FileDialogRequest& request) override
    {
        QDialog dialog;
        dialog.setModal(true);
        QTimer::singleShot(0, &dialog, [&] {
            whileOpen();
            dialog.accept();
        });
        dialog.exec();
        return FakeFileDialogs::SaveFile(parent, request);
    }

    std::function<void()> whileOpen;
};

// The program in a fresh folder, on fake desktop operations, started.
struct Run
{
    Run()
        : folder(dir.path() + QLatin1Char('/')), platform{fake.messages,      saveDialog,
                                                          fake.inputBox,      fake.colourDialog,
                                                          fake.fontDialog,    fake.clipboard,
                                                          fake.screen,        fake.shell,
                                                          fake.windowControl, fake.colourPicker},
          app(platform, folder)
    {
    }

    bool Start(const QStringList& arguments = {})
    {
        QSignalSpy started(&app, &KromiApplication::started);
        app.Start(arguments);
        app.splashPause().setInterval(0);
        return started.wait();
    }

    QString WriteList(const char* name, const QByteArray& content) const
    {
        QFile file(folder + QLatin1String(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
                   ? file.fileName()
                   : QString();
    }

    QTemporaryDir dir;
    QString folder;
    FakePlatform fake;
    OpenSaveDialog saveDialog;
    Platform platform;
    KromiApplication app;
};

const QByteArray kRedList("255,0,0           #FF0000 - 0000FF\r\n");

} // namespace

class LifecycleTest : public QObject
{
    Q_OBJECT
private slots:
    void theProgramEndsWhateverIsOpen_data();
    void theProgramEndsWhateverIsOpen();
    void aHandedOverListWaitsForTheOpenDialog();
    void aDropIsAcceptedAtOnceAndAnsweredAfter();
    void aCommandLineNameThatIsNoTextIsReported();
};

void LifecycleTest::theProgramEndsWhateverIsOpen_data()
{
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<bool>("sessionEnd");
    const QList<std::pair<const char*, QList<int>>> tools{
        {"Eye Dropper", {int(Command::EyeDropper)}},
        {"Shape Test", {int(Command::ShapeTest)}},
        {"Web Page Test", {int(Command::WebPageTest)}},
        {"Copy", {int(Command::CopyWindow)}},
        {"Reopen", {int(Command::Reopen)}},
        {"Variations", {int(Command::Variations)}},
        {"About", {int(Command::About)}},
        {"all",
         {int(Command::ShapeTest), int(Command::WebPageTest), int(Command::Reopen),
          int(Command::Variations), int(Command::CopyWindow), int(Command::EyeDropper)}}};
    for (const auto& [name, commands] : tools) {
        QTest::addRow("%s, main X", name) << commands << false;
        QTest::addRow("%s, session end", name) << commands << true;
    }
}

// The event loop ends after the files were written once, whatever window is open.
void LifecycleTest::theProgramEndsWhateverIsOpen()
{
    QFETCH(QList<int>, commands);
    QFETCH(bool, sessionEnd);
    Run run;
    QVERIFY(run.Start());
    for (int command : commands)
        run.app.commands().Run(Command(command));
    if (commands.contains(int(Command::EyeDropper)))
        QTRY_VERIFY(run.app.eyeDropper()->window()->IsOpen());
    QSignalSpy finished(&run.app, &KromiApplication::finished);
    QTimer::singleShot(0, &run.app, [&] {
        if (sessionEnd)
            run.app.EndSession();
        else
            run.app.mainWindow()->close();
    });
    // Only a guard against a test that never ends.
    QTimer refused;
    refused.callOnTimeout([] { QCoreApplication::exit(1); });
    refused.start(30000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(finished.size(), 1);
    QVERIFY(QFile::exists(run.folder + QStringLiteral("set.set")));
}

// A list handed over while Save As is open must not be the list the dialog then
// writes over the chosen file.
void LifecycleTest::aHandedOverListWaitsForTheOpenDialog()
{
    Run run;
    QVERIFY(run.Start());
    run.app.commands().Run(Command::AddToList);
    const QString red = run.WriteList("red.cll", kRedList);
    const QString chosen = run.folder + QStringLiteral("chosen.cll");
    run.saveDialog.fileNames = {chosen};
    run.fake.messages.answers = {true, true};
    run.saveDialog.whileOpen = [&] { run.app.OpenHandedOverList({"qbkromi", red}); };
    run.app.commands().Run(Command::SaveList);
    QFile saved(chosen);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray written = saved.readAll();
    QVERIFY(written.contains("06A7FF"));
    QVERIFY(!written.contains("FF0000"));
    QTRY_COMPARE(run.app.colourList().CurrentListPath(), red);
}

// The file manager's drag never waits on the question about a changed list.
void LifecycleTest::aDropIsAcceptedAtOnceAndAnsweredAfter()
{
    Run run;
    QVERIFY(run.Start());
    run.app.commands().Run(Command::AddToList);
    run.fake.messages.answers = {true};
    const QString red = run.WriteList("red.cll", kRedList);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(red)});
    QDragEnterEvent enter(QPoint(100, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(run.app.mainWindow(), &enter);
    QDropEvent drop(QPointF(100, 300), Qt::CopyAction, &data, Qt::LeftButton, {});
    drop.setAccepted(false);
    QApplication::sendEvent(run.app.mainWindow(), &drop);
    QVERIFY(drop.isAccepted());
    QVERIFY(run.fake.messages.shown.isEmpty());
    QTRY_COMPARE(run.app.colourList().CurrentListPath(), red);
    QCOMPARE(run.fake.messages.shown.size(), 1);
}

void LifecycleTest::aCommandLineNameThatIsNoTextIsReported()
{
    Run run;
    // Latin-1 "café.cll": not UTF-8.
    const QByteArray name = QFile::encodeName(run.folder) + "caf\xe9.cll";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, kRedList.constData(), size_t(kRedList.size())), kRedList.size());
    ::close(fd);
    QVERIFY(run.Start({"qbkromi", QString::fromLocal8Bit(name)}));
    QCOMPARE(run.fake.messages.shown.size(), 1);
    QVERIFY(run.fake.messages.shown[0].text.contains(QStringLiteral("not valid")));
    QVERIFY(run.app.colourList().CurrentListPath().isEmpty());
    ::unlink(name.constData());
}

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
