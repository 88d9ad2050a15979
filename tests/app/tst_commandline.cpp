#include "app/CommandLine.h"
#include "storage/SettingsStore.h"

#include <QtTest>

#include <cstdio>

namespace {

// A run of the text command line on files: what it printed and its status.
struct Run
{
    std::optional<int> status;
    QByteArray out;
    QByteArray err;
};

QByteArray Contents(std::FILE* file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(read));
    std::fclose(file);
    return bytes;
}

Run RunWith(const QStringList& arguments, const QByteArray& input = {})
{
    CommandLineStreams streams{std::tmpfile(), std::tmpfile(), std::tmpfile()};
    std::fwrite(input.constData(), 1, std::size_t(input.size()), streams.in);
    std::rewind(streams.in);
    Run run;
    run.status =
        RunTextCommandLine(QStringList{QStringLiteral("qbkromi")} + arguments, nullptr, streams);
    std::fclose(streams.in);
    run.out = Contents(streams.out);
    run.err = Contents(streams.err);
    return run;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void unreadableLinesAreReportedAndSkipped();
    void unknownFormat();
    void helpListsTheOptions();
    void otherArgumentsStartTheProgram();
};

void CommandLineTest::formats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("oklch") << "oklch"
                           << "#008000" << QByteArray("oklch(52% 0.177 142.5)\n");
    QTest::newRow("display-p3") << "display-p3"
                                << "green" << QByteArray("color(display-p3 0.216 0.494 0.132)\n");
    QTest::newRow("hex from oklab") << "HEX"
                                    << "oklab(51.975% -0.1403 0.10768)" << QByteArray("#008000\n");
    QTest::newRow("name") << "name"
                          << "#FF6448" << QByteArray("tomato\n");
    QTest::newRow("copy window format") << "vb hex"
                                        << "rgb(6 167 255)" << QByteArray("&HFFA706\n");
    QTest::newRow("hsl") << "hsl"
                         << "hwb(120 0% 49.8039%)" << QByteArray("hsl(120 100% 25%)\n");
}

void CommandLineTest::formats()
{
    QFETCH(QString, format);
    QFETCH(QString, colour);
    QFETCH(QByteArray, printed);
    const Run fromArguments = RunWith({QStringLiteral("--format"), format, colour});
    QCOMPARE(fromArguments.status, std::optional<int>(0));
    QCOMPARE(fromArguments.out, printed);
    const Run fromInput = RunWith({QStringLiteral("--format"), format}, colour.toUtf8() + "\r\n");
    QCOMPARE(fromInput.out, printed);
    QVERIFY(fromInput.err.isEmpty());
}

void CommandLineTest::unreadableLinesAreReportedAndSkipped()
{
    const Run run =
        RunWith({QStringLiteral("--format"), QStringLiteral("rgb")}, "red\nrgb(1 2)\n\n#00F\n");
    QCOMPARE(run.status, std::optional<int>(2));
    QCOMPARE(run.out, QByteArray("rgb(255 0 0)\nrgb(0 0 255)\n"));
    QCOMPARE(run.err,
             QByteArray("qbkromi: line 2: Not a color: rgb() takes 3 values, then optionally "
                        "\"/\" and an alpha.\nqbkromi: line 3: Not a color: The text is empty.\n"));
}

void CommandLineTest::unknownFormat()
{
    const Run run =
        RunWith({QStringLiteral("--format"), QStringLiteral("cmyk"), QStringLiteral("red")});
    QCOMPARE(run.status, std::optional<int>(64));
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("qbkromi: there is no format \"cmyk\". Formats: oklch, oklab,"));
}

void CommandLineTest::helpListsTheOptions()
{
    const Run run = RunWith({QStringLiteral("--help")});
    QCOMPARE(run.status, std::optional<int>(0));
    QVERIFY(run.out.contains("qbkromi --format NAME [COLOUR...]\n"));
    QVERIFY(run.out.contains("qbkromi --pick\n"));
}

void CommandLineTest::otherArgumentsStartTheProgram()
{
    QCOMPARE(RunWith({}).status, std::nullopt);
    QCOMPARE(RunWith({QStringLiteral("list.cll")}).status, std::nullopt);
    QCOMPARE(RunWith({QStringLiteral("--pick")}).status, std::nullopt);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
