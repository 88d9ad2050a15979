#include "app/CommandLine.h"

#include "colour/ColourNames.h"
#include "colour/ColourText.h"
#include "colour/ColourValues.h"
#include "colour/ColourVision.h"
#include "colour/CssColourText.h"
#include "copy/CopyText.h"
#include "copy/QtColour.h"
#include "platform/ColourPicker.h"
#include "platform/QtPlatform.h"
#include "storage/ProgramDirectory.h"
#include "storage/SettingsStore.h"
#include "storage/UserTextFormats.h"
#include "ui/features/EyeDropperFeature.h"
#include "ui/windows/EyeDropperWindow.h"

#include <QApplication>
#include <QByteArray>
#include <QStringView>
#include <QTimer>

#include <cstring>
#include <functional>

namespace {

constexpr int kUnreadableColour = 2;
constexpr int kUsageError = 64;

// A text format of one colour, found by the name a script gives it.
class ColourTextFormat
{
public:
    // Any text format of the Copy window, a CSS form ("oklch", "display-p3",
    // "hex" ...), "name", or a format of the user's kept in `settings` (may be
    // null). Letter case and blanks in `name` do not matter.
    static std::optional<ColourTextFormat> Find(const QString& name, const SettingsStore* settings);
    // The names Find knows without settings, for --help and messages.
    static QStringList BuiltInNames();

    // Appends the colour's text, without a line end.
    void Append(Rgb colour, QByteArray& out) const;

private:
    std::function<void(Rgb, QByteArray&)> m_write;
};

// What one colour text becomes: its line (ending "\n") appended to `out`, or
// false with the reason in `error`. The step --format runs for every colour;
// options that change the colour on its way wrap it: `seeAs` (may be null) prints
// the colour as seen with a colour-vision deficiency.
bool FormatColourText(const ColourTextFormat& format, QStringView text, QByteArray& out,
                      QString& error, const VisionSimulator* seeAs);

struct CommandLineOption
{
    const char* name;
    const char* arguments;
    const char* help;
};

// One row per option; --help lists them in this order.
constexpr CommandLineOption kOptions[] = {
    {"--format", "NAME [--see-as KIND[:SEVERITY]] [COLOUR...]",
     "Print each COLOUR, or each line of standard input when none is given,\n"
     "in the text format NAME, one per line. A colour is any CSS colour text.\n"
     "--see-as prints each colour as a person with a colour-vision deficiency\n"
     "sees it: KIND is protanopia, deuteranopia, tritanopia or achromatopsia,\n"
     "SEVERITY 0.1 to 1.0 (the default; below it, anomalous trichromacy).\n"
     "A colour that cannot be read is reported on standard error with its\n"
     "line, and the exit status is 2; the other lines are still printed."},
    {"--pick", "",
     "Open the eye dropper on its own and print the colour taken as #RRGGBB.\n"
     "The exit status is 1 when the pick is cancelled."},
    {"--help", "", "Show this text."},
};

// Letters and digits, lower case: "VB Hex" and "vbhex" name the same format.
QString NormalisedName(const QString& name)
{
    QString key;
    for (QChar c : name)
        if (!c.isSpace())
            key += c.toLower();
    return key;
}

QByteArray HelpText()
{
    auto synopsis = [](const CommandLineOption& option) {
        return QByteArray(option.name) +
               (*option.arguments ? QByteArray(" ") + option.arguments : QByteArray());
    };
    QByteArray text = "Usage: qbkromi [LIST-FILE]\n";
    for (const CommandLineOption& option : kOptions)
        text += "       qbkromi " + synopsis(option) + '\n';
    for (const CommandLineOption& option : kOptions) {
        text += "\n  " + synopsis(option) + '\n';
        for (const QByteArray& line : QByteArray(option.help).split('\n'))
            text += "      " + line + '\n';
    }
    text += "\nFormats: " + ColourTextFormat::BuiltInNames().join(QStringLiteral(", ")).toUtf8() +
            ", or a format of your own from the Copy window.\n";
    return text;
}

void Write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

// One line of `in` without its line end; false at the end of the input.
bool ReadLine(std::FILE* in, QByteArray& line)
{
    line.clear();
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in)) {
        const std::size_t length = std::strlen(buffer);
        line.append(buffer, qsizetype(length));
        if (length > 0 && buffer[length - 1] == '\n')
            break;
    }
    if (line.isEmpty() && std::feof(in))
        return false;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return true;
}

int RunFormat(const QStringList& arguments, const SettingsStore* settings,
              const CommandLineStreams& streams)
{
    if (arguments.size() < 3) {
        Write(streams.err, "qbkromi: --format needs the name of a format.\n");
        return kUsageError;
    }
    const std::optional<ColourTextFormat> format = ColourTextFormat::Find(arguments[2], settings);
    if (!format) {
        Write(streams.err,
              "qbkromi: there is no format \"" + arguments[2].toUtf8() + "\". Formats: " +
                  ColourTextFormat::BuiltInNames().join(QStringLiteral(", ")).toUtf8() +
                  ", or a format of your own.\n");
        return kUsageError;
    }
    qsizetype first = 3; // the first colour argument
    std::optional<VisionSimulator> seeAs;
    if (arguments.size() > 3 && arguments[3] == QLatin1String("--see-as")) {
        const QByteArray kind = arguments.value(4).toLatin1();
        const std::optional<ColourVision> vision =
            ParseColourVision(std::string_view(kind.constData(), std::size_t(kind.size())));
        if (!vision) {
            Write(streams.err, "qbkromi: --see-as needs KIND[:SEVERITY]: protanopia, "
                               "deuteranopia, tritanopia or achromatopsia, and a severity "
                               "0.1 to 1.0, for example deuteranopia:0.6.\n");
            return kUsageError;
        }
        seeAs.emplace(*vision);
        first = 5;
    }
    int status = 0;
    QByteArray out;
    QString error;
    auto one = [&](QStringView text, qsizetype number) {
        if (!FormatColourText(*format, text, out, error, seeAs ? &*seeAs : nullptr)) {
            status = kUnreadableColour;
            Write(streams.out, out);
            out.clear();
            std::fflush(streams.out);
            Write(streams.err,
                  "qbkromi: line " + QByteArray::number(number) + ": " + error.toUtf8() + '\n');
        }
        if (out.size() > 60000) {
            Write(streams.out, out);
            out.clear();
        }
    };
    if (arguments.size() > first) {
        for (qsizetype i = first; i < arguments.size(); ++i)
            one(arguments[i], i - first + 1);
    } else {
        QByteArray line;
        for (qsizetype number = 1; ReadLine(streams.in, line); ++number)
            one(QString::fromUtf8(line), number);
    }
    Write(streams.out, out);
    std::fflush(streams.out);
    return status;
}

int RunPick(int& argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QB Kromi"));
    QtPlatform qtPlatform;
    Platform platform = qtPlatform.platform();
    auto print = [](ColorRef colour) {
        std::printf("%s\n", qPrintable(FormatHashHex(UnpackColour(colour))));
        std::fflush(stdout);
    };
    if (!platform.screen.CanGrabScreen()) {
        platform.colourPicker.PickColour([&](const PickedColour& picked) {
            if (picked.outcome == PickedColour::Outcome::Picked) {
                print(ColorRefOf(picked.colour));
                QCoreApplication::exit(0);
                return;
            }
            if (picked.outcome != PickedColour::Outcome::Cancelled)
                std::fprintf(stderr, "qbkromi: %s\n", qPrintable(FailedPickMessage(picked)));
            QCoreApplication::exit(1);
        });
        return QApplication::exec();
    }
    EyeDropperWindow window(platform.screen);
    int status = 1;
    QObject::connect(&window, &EyeDropperWindow::taken, &window, [&](ColorRef colour) {
        if (status == 0)
            return;
        print(colour);
        status = 0;
        // A capture that keeps the dropper open ends this pick all the same.
        QTimer::singleShot(0, &window, &EyeDropperWindow::Close);
    });
    QObject::connect(&window, &EyeDropperWindow::closed, &app,
                     [&] { QCoreApplication::exit(status); });
    QTimer::singleShot(0, &window, &EyeDropperWindow::Open);
    return QApplication::exec();
}

bool FirstArgumentIs(const QStringList& arguments, const char* option)
{
    return arguments.size() > 1 && arguments[1] == QLatin1String(option);
}

std::optional<ColourTextFormat> ColourTextFormat::Find(const QString& name,
                                                       const SettingsStore* settings)
{
    const QString key = NormalisedName(name);
    ColourTextFormat format;
    for (const CssFormRow& row : kCssForms) {
        if (key == QLatin1String(row.key)) {
            const CssForm form = row.form;
            format.m_write = [form](Rgb c, QByteArray& out) {
                char text[kMaxCssFormLength];
                out.append(text, WriteCssForm(text, form, c) - text);
            };
            return format;
        }
    }
    if (key == QLatin1String("name")) {
        format.m_write = [](Rgb c, QByteArray& out) { out.append(NearestColourName(c).name); };
        return format;
    }
    for (int i = 0; i < kValueFields; ++i) {
        const auto field = ValueField(i);
        if (key == NormalisedName(ValueFieldCaption(field))) {
            format.m_write = [field](Rgb c, QByteArray& out) {
                out.append(ValueLine(field, DeriveEntryValues(FormatHashHex(c))).text.toLatin1());
            };
            return format;
        }
    }
    if (settings) {
        for (const UserTextFormat& user : LoadUserTextFormats(*settings)) {
            if (key == NormalisedName(user.name)) {
                format.m_write = [text = user.text](Rgb c, QByteArray& out) {
                    out.append(ExpandTemplate(text, c).toUtf8());
                };
                return format;
            }
        }
    }
    return std::nullopt;
}

QStringList ColourTextFormat::BuiltInNames()
{
    QStringList names;
    for (const CssFormRow& row : kCssForms)
        names << QLatin1String(row.key);
    names << QStringLiteral("name");
    for (int i = 0; i < kValueFields; ++i)
        names << QLatin1Char('"') + ValueFieldCaption(ValueField(i)) + QLatin1Char('"');
    return names;
}

void ColourTextFormat::Append(Rgb colour, QByteArray& out) const
{
    m_write(colour, out);
}

bool FormatColourText(const ColourTextFormat& format, QStringView text, QByteArray& out,
                      QString& error, const VisionSimulator* seeAs)
{
    const CssColourReading reading = ReadCssColour(text);
    if (!reading.colour) {
        error = ReadingNote(reading);
        return false;
    }
    format.Append(seeAs ? seeAs->See(*reading.colour) : *reading.colour, out);
    out.append('\n');
    return true;
}

} // namespace

std::optional<int> RunTextCommandLine(const QStringList& arguments, const SettingsStore* settings,
                                      const CommandLineStreams& streams)
{
    if (FirstArgumentIs(arguments, "--help")) {
        Write(streams.out, HelpText());
        return 0;
    }
    if (FirstArgumentIs(arguments, "--format"))
        return RunFormat(arguments, settings, streams);
    return std::nullopt;
}

std::optional<int> RunCommandLine(int& argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    if (std::strcmp(argv[1], "--pick") == 0)
        return RunPick(argc, argv);
    if (std::strcmp(argv[1], "--format") != 0 && std::strcmp(argv[1], "--help") != 0)
        return std::nullopt;
    // No windows: the core application is enough, and needs no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("QB Kromi"));
    SettingsStore settings;
    if (std::strcmp(argv[1], "--format") == 0)
        settings.Load(ProgramDirectory() + QStringLiteral("set.set"));
    return RunTextCommandLine(QCoreApplication::arguments(), &settings);
}
