#include "storage/SettingsStore.h"
#include "support/FocusWalk.h"
#include "support/MainWindowKit.h"
#include "ui/ColourDrag.h"
#include "ui/features/WebPageTestFeature.h"
#include "ui/HowToTexts.h"
#include "ui/ViewAs.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/WebPageTestWindow.h"
#include "ui/windows/WebPageView.h"

#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(ColourSourceKind)
Q_DECLARE_METATYPE(WebDropTarget)
Q_DECLARE_METATYPE(std::optional<QString>)

// Real drags are never started here: a left press on a part or a text would run
// QDrag::exec's nested loop. Drops are sent as the events a drag delivers.

namespace {

constexpr ColorRef kDropped = PackColour(12, 34, 56);

bool SendDrop(QWidget* target, const DraggedColour& dragged)
{
    std::unique_ptr<QMimeData> data(CreateColourMimeData(dragged));
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint offset = {})
{
    const QPoint local(1, 1);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, local + offset, target->mapToGlobal(local) + offset,
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, {});
    QApplication::sendEvent(target, &event);
}

void DragDividerBy(WebPageDivider* divider, QPoint by)
{
    SendMouse(divider, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(divider, QEvent::MouseMove, Qt::LeftButton, by);
    SendMouse(divider, QEvent::MouseButtonRelease, Qt::LeftButton, by);
}

} // namespace

class WebPageTestWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pageAndMenus();
    void dropAcceptance_data();
    void dropAcceptance();
    void dropsSetTheTargetsColour_data();
    void dropsSetTheTargetsColour();
    void sampleKeepsTheFontAndResetsTheDividers();
    void hideAndShowKeepThePage();
    void typeNewString_data();
    void typeNewString();
    void styleFileRoundTripAndExport();
    void fileFailuresAreReported_data();
    void fileFailuresAreReported();
    void viewAsChangesOnlyTheDrawing();
    void placement_data();
    void placement();
    void keys_data();
    void keys();
    void tabVisitsThePageThenTheControls();
    void keysDropTheMainColour_data();
    void keysDropTheMainColour();

private:
    void MakeFeature(bool firstStart = false);
    WebPageTestWindow* Window() const { return m_feature->window(); }
    WebPageView* View() const { return Window()->view(); }
    WebPageItem* Named(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    std::unique_ptr<MainWindowKit> m_kit;
    std::unique_ptr<WebPageTestFeature> m_feature;
};

void WebPageTestWindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->path() + QLatin1Char('/');
    m_kit = std::make_unique<MainWindowKit>(m_folder);
}

void WebPageTestWindowTest::cleanup()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_feature.reset();
    m_kit.reset();
    m_dir.reset();
}

void WebPageTestWindowTest::MakeFeature(bool firstStart)
{
    m_feature = std::make_unique<WebPageTestFeature>(m_kit->context, firstStart);
    m_kit->RecordUnhandledCommands();
}

WebPageItem* WebPageTestWindowTest::Named(const QString& name) const
{
    return Window()->findChild<WebPageItem*>(name);
}

void WebPageTestWindowTest::pageAndMenus()
{
    MakeFeature();
    QCOMPARE(View()->geometry(), QRect(170, 24, 385, 297));
    QCOMPARE(View()->part(WebPart::Body)->geometry(), QRect(115, 51, 270, 219));
    QCOMPARE(Named(QStringLiteral("headertext"))->font().pixelSize(), 32);
    WebPageItem* body = Named(QStringLiteral("bodytext"));
    QCOMPARE(body->parentWidget(), View()->part(WebPart::Body));
    QCOMPARE(body->width(), 251);
    QVERIFY(body->height() > 2 * body->fontMetrics().height()); // wrapped
    // Each text tells its contrast on its own part, and follows a drop on the part.
    SendDrop(View()->part(WebPart::Body),
             DraggedColour{PackColour(0x76, 0x76, 0x76), ColourSourceKind::WindowSwatch, nullptr});
    QVERIFY(body->toolTip().startsWith(QStringLiteral("Contrast 4.62:1\n")));

    const QList<QAction*> help = Window()->helpMenu()->actions();
    QCOMPARE(help.size(), 4);
    help[3]->trigger();
    QCOMPARE(m_kit->tip.TipText(), HowTosOf(HelpMenu::WebTest)[3].text);
    emit Window()->titleStrip()->doubleClicked();
    QCOMPARE(Window()->height(), 16);
    emit Window()->titleStrip()->doubleClicked();
    QCOMPARE(Window()->height(), 329);
}

void WebPageTestWindowTest::dropAcceptance_data()
{
    QTest::addColumn<WebDropTarget>("target");
    QTest::addColumn<ColourSourceKind>("kind");
    QTest::addColumn<bool>("accepted");
    using K = ColourSourceKind;
    struct Source
    {
        const char* name;
        K kind;
        bool borderTakes;
    };
    const Source sources[] = {
        {"main swatch", K::MainSwatch, true},     {"window swatch", K::WindowSwatch, true},
        {"Variations", K::VariationsImage, true}, {"colour list", K::ColourList, false},
        {"test shape", K::TestShape, false},      {"test text", K::TestText, false},
        {"test area", K::TestArea, false},        {"page part", K::WebPagePart, false},
        {"page text", K::WebPageText, false},
    };
    for (const Source& source : sources) {
        const QByteArray name = QByteArray(", from ") + source.name;
        QTest::newRow("border text" + name)
            << WebDropTarget::BorderText << source.kind << source.borderTakes;
        QTest::newRow("page part" + name) << WebDropTarget::PagePart << source.kind << true;
        QTest::newRow("page text" + name) << WebDropTarget::PageText << source.kind << true;
    }
}

void WebPageTestWindowTest::dropAcceptance()
{
    QFETCH(WebDropTarget, target);
    QFETCH(ColourSourceKind, kind);
    QFETCH(bool, accepted);
    QObject self;
    QObject other;
    QCOMPARE(WebPageAcceptsDrop(target, DraggedColour{kDropped, kind, &other}, &self), accepted);
    QVERIFY(!WebPageAcceptsDrop(target, DraggedColour{kDropped, kind, &self}, &self));
}

void WebPageTestWindowTest::dropsSetTheTargetsColour_data()
{
    // Sources are the window's own items by object name, or another window's ("").
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");
    QTest::addColumn<ColourSourceKind>("kind");
    QTest::addColumn<bool>("accepted");
    using K = ColourSourceKind;
    const auto row = [](const char* name, const char* target, const char* source, K kind,
                        bool accepted) {
        QTest::newRow(name) << QString::fromLatin1(target) << QString::fromLatin1(source) << kind
                            << accepted;
    };
    row("main colour on the body", "body", "", K::MainSwatch, true);
    row("main colour on the page title", "pagetitle", "", K::MainSwatch, true);
    row("header onto the footer", "footer", "header", K::WebPagePart, true);
    row("header onto itself", "header", "header", K::WebPagePart, false);
    row("link onto the body", "body", "link2", K::WebPageText, true);
    // Refused by the text, the drop must not fall through to the part beneath it.
    row("body text onto itself", "bodytext", "bodytext", K::WebPageText, false);
    row("harmony swatch on the border", "borderText", "", K::WindowSwatch, true);
    row("list entry on the border", "borderText", "", K::ColourList, false);
    row("page text on the border", "borderText", "link2", K::WebPageText, false);
}

void WebPageTestWindowTest::dropsSetTheTargetsColour()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(ColourSourceKind, kind);
    QFETCH(bool, accepted);
    MakeFeature();
    WebPageItem* targetItem = Named(target);
    QObject otherWindow;
    WebPageItem* sourceItem = source.isEmpty() ? nullptr : Named(source);
    const ColorRef colour = sourceItem ? sourceItem->colour() : kDropped;
    const QObject* sourceObject = sourceItem ? static_cast<QObject*>(sourceItem) : &otherWindow;
    WebPageStyle expected = Window()->style();

    QCOMPARE(SendDrop(targetItem, DraggedColour{colour, kind, sourceObject}), accepted);

    if (accepted && targetItem == Window()->borderText())
        expected.borderColour = colour;
    for (int i = 0; accepted && i < kWebPartCount; ++i)
        if (View()->part(WebPart(i)) == targetItem)
            expected.colour(WebPart(i)) = colour;
    for (int i = 0; accepted && i < kWebTextCount; ++i)
        if (View()->text(WebText(i)) == targetItem)
            expected.text(WebText(i)).font.colour = colour;
    QVERIFY(Window()->style() == expected);
}

void WebPageTestWindowTest::sampleKeepsTheFontAndResetsTheDividers()
{
    MakeFeature();
    WebPageItem* header = View()->text(WebText::HeaderText);
    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSize(14);
    chosen.setItalic(true);
    m_kit->fake.fontDialog.answers = {FontChoice{chosen, QColor(1, 2, 3)}};
    SendMouse(header, QEvent::MouseButtonDblClick, Qt::LeftButton);
    const FontChoice preset = m_kit->fake.fontDialog.initials.value(0);
    QCOMPARE(preset.font.pointSize(), 24);
    QVERIFY(preset.font.bold());
    FontSpec font = Window()->style().text(WebText::HeaderText).font;
    QCOMPARE(font.family, QStringLiteral("Courier New"));
    QVERIFY(font.pointSize == 14 && font.italic && !font.bold && font.charSet == kDefaultCharSet);
    QCOMPARE(font.colour, PackColour(1, 2, 3));
    QCOMPARE(header->font().pixelSize(), 19);
    // Alt+Enter asks as the double-click does.
    QTest::keyClick(header, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(m_kit->fake.fontDialog.initials.size(), 2);

    DragDividerBy(View()->divider(WebDivider::BelowHeader), QPoint(0, 20));
    DragDividerBy(View()->divider(WebDivider::RightOfLinkColumn), QPoint(-13, 0));
    QCOMPARE(View()->part(WebPart::Body)->geometry(), QRect(102, 71, 283, 199));
    DragDividerBy(View()->divider(WebDivider::AboveFooter), QPoint(0, 25)); // below 1: gone
    QCOMPARE(Window()->style().partSizes, (std::array<int, 3>{69, 0, 100}));

    Window()->sampleMenu()->actions()[1]->trigger(); // "Load Sample 2"
    QCOMPARE(header->text(), QStringLiteral("My Photo Collection"));
    QCOMPARE(Window()->style().partSizes, (std::array<int, 3>{49, 25, 113}));
    font.colour = 0;
    QVERIFY(Window()->style().text(WebText::HeaderText).font == font);
    QCOMPARE(header->font().family(), QStringLiteral("Courier New"));
    Window()->sampleMenu()->actions()[5]->trigger();
    QCOMPARE(View()->part(WebPart::Footer)->height(), 0);
    QCOMPARE(View()->divider(WebDivider::AboveFooter)->geometry(), QRect(0, 295, 385, 2));
}

void WebPageTestWindowTest::hideAndShowKeepThePage()
{
    MakeFeature();
    m_kit->commands.Run(Command::WebPageTest); // the tool button
    QVERIFY(Window()->isVisible());
    SendDrop(View()->part(WebPart::Body), DraggedColour{kDropped, ColourSourceKind::MainSwatch});
    m_kit->fake.inputBox.answers = {QStringLiteral("Hello")};
    SendMouse(View()->text(WebText::PageTitle), QEvent::MouseButtonPress, Qt::RightButton);
    DragDividerBy(View()->divider(WebDivider::BelowHeader), QPoint(0, -9));
    const WebPageStyle changed = Window()->style();
    QVERIFY(changed != InitialWebPageStyle());

    QTest::mouseClick(Window()->closeBox(), Qt::LeftButton);
    QVERIFY(!Window()->isVisible());
    QTest::keyClick(&m_kit->window, Qt::Key_F8); // the main window's F8
    QVERIFY(Window()->isVisible());
    QVERIFY(Window()->style() == changed);
    QCOMPARE(View()->text(WebText::PageTitle)->text(), QStringLiteral("Hello"));
    QCOMPARE(View()->part(WebPart::Header)->height(), 40);
}

void WebPageTestWindowTest::typeNewString_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Cancel keeps it") << std::optional<QString>() << "My Web Site";
    QTest::newRow("empty keeps it") << std::optional<QString>(QString()) << "My Web Site";
    QTest::newRow("OK replaces it, markup as typed")
        << std::optional<QString>(QStringLiteral("<b>Mine</b> & co"))
        << QStringLiteral("<b>Mine</b> & co");
}

void WebPageTestWindowTest::typeNewString()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, shown);
    MakeFeature();
    m_kit->fake.inputBox.answers = {answer};
    WebPageItem* header = View()->text(WebText::HeaderText);
    SendMouse(header, QEvent::MouseButtonPress, Qt::RightButton);
    QCOMPARE(m_kit->fake.inputBox.calls.size(), 1);
    QCOMPARE(m_kit->fake.inputBox.calls[0].title, QStringLiteral("Type New String"));
    QCOMPARE(m_kit->fake.inputBox.calls[0].prompt, QStringLiteral("Type New String"));
    QVERIFY(m_kit->fake.inputBox.calls[0].initial.isEmpty());
    QCOMPARE(header->text(), shown);
    QCOMPARE(header->textFormat(), Qt::PlainText);
    // The menu key asks as the right button does.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                              header->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(header, &menuKey);
    QCOMPARE(m_kit->fake.inputBox.calls.size(), 2);
}

void WebPageTestWindowTest::styleFileRoundTripAndExport()
{
    MakeFeature();
    Window()->LoadSample(5);
    m_kit->fake.inputBox.answers = {QStringLiteral("Caf\u00e9 \u2014 \u65e5\u672c")};
    SendMouse(View()->text(WebText::Link3), QEvent::MouseButtonPress, Qt::RightButton);
    const WebPageStyle saved = Window()->style();
    m_kit->fake.fileDialogs.fileNames = {m_folder + QStringLiteral("mine")};
    QTest::mouseClick(Window()->saveButton(), Qt::LeftButton);
    const FileDialogRequest save = m_kit->fake.fileDialogs.saveRequests.value(0);
    QCOMPARE(save.filter, QStringLiteral("QB Kromi Web Test Style (*.cls)|*.cls"));
    QVERIFY(save.overwritePrompt);
    QVERIFY(QFile::exists(m_folder + QStringLiteral("mine.cls")));

    Window()->LoadSample(2);
    m_kit->fake.fileDialogs.fileNames = {m_folder + QStringLiteral("mine.cls")};
    QTest::mouseClick(Window()->loadButton(), Qt::LeftButton);
    QCOMPARE(m_kit->fake.fileDialogs.openRequests.value(0).filter, save.filter);
    QVERIFY(Window()->style() == saved);
    QCOMPARE(View()->text(WebText::Link3)->text(), saved.text(WebText::Link3).text);

    m_kit->fake.fileDialogs.fileNames = {m_folder + QStringLiteral("page")};
    QTest::mouseClick(Window()->exportButton(), Qt::LeftButton);
    const FileDialogRequest exported = m_kit->fake.fileDialogs.saveRequests.value(1);
    QCOMPARE(exported.filter, QStringLiteral("HTML Document|*.htm"));
    QVERIFY(exported.overwritePrompt);
    QFile page(m_folder + QStringLiteral("page.htm"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("Caf&#233; &#8212; &#26085;&#26412;"));
    QVERIFY(m_kit->fake.messages.shown.isEmpty());
}

void WebPageTestWindowTest::fileFailuresAreReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // written first unless empty
    QTest::addColumn<QString>("message");    // %1 the path
    const auto row = [](const char* name, const char* button, const char* file,
                        const QByteArray& content, const char* message) {
        QTest::newRow(name) << QString::fromLatin1(button) << QString::fromLatin1(file) << content
                            << QString::fromLatin1(message);
    };
    row("load missing", "loadButton", "none.cls", {}, "Cannot open file %1");
    row("load with a bad line", "loadButton", "bad.cls",
        "headertext.text=Kept\r\nheader.height=lots\r\nfooter.height=3\r\n",
        "%1: Line 2 is not a valid style line: \"header.height=lots\"");
    row("save into a missing folder", "saveButton", "no/such.cls", {}, "Cannot create file %1");
    row("export into a missing folder", "exportButton", "no/such.htm", {}, "Cannot create file %1");
}

void WebPageTestWindowTest::fileFailuresAreReported()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    MakeFeature();
    const QString path = m_folder + file;
    if (!content.isEmpty()) {
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(content);
    }
    m_kit->fake.fileDialogs.fileNames = {path};
    QTest::mouseClick(Window()->findChild<PanelButton*>(button), Qt::LeftButton);
    QCOMPARE(m_kit->fake.messages.shown.size(), 1);
    QVERIFY2(m_kit->fake.messages.shown[0].text.startsWith(message.arg(path)),
             qPrintable(m_kit->fake.messages.shown[0].text));
    // The good lines of a bad file are taken.
    QCOMPARE(Window()->style().size(WebDivider::AboveFooter), content.isEmpty() ? 25 : 3);
}

void WebPageTestWindowTest::viewAsChangesOnlyTheDrawing()
{
    m_kit->settings.SetSetting(QStringLiteral("web.view"), QStringLiteral("achromatopsia"));
    MakeFeature();
    WebPageItem* header = View()->part(WebPart::Header);
    // Sample 1's header 200,224,133 keeps its colour; it is drawn in its luminance.
    QCOMPARE(header->colour(), PackColour(200, 224, 133));
    QCOMPARE(header->palette().color(QPalette::Window), QColor(214, 214, 214));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 5), header->mapToGlobal(QPointF(300, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(header, &move);
    QCOMPARE(Window()->seenLine()->text(),
             QStringLiteral("Simulated achromatopsia 1.0. Real #C8E085, seen #D6D6D6"));
    QVERIFY(
        Named(QStringLiteral("footertext"))->toolTip().contains(QStringLiteral("As seen with")));

    Window()->viewAsMenu()->actions().first()->trigger();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("web.view")), QStringLiteral("normal"));
    QCOMPARE(header->palette().color(QPalette::Window), QColor(200, 224, 133));
    QVERIFY(Window()->seenLine()->text().isEmpty());
}

void WebPageTestWindowTest::placement_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("message");
    const QSize s800(800, 600);
    QTest::newRow("default place") << QByteArray() << false << s800 << QPoint(242, 337) << "";
    QTest::newRow("first start, 800 x 600") << QByteArray() << true << s800 << QPoint(5, 236) << "";
    QTest::newRow("first start, 1152 x 864")
        << QByteArray() << true << QSize(1152, 864) << QPoint(39, 433) << "";
    QTest::newRow("first start, other screen")
        << QByteArray() << true << QSize(1280, 1024) << QPoint(242, 337) << "";
    QTest::newRow("stored place") << QByteArray("web.left=-10\r\nweb.top=20\r\n") << false << s800
                                  << QPoint(-10, 20) << "";
    QTest::newRow("bad left keeps the default left")
        << QByteArray("web.left=abc\r\nweb.top=20\r\n") << false << s800 << QPoint(242, 20)
        << "'abc' is not a valid integer value";
    QTest::newRow("bad top keeps the default top")
        << QByteArray("web.left=10\r\nweb.top=2x\r\n") << false << s800 << QPoint(10, 337)
        << "'2x' is not a valid integer value";
}

void WebPageTestWindowTest::placement()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, firstStart);
    QFETCH(QSize, screen);
    QFETCH(QPoint, place);
    QFETCH(QString, message);
    QFile file(m_folder + QStringLiteral("set.set"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Settings\r\n" + settings);
    file.close();
    m_kit->settings.Load(file.fileName());
    m_kit->fake.screen.screenSize = screen;
    MakeFeature(firstStart);
    QCOMPARE(Window()->pos(), place);
    QCOMPARE(m_kit->fake.messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m_kit->fake.messages.shown[0].text, message);

    Window()->move(-3, 44);
    m_feature->WritePositionSettings();
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("web.left")), QStringLiteral("-3"));
    QCOMPARE(m_kit->settings.GetSetting(QStringLiteral("web.top")), QStringLiteral("44"));
}

void WebPageTestWindowTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Command>("command"); // None: nothing is run
    QTest::addColumn<bool>("closes");
    const Qt::KeyboardModifiers none;
    QTest::newRow("F8 closes") << int(Qt::Key_F8) << none << Command::None << true;
    QTest::newRow("F7 Shape Test") << int(Qt::Key_F7) << none << Command::ShapeTest << false;
    QTest::newRow("Ctrl+C Copy window")
        << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier) << Command::CopyWindow
        << false;
    QTest::newRow("F11 Reopen") << int(Qt::Key_F11) << none << Command::Reopen << false;
    QTest::newRow("Ctrl+Z Undo") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                 << Command::Undo << false;
    QTest::newRow("Ctrl+F8 nothing")
        << int(Qt::Key_F8) << Qt::KeyboardModifiers(Qt::ControlModifier) << Command::None << false;
}

void WebPageTestWindowTest::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Command, command);
    QFETCH(bool, closes);
    MakeFeature();
    Window()->ShowAndRaise();
    // Whatever control has the focus, the window's keys come first.
    QTest::keyClick(View()->text(WebText::BodyText), Qt::Key(key), modifiers);
    QCOMPARE(m_kit->ran, command == Command::None ? QList<Command>() : QList<Command>{command});
    QCOMPARE(Window()->isVisible(), !closes);
}

void WebPageTestWindowTest::tabVisitsThePageThenTheControls()
{
    MakeFeature();
    Window()->ShowAndRaise();
    const QStringList expected{"header",     "headertext", "linkcolumn",   "link1",
                               "link2",      "link3",      "link4",        "link5",
                               "body",       "pagetitle",  "bodytext",     "footer",
                               "footertext", "borderText", "viewAsButton", "sampleButton",
                               "saveButton", "loadButton", "exportButton"};
    QWidget* header = View()->part(WebPart::Header);
    // The window opens with the focus on the page.
    QVERIFY(QTest::qWaitForWindowActive(Window()));
    QCOMPARE(QApplication::focusWidget(), header);
    QCOMPARE(TabWalk(header), expected);
}

void WebPageTestWindowTest::keysDropTheMainColour_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::newRow("part, Return") << "body" << int(Qt::Key_Return);
    QTest::newRow("text, Space") << "link3" << int(Qt::Key_Space);
    QTest::newRow("wrapped text, keypad Enter") << "bodytext" << int(Qt::Key_Enter);
    QTest::newRow("border text, Return") << "borderText" << int(Qt::Key_Return);
}

void WebPageTestWindowTest::keysDropTheMainColour()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    MakeFeature();
    m_kit->colour.SetMainColour(kDropped);
    WebPageItem* item = Named(target);
    QTest::keyClick(item, Qt::Key(key));
    // As a drop of the main swatch: the style takes the colour and the page shows it.
    QCOMPARE(target == QLatin1String("borderText") ? Window()->style().borderColour
                                                   : item->colour(),
             kDropped);
}

QTEST_MAIN(WebPageTestWindowTest)
#include "tst_webpagetestwindow.moc"
