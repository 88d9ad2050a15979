// Colours dragged between the built program and a second program (kromi_dragpeer) on
// a real X server with no window manager: the drag crosses processes through the X
// drag protocol, so what the main swatch offers and takes is what any program sees.
#include "support/ProgramReady.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The main swatch's middle inside the main window (a 60-pixel circle at 71, 144).
const QPoint kMainSwatch(101, 174);
// The peer's swatch and drop target inside its window.
const QPoint kPeerSource(50, 50);
const QPoint kPeerTarget(150, 50);

QString Xdo(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(30000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

// The top left corner of the first visible window of `pid` named `pattern`; nullopt
// when none shows within the time.
std::optional<QPoint> WaitForWindow(qint64 pid, const QString& pattern)
{
    QString window;
    if (!QTest::qWaitFor(
            [&] {
                window = Xdo({"search", "--all", "--onlyvisible", "--pid", QString::number(pid),
                              "--name", pattern})
                             .section(QLatin1Char('\n'), 0, 0);
                return !window.isEmpty();
            },
            30000))
        return std::nullopt;
    QMap<QString, int> values;
    for (const QString& line : Xdo({"getwindowgeometry", "--shell", window}).split('\n'))
        values[line.section(QLatin1Char('='), 0, 0)] = line.section(QLatin1Char('='), 1).toInt();
    return QPoint(values["X"], values["Y"]);
}

QStringList MoveTo(QPoint at)
{
    return {"mousemove", QString::number(at.x()), QString::number(at.y())};
}

// Press at `from`, move to `to` in small steps and release: the drag protocol
// needs motion after the press and the target's answer before the release.
void Drag(QPoint from, QPoint to)
{
    const QStringList pause{"sleep", "0.05"};
    // The pointer comes into the window before the press, as a hand would bring it.
    QStringList steps =
        MoveTo(from + QPoint(4, 4)) + pause + MoveTo(from) + pause + QStringList{"mousedown", "1"};
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step)
        steps += pause + MoveTo(from + (to - from) * step / kSteps);
    for (const QPoint wiggle : {QPoint(1, 0), QPoint(0, 1), QPoint(0, 0)})
        steps += pause + MoveTo(to + wiggle);
    steps += pause + QStringList{"mouseup", "1"};
    Xdo(steps);
}

// The first line the peer prints (after one drop or one drag); "<nothing>" when it
// prints none within the time.
QString PeerLine(QProcess& peer)
{
    const QDeadlineTimer deadline(20000);
    while (!peer.canReadLine() && !deadline.hasExpired() && peer.state() == QProcess::Running)
        peer.waitForReadyRead(100);
    if (!peer.canReadLine())
        return QStringLiteral("<nothing>");
    return QString::fromLatin1(peer.readLine()).trimmed();
}

} // namespace

class X11CrossProgramDragTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void theMainColourCrossesBothWays_data();
    void theMainColourCrossesBothWays();

private:
    // Started, with its window's corner in `corner`.
    void StartPeer(QProcess& peer, const QStringList& arguments, QPoint& corner);
};

void X11CrossProgramDragTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
}

void X11CrossProgramDragTest::StartPeer(QProcess& peer, const QStringList& arguments,
                                        QPoint& corner)
{
    peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    peer.start(QStringLiteral(KROMI_DRAGPEER_PATH), arguments);
    QVERIFY(peer.waitForStarted());
    const std::optional<QPoint> shown =
        WaitForWindow(peer.processId(), QStringLiteral("^Kromi Drag Peer$"));
    QVERIFY(shown);
    corner = *shown;
}

void X11CrossProgramDragTest::theMainColourCrossesBothWays_data()
{
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("mainColour");
    // Nothing dropped: the start colour goes out.
    QTest::newRow("start colour") << QString() << "#06A7FF";
    QTest::newRow("dropped from the other program") << "#2A8C3F"
                                                    << "#2A8C3F";
}

// A colour from the other program dropped on the main swatch becomes the main colour;
// the main swatch dragged to the other program hands it the main colour.
void X11CrossProgramDragTest::theMainColourCrossesBothWays()
{
    QFETCH(QString, dropped);
    QFETCH(QString, mainColour);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("qbkromi"));
    QVERIFY(QFile::copy(QStringLiteral(KROMI_PROGRAM_PATH), program));
    QProcess kromi;
    kromi.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kromi.setWorkingDirectory(dir.path());
    kromi.start(program);
    QVERIFY(kromi.waitForStarted());
    QVERIFY(WaitUntilReady(kromi, QFileInfo(dir.path()).canonicalFilePath()));
    const std::optional<QPoint> main =
        WaitForWindow(kromi.processId(), QStringLiteral("^QB Kromi$"));
    QVERIFY(main);
    const QPoint swatch = *main + kMainSwatch;

    QPoint corner;
    // Running till the end: the program fetches the dropped data from it after the drag.
    QProcess source;
    if (!dropped.isEmpty()) {
        StartPeer(source, {dropped, "800", "100"}, corner);
        Drag(corner + kPeerSource, swatch);
        QCOMPARE(PeerLine(source), QStringLiteral("taken"));
    }
    QProcess target;
    StartPeer(target, {"#000000", "800", "600"}, corner);
    Drag(swatch, corner + kPeerTarget);
    QCOMPARE(PeerLine(target), mainColour);
    QVERIFY(target.waitForFinished(10000));

    source.terminate();
    source.waitForFinished(10000);
    kromi.terminate();
    QVERIFY(kromi.waitForFinished(10000));
    QCOMPARE(kromi.exitCode(), 0);
}

QTEST_GUILESS_MAIN(X11CrossProgramDragTest)
#include "tst_x11_crossprogramdrag.moc"
