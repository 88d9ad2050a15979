#include "support/ColourPrinting.h"
#include "support/FakePlatform.h"
#include "support/MainWindowParts.h"
#include "ui/ColourDrag.h"
#include "ui/Fonts.h"
#include "ui/widgets/ColourSwatch.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/PinPicture.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/WheelPanel.h"
#include "ui/windows/WheelStyleWindow.h"

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithTheStartUpColour();
    void layoutMatchesTheDesign_data();
    void layoutMatchesTheDesign();
    void enterInR();
    void plusAndMinus_data();
    void plusAndMinus();
    void lettersAreDiscarded();
    void focusLossClampsWithoutChangingTheColour();
    void emptyEditReportsTheConversion();
    void hexEnterKeepsTheTypedText();
    void hexEditTakesCssText_data();
    void hexEditTakesCssText();
    void pasteSetsTheColour();
    void hexIsUpperCasedAsTyped();
    void lightnessBarRecordsOnlyOnFocusLoss();
    void dropOnTheMainSwatch();
    void mainSwatchRefusesItself();
    void statusTexts();
    void statusLineShowsTheReadoutWhole_data();
    void statusLineShowsTheReadoutWhole();
    void valueLabelsAreBold();
    void scrollBarThumbsStandOut();
    void ctrlWWithTheFocusElsewhere();
    void ctrlWithKeypadDigitOrFunctionKeyDoesNothing();
    void titleStripDoubleClickTwiceRestores();
    void stayOnTop();
    void toolButtonsRunTheirCommands_data();
    void toolButtonsRunTheirCommands();
    void websafeButtonNotHighlightedWhileWebsafe();
    void colourDialog();
    void wheelStyleKeepsColours();
    void programFilesThatAreNoRegularFilesAreSkipped_data();
    void programFilesThatAreNoRegularFilesAreSkipped();

private:
    void Type(QWidget* widget, const QString& keys);
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<Platform> m_platform;
    std::unique_ptr<MainColour> m_colour;
    std::unique_ptr<QTemporaryDir> m_folder;
    CommandTable m_commands;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QSignalSpy> m_records;
};

void MainWindowTest::init()
{
    m_fake = std::make_unique<FakePlatform>();
    m_platform = std::make_unique<Platform>(m_fake->platform());
    m_colour = std::make_unique<MainColour>();
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<MainWindow>(*m_platform, *m_colour,
                                            m_folder->path() + QLatin1Char('/'), m_commands);
    m_window->move(216, 158);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_records = std::make_unique<QSignalSpy>(m_colour.get(), &MainColour::recorded);
}

void MainWindowTest::cleanup()
{
    m_records.reset();
    m_window.reset();
    m_folder.reset();
    m_colour.reset();
}

void MainWindowTest::Type(QWidget* widget, const QString& keys)
{
    widget->setFocus();
    QTest::keyClicks(widget, keys);
}

void MainWindowTest::startsWithTheStartUpColour()
{
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    QCOMPARE(values->rgbEdit(0)->text(), QStringLiteral("6"));
    QCOMPARE(values->rgbEdit(1)->text(), QStringLiteral("167"));
    QCOMPARE(values->rgbEdit(2)->text(), QStringLiteral("255"));
    QCOMPARE(values->hslEdit(0)->text(), QStringLiteral("201"));
    QCOMPARE(values->hslEdit(1)->text(), QStringLiteral("100"));
    QCOMPARE(values->hslEdit(2)->text(), QStringLiteral("51"));
    QCOMPARE(values->hexEdit()->text(), QStringLiteral("06A7FF"));
    QCOMPARE(values->hslBar(2)->value(), 51);
    QCOMPARE(WheelPanelOf(*m_window)->mainSwatch()->colour(), PackColour(6, 167, 255));
    QCOMPARE(WheelPanelOf(*m_window)->wheelShape(7)->colour(), PackColour(255, 92, 5));
}

void MainWindowTest::layoutMatchesTheDesign_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("client area") << "window" << QRect(0, 0, 504, 457);
    QTest::newRow("main swatch") << "shape1" << QRect(71, 144, 60, 60);
    QTest::newRow("segment 1") << "shape2" << QRect(88, 108, 25, 25);
    QTest::newRow("segment 12") << "shape13" << QRect(60, 113, 25, 25);
    QTest::newRow("analogous first") << "row0" << QRect(204, 98, 20, 20);
    QTest::newRow("square last") << "row18" << QRect(270, 288, 20, 20);
    QTest::newRow("variation upper first") << "var0" << QRect(204, 335, 20, 20);
    QTest::newRow("variation lower last") << "var9" << QRect(292, 357, 20, 20);
    QTest::newRow("R edit") << "R" << QRect(26, 289, 23, 17);
    QTest::newRow("L edit") << "L" << QRect(26, 359, 23, 17);
    QTest::newRow("hex edit") << "hex" << QRect(51, 376, 46, 15);
    QTest::newRow("red bar") << "redbar" << QRect(59, 290, 126, 12);
    QTest::newRow("lum bar") << "lumbar" << QRect(59, 360, 126, 12);
    QTest::newRow("Eye Dropper") << "tool0" << QRect(8, 24, 32, 32);
    QTest::newRow("About") << "tool9" << QRect(368, 24, 32, 32);
    QTest::newRow("More...") << "more" << QRect(248, 384, 65, 17);
}

void MainWindowTest::layoutMatchesTheDesign()
{
    QFETCH(QString, what);
    QFETCH(QRect, geometry);
    WheelPanel* wheel = WheelPanelOf(*m_window);
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    if (what == QLatin1String("window")) {
        QCOMPARE(m_window->rect(), geometry);
        return;
    }
    QWidget* widget = nullptr;
    if (what.startsWith(QLatin1String("shape")))
        widget = wheel->wheelShape(what.mid(5).toInt() - 1);
    else if (what.startsWith(QLatin1String("row")))
        widget = wheel->harmonySwatch(what.mid(3).toInt());
    else if (what.startsWith(QLatin1String("var")))
        widget = wheel->variationSwatch(what.mid(3).toInt());
    else if (what.startsWith(QLatin1String("tool")))
        widget = ToolButtonOf(*m_window, MainWindow::ToolButton(what.mid(4).toInt()));
    else if (what == QLatin1String("R"))
        widget = values->rgbEdit(0);
    else if (what == QLatin1String("L"))
        widget = values->hslEdit(2);
    else if (what == QLatin1String("hex"))
        widget = values->hexEdit();
    else if (what == QLatin1String("redbar"))
        widget = values->rgbBar(0);
    else if (what == QLatin1String("lumbar"))
        widget = values->hslBar(2);
    else if (what == QLatin1String("more"))
        widget = PanelButtonOf(*m_window, "moreButton");
    QVERIFY2(widget, qPrintable(what));
    QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::enterInR()
{
    QLineEdit* red = ValuesPanelOf(*m_window)->rgbEdit(0);
    red->clear();
    Type(red, QStringLiteral("300"));
    QTest::keyClick(red, Qt::Key_Return);
    QCOMPARE(red->text(), QStringLiteral("255"));
    QCOMPARE(m_colour->rgb(), (Rgb{255, 167, 255}));
    QCOMPARE(m_records->size(), 1);
    QCOMPARE(ValuesPanelOf(*m_window)->rgbBar(0)->value(), 255);
}

void MainWindowTest::plusAndMinus_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("hsl");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("R 255 +") << 0 << false << "255"
                             << "+"
                             << "255";
    QTest::newRow("R 0 -") << 0 << false << "0"
                           << "-"
                           << "255";
    QTest::newRow("B 10 +") << 2 << false << "10"
                            << "+"
                            << "11";
    QTest::newRow("H 0 -") << 0 << true << "0"
                           << "-"
                           << "359";
    QTest::newRow("S 0 -") << 1 << true << "0"
                           << "-"
                           << "100";
}

void MainWindowTest::plusAndMinus()
{
    QFETCH(int, channel);
    QFETCH(bool, hsl);
    QFETCH(QString, start);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    QLineEdit* edit = hsl ? values->hslEdit(channel) : values->rgbEdit(channel);
    edit->setText(start);
    Type(edit, key);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(m_records->size(), 1); // committed at once, without Enter
}

void MainWindowTest::lettersAreDiscarded()
{
    QLineEdit* red = ValuesPanelOf(*m_window)->rgbEdit(0);
    red->setCursorPosition(1);
    Type(red, QStringLiteral("a.x"));
    QCOMPARE(red->text(), QStringLiteral("6"));
    QCOMPARE(m_colour->rgb(), (Rgb{6, 167, 255}));
    QCOMPARE(m_records->size(), 0);
}

void MainWindowTest::focusLossClampsWithoutChangingTheColour()
{
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    values->rgbEdit(1)->setText(QStringLiteral("999"));
    values->rgbEdit(1)->setFocus();
    values->hexEdit()->setFocus();
    QCOMPARE(values->rgbEdit(1)->text(), QStringLiteral("255"));
    QCOMPARE(m_colour->rgb(), (Rgb{6, 167, 255}));
    QCOMPARE(m_records->size(), 0);
}

void MainWindowTest::emptyEditReportsTheConversion()
{
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    values->hslEdit(1)->clear();
    Type(values->hslEdit(0), QStringLiteral("+"));
    QCOMPARE(m_fake->messages.shown.size(), 1);
    QCOMPARE(m_fake->messages.shown[0].text, QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(m_records->size(), 0);
}

void MainWindowTest::hexEnterKeepsTheTypedText()
{
    QLineEdit* hex = ValuesPanelOf(*m_window)->hexEdit();
    hex->clear();
    Type(hex, QStringLiteral("FFF"));
    QTest::keyClick(hex, Qt::Key_Return);
    QCOMPARE(m_colour->rgb(), (Rgb{255, 255, 15}));
    QCOMPARE(hex->text(), QStringLiteral("FFF"));
    QCOMPARE(ValuesPanelOf(*m_window)->rgbEdit(2)->text(), QStringLiteral("15"));
    QCOMPARE(m_records->size(), 1);
}

void MainWindowTest::hexEditTakesCssText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<QString>("status");
    QTest::newRow("oklch") << "oklch(62.8% 0.2577 29.23)" << Rgb{255, 0, 0} << QString();
    QTest::newRow("name") << "Tomato" << Rgb{255, 99, 71} << QString();
    QTest::newRow("alpha") << "#11223380" << Rgb{17, 34, 51}
                           << "Alpha ignored: the main color has no transparency.";
    QTest::newRow("out of gamut") << "color(display-p3 1 0 0)" << Rgb{255, 11, 12}
                                  << "The color lies outside sRGB; gamut mapping brought it in.";
    QTest::newRow("not a colour") << "ZZ0000" << Rgb{6, 167, 255}
                                  << "Not a color: \"ZZ0000\" is not a color name.";
}

void MainWindowTest::hexEditTakesCssText()
{
    QFETCH(QString, typed);
    QFETCH(Rgb, colour);
    QFETCH(QString, status);
    QLineEdit* hex = ValuesPanelOf(*m_window)->hexEdit();
    hex->clear();
    Type(hex, typed);
    QCOMPARE(hex->text(), typed); // CSS texts are not upper-cased
    QTest::keyClick(hex, Qt::Key_Return);
    QCOMPARE(m_colour->rgb(), colour);
    QCOMPARE(m_window->statusText(), status);
    QCOMPARE(m_records->size(), status.startsWith(QLatin1String("Not")) ? 0 : 1);
    QVERIFY(m_fake->messages.shown.isEmpty());
}

void MainWindowTest::pasteSetsTheColour()
{
    m_fake->clipboard.text = QStringLiteral(" hsl(120 100% 25%)\n");
    ValuesPanelOf(*m_window)->hslBar(0)->setFocus();
    QTest::keyClick(ValuesPanelOf(*m_window)->hslBar(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_colour->rgb(), (Rgb{0, 128, 0}));
    QCOMPARE(m_records->size(), 1);

    // Not a colour: nothing changes and the status line says why; in an edit the
    // text is pasted as usual.
    m_fake->clipboard.text = QStringLiteral("128");
    QTest::keyClick(ValuesPanelOf(*m_window)->hslBar(0), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_colour->rgb(), (Rgb{0, 128, 0}));
    QCOMPARE(m_window->statusText(), QStringLiteral("Not a color: \"128\" is not a color name."));
    m_window->SetStatusText(QString());
    QLineEdit* red = ValuesPanelOf(*m_window)->rgbEdit(0);
    red->setFocus();
    const int records = m_records->size();
    QTest::keyClick(red, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_window->statusText(), QString());
    QCOMPARE(m_records->size(), records);
}

void MainWindowTest::hexIsUpperCasedAsTyped()
{
    QLineEdit* hex = ValuesPanelOf(*m_window)->hexEdit();
    hex->clear();
    Type(hex, QStringLiteral("abcdef"));
    QCOMPARE(hex->text(), QStringLiteral("ABCDEF"));
}

void MainWindowTest::lightnessBarRecordsOnlyOnFocusLoss()
{
    QScrollBar* lightness = ValuesPanelOf(*m_window)->hslBar(2);
    lightness->setFocus();
    for (int step = 0; step < 44; ++step)
        lightness->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(lightness->value(), 95);
    QCOMPARE(m_colour->rgb(), (Rgb{230, 246, 255}));
    QCOMPARE(ValuesPanelOf(*m_window)->hslEdit(0)->text(), QStringLiteral("201"));
    QCOMPARE(ValuesPanelOf(*m_window)->hslEdit(2)->text(), QStringLiteral("95"));
    QCOMPARE(ValuesPanelOf(*m_window)->rgbBar(0)->value(), 230);
    QCOMPARE(m_records->size(), 0);
    ValuesPanelOf(*m_window)->rgbEdit(0)->setFocus();
    QCOMPARE(m_records->size(), 1);
    QCOMPARE(m_records->at(0).at(0).value<ColorRef>(), PackColour(230, 246, 255));
}

void MainWindowTest::dropOnTheMainSwatch()
{
    WheelPanel* wheel = WheelPanelOf(*m_window);
    ColourSwatch* complement = wheel->harmonySwatch(4);
    const DraggedColour dragged{complement->colour(), ColourSourceKind::WindowSwatch, complement};
    std::unique_ptr<QMimeData> data(CreateColourMimeData(dragged));
    ColourSwatch* main = wheel->mainSwatch();
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(main, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(main, &drop);
    QCOMPARE(m_colour->colour(), PackColour(255, 92, 5));
    QCOMPARE(main->colour(), PackColour(255, 92, 5));
    QCOMPARE(m_records->size(), 1);
}

void MainWindowTest::mainSwatchRefusesItself()
{
    ColourSwatch* main = WheelPanelOf(*m_window)->mainSwatch();
    std::unique_ptr<QMimeData> data(
        CreateColourMimeData(DraggedColour{main->colour(), ColourSourceKind::WindowSwatch, main}));
    QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(main, &enter);
    QVERIFY(!enter.isAccepted());
    // A colour from another program comes in; other text does not.
    for (const QString& text : {QStringLiteral("#FF0000"), QStringLiteral("red paint")}) {
        QMimeData foreign;
        foreign.setText(text);
        QDragEnterEvent foreignEnter(QPoint(30, 30), Qt::CopyAction, &foreign, Qt::LeftButton, {});
        foreignEnter.setAccepted(false);
        QApplication::sendEvent(main, &foreignEnter);
        QCOMPARE(foreignEnter.isAccepted(), text.startsWith(QLatin1Char('#')));
    }
}

void MainWindowTest::statusTexts()
{
    ColourSwatch* main = WheelPanelOf(*m_window)->mainSwatch();
    QTest::mouseMove(main, QPoint(30, 30));
    QCOMPARE(m_window->statusText(),
             QStringLiteral("This is main color. Drag this color to color list to add it. Right "
                            "click to see more options. \r ( R: 6, G: 167, B: 255, HEX: #06A7FF, "
                            "\u2248 dodgerblue )"));
    m_colour->MakeWebsafe();
    QTest::mouseMove(main, QPoint(31, 30));
    QVERIFY(m_window->statusText().endsWith(
        QStringLiteral("HEX: #0099FF, \u2248 dodgerblue ) ( This color is websafe ) ")));
    ColourSwatch* segment = WheelPanelOf(*m_window)->wheelShape(1);
    QTest::mouseMove(segment, QPoint(10, 10));
    QVERIFY(m_window->statusText().startsWith(QStringLiteral("You can drag and drop this color.")));
    QTest::mouseMove(m_window.get(), QPoint(480, 300)); // bare background
    QCOMPARE(m_window->statusText(), QString());

    // The main colour's contrast on white and black, made when asked for.
    QHelpEvent help(QEvent::ToolTip, QPoint(30, 30), main->mapToGlobal(QPoint(30, 30)));
    QApplication::sendEvent(main, &help);
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("On white: Contrast 2.99:1\n")));

    // Each box of the title strip has its own text; the strip's is for the strip alone.
    const std::pair<int, const char*> strip[] = {
        {100, "Double click to super-minimize."},
        {441, "Click to display help documents and quick tips."},
        {459, "Toggle stay on top feature."},
        {476, "Click to minimize."},
        {493, "Click to exit."}};
    for (const auto& [left, text] : strip) {
        QTest::mouseMove(m_window.get(), QPoint(left, 8));
        QCOMPARE(m_window->statusText(), QLatin1String(text));
    }
}

void MainWindowTest::statusLineShowsTheReadoutWhole_data()
{
    QTest::addColumn<QString>("longHelp"); // empty: hover a harmony swatch
    QTest::newRow("harmony swatch") << QString();
    QTest::newRow("help text too long for the line")
        << QString(60, QLatin1Char('w'))
               .replace(QLatin1Char('w'), QStringLiteral("Drag this color anywhere. "));
}

void MainWindowTest::statusLineShowsTheReadoutWhole()
{
    QFETCH(QString, longHelp);
    const QString readout = QStringLiteral(" ( R: 1, G: 2, B: 3, HEX: #010203 )");
    if (longHelp.isEmpty())
        QTest::mouseMove(WheelPanelOf(*m_window)->harmonySwatch(0), QPoint(5, 5));
    else
        m_window->SetStatusText(longHelp + QLatin1Char('\r') + readout);
    const QString text = m_window->statusText();
    const QString line = text.mid(text.lastIndexOf(QLatin1Char('\r')) + 1);
    QVERIFY(line.startsWith(QStringLiteral(" ( R: ")));

    auto* label = m_window->findChild<QLabel*>(QStringLiteral("statusLine"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(8, 411, 489, 41));
    // The bitmap face of the other labels (its 11-pixel characters stand in 13-pixel lines).
    QCOMPARE(QFontInfo(label->font()).family(), QFontInfo(SansSerifPoints(8)).family());
    QVERIFY(label->text().endsWith(QLatin1Char('\n') + line));
    QVERIFY(label->text().startsWith(text.left(20)));
    // Laid out as the label lays it out, the whole text stays inside the line.
    const QRect used = label->fontMetrics().boundingRect(
        label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
    QVERIFY2(used.height() <= label->contentsRect().height(), qPrintable(label->text()));
}

namespace {

// Pixels darker than mid grey: the text's ink.
int Ink(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    return ink;
}

} // namespace

void MainWindowTest::valueLabelsAreBold()
{
    const QStringList names{"R", "G", "B", "H", "S", "L", "Hex", "#"};
    int checked = 0;
    for (QLabel* label : m_window->findChildren<QLabel*>()) {
        if (!names.contains(label->text()))
            continue;
        ++checked;
        // The same text in the same face, not bold: the bold label carries more ink.
        QLabel plain(label->text());
        QFont regular = label->font();
        regular.setBold(false);
        plain.setFont(regular);
        plain.setPalette(label->palette());
        plain.resize(label->size());
        QVERIFY2(Ink(label->grab().toImage()) > Ink(plain.grab().toImage()),
                 qPrintable(label->text()));
    }
    QCOMPARE(checked, names.size());
}

void MainWindowTest::scrollBarThumbsStandOut()
{
    MainValuesPanel* values = ValuesPanelOf(*m_window);
    for (QScrollBar* bar : {values->rgbBar(0), values->rgbBar(1), values->rgbBar(2),
                            values->hslBar(0), values->hslBar(1), values->hslBar(2)}) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const auto place = [&](QStyle* style, QStyle::SubControl part) {
            return style->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
        };
        // Drawn differently, laid out as the application's style lays bars out.
        const QRect thumb = place(bar->style(), QStyle::SC_ScrollBarSlider);
        QCOMPARE(thumb, place(QApplication::style(), QStyle::SC_ScrollBarSlider));
        const QRect groove = place(bar->style(), QStyle::SC_ScrollBarGroove);
        const QImage image = bar->grab().toImage();
        const int y = thumb.center().y();
        const int trackX =
            thumb.left() - groove.left() > 4 ? groove.left() + 2 : groove.right() - 2;
        int edge = 255;
        for (int x = thumb.left(); x <= thumb.right(); ++x)
            edge = qMin(edge, qGray(image.pixel(x, y)));
        QVERIFY2(qGray(image.pixel(trackX, y)) - edge >= 64, qPrintable(bar->objectName()));
    }
}

void MainWindowTest::ctrlWWithTheFocusElsewhere()
{
    ValuesPanelOf(*m_window)->hslEdit(0)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(m_colour->rgb(), (Rgb{0, 153, 255}));
    QCOMPARE(m_records->size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(m_records->size(), 2);
}

void MainWindowTest::ctrlWithKeypadDigitOrFunctionKeyDoesNothing()
{
    ValuesPanelOf(*m_window)->rgbEdit(0)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ControlModifier);
    QCOMPARE(m_records->size(), 0);
}

void MainWindowTest::titleStripDoubleClickTwiceRestores()
{
    QTest::mouseDClick(m_window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(m_window->height(), 16);
    QTest::mouseDClick(m_window->titleStrip(), Qt::LeftButton, {}, QPoint(100, 8));
    QCOMPARE(m_window->height(), 457);
    m_window->commands().Run(Command::SuperMinimize);
    QCOMPARE(m_window->height(), 16);
    QTest::keyClick(m_window.get(), Qt::Key_F12);
    QCOMPARE(m_window->height(), 457);
}

void MainWindowTest::stayOnTop()
{
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier);
    QVERIFY(m_window->IsStayOnTop());
    QCOMPARE(m_fake->windowControl.topmost.value(m_window.get()), true);
    m_window->SetStayOnTop(false);
    QCOMPARE(m_fake->windowControl.topmost.value(m_window.get()), false);
}

void MainWindowTest::toolButtonsRunTheirCommands_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<QList<Command>>("commands");
    const auto row = [](const char* name, MainWindow::ToolButton button, Qt::MouseButton mouse,
                        QList<Command> commands) {
        QTest::newRow(name) << int(button) << mouse << commands;
    };
    // Undo, Redo and Export act on a press of either button; the others on a left click.
    row("eye dropper", MainWindow::EyeDropperButton, Qt::LeftButton, {Command::EyeDropper});
    row("eye dropper, right", MainWindow::EyeDropperButton, Qt::RightButton, {});
    row("copy", MainWindow::CopyButton, Qt::LeftButton, {Command::CopyWindow});
    row("copy, right", MainWindow::CopyButton, Qt::RightButton, {Command::QuickCopyMenu});
    row("undo, right", MainWindow::UndoButton, Qt::RightButton, {Command::Undo});
    row("redo", MainWindow::RedoButton, Qt::LeftButton, {Command::Redo});
    row("shape test", MainWindow::ShapeTestButton, Qt::LeftButton, {Command::ShapeTest});
    row("web test", MainWindow::WebTestButton, Qt::LeftButton, {Command::WebPageTest});
    row("export", MainWindow::ExportButton, Qt::LeftButton, {Command::ExportMenu});
    row("export, right", MainWindow::ExportButton, Qt::RightButton, {Command::ExportMenu});
    row("about", MainWindow::AboutButton, Qt::LeftButton, {Command::About});
}

void MainWindowTest::toolButtonsRunTheirCommands()
{
    QFETCH(int, button);
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(QList<Command>, commands);
    QList<Command> ran;
    QObject owner;
    // A command has one owner: those the window handles itself (Make Websafe) keep it.
    for (int c = int(Command::None) + 1; c < int(Command::Count); ++c) {
        if (!m_commands.IsHandled(Command(c)))
            m_commands.Handle(Command(c), &owner, [&ran, c] { ran << Command(c); });
    }
    QTest::mouseClick(ToolButtonOf(*m_window, MainWindow::ToolButton(button)), mouse);
    QCOMPARE(ran, commands);
}

void MainWindowTest::websafeButtonNotHighlightedWhileWebsafe()
{
    PictureButton* websafe = ToolButtonOf(*m_window, MainWindow::WebsafeButton);
    QTest::mouseMove(websafe, QPoint(5, 5));
    QVERIFY(websafe->IsHighlighted());
    QCOMPARE(m_window->statusText(), QStringLiteral("Click to make main color websafe. "));
    QTest::mouseMove(m_window.get(), QPoint(480, 300));
    QVERIFY(!websafe->IsHighlighted());
    QTest::mouseClick(websafe, Qt::LeftButton);
    QTest::mouseMove(websafe, QPoint(6, 6));
    QVERIFY(!websafe->IsHighlighted());
    QCOMPARE(m_window->statusText(),
             QStringLiteral("Click to make main color websafe. (Main color is already websafe)"));
}

void MainWindowTest::colourDialog()
{
    m_fake->colourDialog.answers.push_back(QColor(1, 2, 3));
    m_fake->colourDialog.answers.push_back(std::nullopt);
    PictureButton* button = ToolButtonOf(*m_window, MainWindow::ColourDialogButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_fake->colourDialog.initials.first(), QColor(6, 167, 255));
    QCOMPARE(m_colour->rgb(), (Rgb{1, 2, 3}));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_colour->rgb(), (Rgb{1, 2, 3}));
    QCOMPARE(m_records->size(), 1);
}

void MainWindowTest::wheelStyleKeepsColours()
{
    WheelStyleWindow* styles = m_window->wheelStyleWindow();
    styles->ShowFor(m_window.get());
    QCOMPARE(styles->geometry().topLeft(), QPoint(216 + 504 / 2 - 179 / 2, 158 + 50));
    QCOMPARE(styles->styleList()->count(), 10);
    styles->styleList()->setCurrentRow(3); // "Square 1": the default places as rectangles
    QTest::mouseClick(reinterpret_cast<QWidget*>(styles->okButton()), Qt::LeftButton);
    QVERIFY(!styles->isVisible());
    WheelPanel* wheel = WheelPanelOf(*m_window);
    for (int i = 0; i < kWheelShapes; ++i) {
        QCOMPARE(wheel->wheelShape(i)->outline(), ShapeOutline::Rectangle);
        QCOMPARE(wheel->wheelShape(i)->geometry().topLeft(),
                 QPoint(DefaultWheelGeometry()[i].left, DefaultWheelGeometry()[i].top));
    }
    QCOMPARE(wheel->wheelShape(7)->colour(), PackColour(255, 92, 5));
    // Every shipped style names all thirteen shapes.
    for (int i = 0; i < WheelStyleNames().size(); ++i)
        for (const auto& shape : ParseWheelStyle(LoadWheelStyleText(m_folder->path(), i)))
            QVERIFY(shape.has_value());
}

void MainWindowTest::programFilesThatAreNoRegularFilesAreSkipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pipe"); // else a folder
    QTest::newRow("top.bmp a named pipe") << "top.bmp" << true;
    QTest::newRow("top2.bmp a folder") << "top2.bmp" << false;
    QTest::newRow("wheel style a named pipe") << "circle1.wst" << true;
}

// Before, a pipe blocked start-up or the Load Wheel Style window for ever.
void MainWindowTest::programFilesThatAreNoRegularFilesAreSkipped()
{
    QFETCH(QString, name);
    QFETCH(bool, pipe);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkdir(path));
    if (name.endsWith(QLatin1String(".wst"))) {
        QFile builtIn(QStringLiteral(":/wheelstyles/circle1.wst"));
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        QCOMPARE(LoadWheelStyleText(folder.path(), 0), QString::fromLatin1(builtIn.readAll()));
        return;
    }
    const bool on = name == QLatin1String("top2.bmp");
    const QPixmap shipped(on ? QStringLiteral(":/pin/pin_on.png")
                             : QStringLiteral(":/pin/pin_off.png"));
    QCOMPARE(LoadPinPicture(folder.path(), on).toImage(), shipped.toImage());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
