#include "support/FakePlatform.h"

#include <QtTest>

// The fakes stand in for the desktop in every window test, so their scripting and
// records must behave exactly as documented.
class FakePlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void questionsTakeScriptedAnswersThenNo();
    void informationBoxesAreTitledQbKromi();
    void fileDialogsTakeQueuedNamesAndRecordRequests();
    void dialogsCancelWhenNothingIsQueued();
    void clipboardHoldsOnlyTheLastContent();
    void screenReadsFunctionThenImageThenBlack();
    void shellAndWindowControlRecord();
};

void FakePlatformTest::questionsTakeScriptedAnswersThenNo()
{
    FakePlatform fake;
    fake.messages.answers = {true, false, true};
    MessageBoxes& boxes = fake.platform().messages;
    QCOMPARE(boxes.Question(nullptr, "a", "A?"), true);
    QCOMPARE(boxes.Question(nullptr, "b", "B?"), false);
    QCOMPARE(boxes.Question(nullptr, "c", "C?"), true);
    QCOMPARE(boxes.Question(nullptr, "d", "D?"), false);
    QCOMPARE(fake.messages.shown.size(), 4);
    QCOMPARE(fake.messages.shown[1].kind, FakeMessageBoxes::Kind::Question);
    QCOMPARE(fake.messages.shown[1].text, QStringLiteral("b"));
    QCOMPARE(fake.messages.shown[1].title, QStringLiteral("B?"));
}

void FakePlatformTest::informationBoxesAreTitledQbKromi()
{
    FakePlatform fake;
    fake.platform().messages.Information(nullptr, QStringLiteral("Cannot open file x"));
    QCOMPARE(fake.messages.shown.size(), 1);
    QCOMPARE(fake.messages.shown[0].kind, FakeMessageBoxes::Kind::Information);
    QCOMPARE(fake.messages.shown[0].title, QStringLiteral("QB Kromi"));
    QCOMPARE(fake.messages.shown[0].text, QStringLiteral("Cannot open file x"));
}

void FakePlatformTest::fileDialogsTakeQueuedNamesAndRecordRequests()
{
    FakePlatform fake;
    fake.fileDialogs.fileNames = {"/tmp/a.cll", "/tmp/b", "/tmp/c.txt"};
    FileDialogRequest request;
    request.title = QStringLiteral("Save");
    request.filter = QStringLiteral("QB Color List|*.cll");
    request.defaultExtension = QStringLiteral("cll");
    request.overwritePrompt = true;
    FileDialogs& dialogs = fake.platform().fileDialogs;
    QCOMPARE(dialogs.OpenFile(nullptr, request), QStringLiteral("/tmp/a.cll"));
    QCOMPARE(dialogs.SaveFile(nullptr, request), QStringLiteral("/tmp/b.cll"));
    QCOMPARE(dialogs.SaveFile(nullptr, request), QStringLiteral("/tmp/c.txt"));
    QCOMPARE(dialogs.SaveFile(nullptr, request), QString());
    QCOMPARE(fake.fileDialogs.openRequests.size(), 1);
    QCOMPARE(fake.fileDialogs.saveRequests.size(), 3);
    QCOMPARE(fake.fileDialogs.saveRequests[0].filter, request.filter);
    QVERIFY(fake.fileDialogs.saveRequests[0].overwritePrompt);
}

void FakePlatformTest::dialogsCancelWhenNothingIsQueued()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    fake.inputBox.answers = {QStringLiteral("Scheme 1")};
    fake.colourDialog.answers = {QColor(6, 167, 255)};
    fake.fontDialog.answers = {FontChoice{QFont(QStringLiteral("Verdana")), Qt::red}};

    QCOMPARE(platform.inputBox.GetText(nullptr, "T", "P", "I"), std::optional<QString>("Scheme 1"));
    QVERIFY(!platform.inputBox.GetText(nullptr, "T2", "P2", "I2"));
    QCOMPARE(fake.inputBox.calls.size(), 2);
    QCOMPARE(fake.inputBox.calls[1].initial, QStringLiteral("I2"));

    QCOMPARE(platform.colourDialog.GetColour(nullptr, Qt::red), QColor(6, 167, 255));
    QVERIFY(!platform.colourDialog.GetColour(nullptr, Qt::green));
    QCOMPARE(fake.colourDialog.initials, (QVector<QColor>{Qt::red, Qt::green}));

    const std::optional<FontChoice> font = platform.fontDialog.GetFont(nullptr, {});
    QCOMPARE(font->font.family(), QStringLiteral("Verdana"));
    QCOMPARE(font->colour, QColor(Qt::red));
    QVERIFY(!platform.fontDialog.GetFont(nullptr, {}));
}

void FakePlatformTest::clipboardHoldsOnlyTheLastContent()
{
    FakePlatform fake;
    Clipboard& clipboard = fake.platform().clipboard;
    clipboard.SetText(QStringLiteral("06A7FF"));
    QCOMPARE(clipboard.Text(), QStringLiteral("06A7FF"));

    QImage picture(60, 60, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    clipboard.SetImage(picture);
    QCOMPARE(clipboard.Text(), QString());
    QCOMPARE(fake.clipboard.image, picture);

    auto* data = new QMimeData;
    data->setText(QStringLiteral("with text"));
    data->setData(QStringLiteral("image/x-wmf"), QByteArray("wmf"));
    clipboard.SetMimeData(data);
    QCOMPARE(fake.clipboard.mimeData.get(), data);
    QCOMPARE(fake.clipboard.mimeData->data(QStringLiteral("image/x-wmf")), QByteArray("wmf"));
    QCOMPARE(clipboard.Text(), QStringLiteral("with text"));
    QVERIFY(fake.clipboard.image.isNull());
    QCOMPARE(fake.clipboard.changes, 3);
}

void FakePlatformTest::screenReadsFunctionThenImageThenBlack()
{
    FakePlatform fake;
    Screen& screen = fake.platform().screen;
    QCOMPARE(screen.ScreenSize(), QSize(1280, 1024));
    QCOMPARE(screen.PixelAt(QPoint(5, 5)), QColor(Qt::black));
    QCOMPARE(screen.GrabWholeScreen().size(), QSize(1280, 1024));

    fake.screen.image = QImage(10, 10, QImage::Format_RGB32);
    fake.screen.image.fill(QColor(1, 2, 3));
    QCOMPARE(screen.PixelAt(QPoint(5, 5)), QColor(1, 2, 3));
    QCOMPARE(screen.PixelAt(QPoint(50, 5)), QColor(Qt::black));

    fake.screen.pixelColour = [](const QPoint& p) { return QColor(p.x(), p.y(), 0); };
    QCOMPARE(screen.PixelAt(QPoint(7, 9)), QColor(7, 9, 0));

    fake.screen.cursorPosition = QPoint(300, 200);
    QCOMPARE(screen.CursorPosition(), QPoint(300, 200));
}

void FakePlatformTest::shellAndWindowControlRecord()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    QVERIFY(platform.shell.OpenDocument(QStringLiteral("help.pdf")));
    fake.shell.result = false;
    QVERIFY(!platform.shell.OpenDocument(QStringLiteral("other.pdf")));
    QCOMPARE(fake.shell.openedPaths, (QStringList{"help.pdf", "other.pdf"}));

    QWidget a;
    QWidget b;
    platform.windowControl.SetOpacity(&a, 40);
    platform.windowControl.SetOpacity(&a, 200);
    platform.windowControl.SetTopmost(&b, true);
    QCOMPARE(fake.windowControl.opacity.value(&a), 200);
    QVERIFY(!fake.windowControl.opacity.contains(&b));
    QCOMPARE(fake.windowControl.topmost.value(&b), true);
    QCOMPARE(fake.windowControl.topmostCalls, 1);
}

QTEST_MAIN(FakePlatformTest)
#include "tst_fakeplatform.moc"
