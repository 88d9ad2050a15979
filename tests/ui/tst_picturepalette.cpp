// A palette from a picture loaded or dropped on the colour list.
#include "support/MainWindowKit.h"
#include "support/MainWindowParts.h"
#include "ui/features/ListFilesFeature.h"
#include "ui/features/PicturePaletteFeature.h"
#include "ui/widgets/ColourListView.h"
#include "ui/windows/ListPanel.h"

#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const ColorRef kSky = PackColour(6, 167, 255);
const ColorRef kRust = PackColour(183, 65, 14);
const ColorRef kMoss = PackColour(138, 154, 91);
const ColorRef kInk = PackColour(20, 20, 30);
const ColorRef kStart = PackColour(1, 2, 3);

struct Kit : MainWindowKit
{
    explicit Kit(const QString& folder) : MainWindowKit(folder)
    {
        files = std::make_unique<ListFilesFeature>(context);
        panel = MakeListPanel(context);
        pictures = files->findChild<PicturePaletteFeature*>();
    }

    std::unique_ptr<ListFilesFeature> files;
    std::unique_ptr<ListPanel> panel;
    PicturePaletteFeature* pictures = nullptr;
};

QList<ColorRef> Colours(const ColourList& list)
{
    QList<ColorRef> colours;
    for (const ColourListItem& item : list.items())
        colours << item.colour;
    return colours;
}

// Four blocks of 40, 30, 20 and 10 % of the picture; 16-pixel columns keep them
// flat through JPEG's blocks.
QImage FourBlocks()
{
    QImage image(160, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    const QList<QPair<ColorRef, int>> blocks{{kMoss, 32}, {kSky, 64}, {kInk, 16}, {kRust, 48}};
    int x = 0;
    for (const auto& [colour, width] : blocks) {
        const Rgb c = UnpackColour(colour);
        painter.fillRect(x, 0, width, 64, QColor(c.red, c.green, c.blue));
        x += width;
    }
    return image;
}

} // namespace

class PicturePaletteTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadedPngAddsItsColours();
    void droppedOnTheListJpegAddsNearColours();
    void answers_data();
    void answers();
    void unreadablePictureIsReported();
    void picturesWaitTheirTurn();

private:
    QString Save(const QString& name, const QImage& image, const char* format);
    void DropOnList(const QStringList& paths);
    int WaitForDone();

    QTemporaryDir m_dir;
    std::unique_ptr<Kit> m_kit;
};

void PicturePaletteTest::init()
{
    m_kit = std::make_unique<Kit>(m_dir.path() + '/');
    QVERIFY(m_kit->pictures);
    m_kit->list.AddDroppedColourToList(kStart);
    m_kit->list.SetChanged(false);
    m_kit->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_kit->window));
}

void PicturePaletteTest::cleanup()
{
    m_kit.reset();
}

QString PicturePaletteTest::Save(const QString& name, const QImage& image, const char* format)
{
    const QString path = m_dir.filePath(name);
    return image.save(path, format, 100) ? path : QString();
}

// What the desktop does: drag enter, then drop, on the list view.
void PicturePaletteTest::DropOnList(const QStringList& paths)
{
    QWidget* target = m_kit->panel->listView()->viewport();
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    // The drop is accepted at once and its files are taken from the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// The colours the picture under way added. Only for work started without the
// event loop running since.
int PicturePaletteTest::WaitForDone()
{
    QSignalSpy done(m_kit->pictures, &PicturePaletteFeature::pictureDone);
    return done.wait(60000) ? done.last().at(1).toInt() : -1;
}

void PicturePaletteTest::loadedPngAddsItsColours()
{
    const QString png = Save("blocks.png", FourBlocks(), "PNG");
    m_kit->fake.inputBox.answers = {QString("4")};
    m_kit->fake.fileDialogs.fileNames = {png};
    m_kit->files->LoadList();
    QCOMPARE(m_kit->fake.inputBox.calls.size(), 1);
    QCOMPARE(m_kit->fake.inputBox.calls[0].prompt, "How many colors (2 to 64)?");
    QCOMPARE(m_kit->fake.inputBox.calls[0].initial, "8");
    QVERIFY(m_kit->pictures->isBusy());
    QVERIFY(ProgressBarOf(m_kit->window)->isVisible());
    QCOMPARE(WaitForDone(), 4);
    QCOMPARE(Colours(m_kit->list), (QList<ColorRef>{kStart, kSky, kRust, kMoss, kInk}));
    QVERIFY(!ProgressBarOf(m_kit->window)->isVisible());
    QVERIFY(m_kit->list.IsChanged());
    QCOMPARE(m_kit->list.CurrentListPath(), QString()); // a picture is no list file
    QVERIFY(m_kit->fake.messages.shown.isEmpty());
    // The count asked for last is offered next time.
    m_kit->files->LoadListFile(png);
    QCOMPARE(m_kit->fake.inputBox.calls.back().initial, "4");
}

// A JPEG named like anything: known by its content.
void PicturePaletteTest::droppedOnTheListJpegAddsNearColours()
{
    const QString jpeg = Save("blocks.data", FourBlocks(), "JPEG");
    m_kit->fake.inputBox.answers = {QString("4")};
    DropOnList({jpeg});
    QCOMPARE(WaitForDone(), 4);
    const QList<ColorRef> expected{kSky, kRust, kMoss, kInk};
    for (int i = 0; i < 4; ++i) {
        const Rgb got = UnpackColour(m_kit->list.colourAt(i + 1));
        const Rgb want = UnpackColour(expected[i]);
        QVERIFY2(qAbs(got.red - want.red) <= 3 && qAbs(got.green - want.green) <= 3 &&
                     qAbs(got.blue - want.blue) <= 3,
                 qPrintable(m_kit->list.textAt(i + 1)));
    }
}

void PicturePaletteTest::answers_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("cancelled") << std::optional<QString>() << QString();
    QTest::newRow("no number") << std::optional<QString>("lots")
                               << "'lots' is not a valid integer value";
    QTest::newRow("too few") << std::optional<QString>("1")
                             << "The number of colors must be from 2 to 64.";
    QTest::newRow("too many") << std::optional<QString>("65")
                              << "The number of colors must be from 2 to 64.";
}

void PicturePaletteTest::answers()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, message);
    m_kit->fake.inputBox.answers = {answer};
    m_kit->files->LoadListFile(Save("blocks.png", FourBlocks(), "PNG"));
    QVERIFY(!m_kit->pictures->isBusy());
    QCOMPARE(Colours(m_kit->list), QList<ColorRef>{kStart});
    QCOMPARE(m_kit->fake.messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m_kit->fake.messages.shown[0].text, message);
}

void PicturePaletteTest::unreadablePictureIsReported()
{
    const QString path = m_dir.filePath("cut.png");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1A\n and then nothing of a picture");
    file.close();
    m_kit->fake.inputBox.answers = {QString("8")};
    DropOnList({path});
    QCOMPARE(WaitForDone(), 0);
    QCOMPARE(m_kit->fake.messages.shown.size(), 1);
    QCOMPARE(m_kit->fake.messages.shown[0].text, "Cannot open file " + path);
    QCOMPARE(Colours(m_kit->list), QList<ColorRef>{kStart});
}

void PicturePaletteTest::picturesWaitTheirTurn()
{
    QImage grey(30, 30, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    const QString first = Save("first.png", FourBlocks(), "PNG");
    const QString second = Save("second.png", grey, "PNG");
    m_kit->fake.inputBox.answers = {QString("2"), QString("5")};
    QSignalSpy done(m_kit->pictures, &PicturePaletteFeature::pictureDone);
    DropOnList({first, second});
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 60000);
    QCOMPARE(m_kit->fake.inputBox.calls.size(), 2);
    QCOMPARE(done[0][0].toString(), first);
    QCOMPARE(done[1][1].toInt(), 1);
    QCOMPARE(Colours(m_kit->list),
             (QList<ColorRef>{kStart, m_kit->list.colourAt(1), m_kit->list.colourAt(2),
                              PackColour(128, 128, 128)}));
    QVERIFY(!m_kit->pictures->isBusy());
}

QTEST_MAIN(PicturePaletteTest)
#include "tst_picturepalette.moc"
