#include "support/FakePlatform.h"
#include "ui/HowToTexts.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/AboutWindow.h"
#include "ui/windows/SplashWindow.h"
#include "ui/windows/TipWindow.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>

class HelpWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void tipWindowLayout();
    void showTipShowsCentredOnFirstShow();
    void showTipWhileShowingReplacesTextWithoutMoving();
    void doneAndCloseBoxHideKeepingTheTip_data();
    void doneAndCloseBoxHideKeepingTheTip();
    void howToMenuEntriesShowTheirTexts_data();
    void howToMenuEntriesShowTheirTexts();
    void openHelpDocument_data();
    void openHelpDocument();
    void splashLayoutAndPainting();
    void aboutLayout();
    void aboutClicks_data();
    void aboutClicks();
    void aboutShowModalBlocksOtherWindows();

private:
    FakePlatform m_fake;
};

void HelpWindowsTest::tipWindowLayout()
{
    TipWindow tip(m_fake.screen);
    QCOMPARE(tip.size(), QSize(320, 220));
    QCOMPARE(tip.titleStrip()->caption(), QStringLiteral("Tip"));

    auto* text = tip.findChild<QLabel*>(QStringLiteral("tipText"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), QRect(8, 24, 305, 169));
    QVERIFY(text->wordWrap());
    QCOMPARE(text->font().pointSize(), 8);
    // "HTML Style Hex" keeps its letters: the bitmap face would join "TM" into one sign.
    QTextLayout layout(QStringLiteral("HTML"), text->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qsizetype glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        glyphs += run.glyphIndexes().size();
    QCOMPARE(glyphs, 4);

    auto* done = tip.findChild<PanelButton*>(QStringLiteral("doneButton"));
    QVERIFY(done);
    QCOMPARE(done->text(), QStringLiteral("Done"));
    QCOMPARE(done->geometry(), QRect(232, 199, 81, 17));
    QCOMPARE(done->palette().color(QPalette::Window), QColor(243, 243, 243));
    QCOMPARE(done->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void HelpWindowsTest::showTipShowsCentredOnFirstShow()
{
    m_fake.screen.screenSize = QSize(1280, 1024);
    TipWindow tip(m_fake.screen);
    QVERIFY(!tip.isVisible());
    const QString text = HowToTexts()[0].text;
    tip.ShowTip(text);
    QVERIFY(tip.isVisible());
    QCOMPARE(tip.pos(), QPoint(480, 402));
    QCOMPARE(tip.TipText(), text);
    // The lone CRs become line breaks the label honours.
    QCOMPARE(tip.findChild<QLabel*>(QStringLiteral("tipText"))->text(),
             QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void HelpWindowsTest::showTipWhileShowingReplacesTextWithoutMoving()
{
    TipWindow tip(m_fake.screen);
    tip.ShowTip(HowToTexts()[1].text);
    tip.move(10, 20);
    tip.ShowTip(HowToTexts()[2].text);
    QVERIFY(tip.isVisible());
    QCOMPARE(tip.pos(), QPoint(10, 20));
    QCOMPARE(tip.TipText(), HowToTexts()[2].text);
    QVERIFY(tip.findChild<QLabel*>(QStringLiteral("tipText"))
                ->text()
                .startsWith(HowToTexts()[2].caption + QLatin1Char('\n')));
}

void HelpWindowsTest::doneAndCloseBoxHideKeepingTheTip_data()
{
    QTest::addColumn<bool>("useDone");
    QTest::newRow("Done") << true;
    QTest::newRow("X") << false;
}

void HelpWindowsTest::doneAndCloseBoxHideKeepingTheTip()
{
    QFETCH(bool, useDone);
    TipWindow tip(m_fake.screen);
    const QString text = HowToTexts()[4].text;
    tip.ShowTip(text);
    tip.move(30, 40);
    QWidget* target =
        useDone ? static_cast<QWidget*>(tip.findChild<PanelButton*>(QStringLiteral("doneButton")))
                : tip.closeBox();
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(!tip.isVisible());
    QCOMPARE(tip.TipText(), text);

    // Chosen again: the same text, where the user left the window.
    tip.ShowTip(text);
    QVERIFY(tip.isVisible());
    QCOMPARE(tip.pos(), QPoint(30, 40));
    QCOMPARE(tip.findChild<QLabel*>(QStringLiteral("tipText"))->text(),
             QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void HelpWindowsTest::howToMenuEntriesShowTheirTexts_data()
{
    QTest::addColumn<HelpMenu>("which");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("main window") << HelpMenu::MainWindow << 0 << 9;
    QTest::newRow("web test") << HelpMenu::WebTest << 9 << 4;
    QTest::newRow("history") << HelpMenu::History << 13 << 2;
}

void HelpWindowsTest::howToMenuEntriesShowTheirTexts()
{
    QFETCH(HelpMenu, which);
    QFETCH(int, first);
    QFETCH(int, count);
    TipWindow tip(m_fake.screen);
    QMenu menu;
    AddHowToEntries(menu, which, tip);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), count);
    for (int i = 0; i < count; ++i) {
        const HowTo& howTo = HowToTexts()[static_cast<std::size_t>(first + i)];
        QCOMPARE(actions[i]->text(), howTo.caption);
        actions[i]->trigger();
        QVERIFY(tip.isVisible());
        QCOMPARE(tip.TipText(), howTo.text);
    }
}

void HelpWindowsTest::openHelpDocument_data()
{
    QTest::addColumn<QString>("helpValue");
    QTest::addColumn<bool>("slashAfterDirectory");
    QTest::addColumn<bool>("opens");
    QTest::newRow("key missing or empty") << QString() << true << false;
    QTest::newRow("file missing") << QStringLiteral("help/missing.html") << true << false;
    QTest::newRow("names a folder") << QStringLiteral("help") << true << false;
    QTest::newRow("file present") << QStringLiteral("help/qbkromi-help.html") << true << true;
    QTest::newRow("directory without separator")
        << QStringLiteral("help/qbkromi-help.html") << false << true;
}

void HelpWindowsTest::openHelpDocument()
{
    QFETCH(QString, helpValue);
    QFETCH(bool, slashAfterDirectory);
    QFETCH(bool, opens);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("help")));
    QFile document(folder.filePath(QStringLiteral("help/qbkromi-help.html")));
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();

    FakePlatform fake;
    Platform platform = fake.platform();
    const QString directory =
        folder.path() + (slashAfterDirectory ? QStringLiteral("/") : QString());
    OpenHelpDocument(helpValue, directory, platform, nullptr);

    if (opens) {
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(fake.shell.openedPaths, QStringList{folder.path() + QLatin1Char('/') + helpValue});
    } else {
        QVERIFY(fake.shell.openedPaths.isEmpty());
        QCOMPARE(fake.messages.shown.size(), 1);
        QCOMPARE(fake.messages.shown[0].kind, FakeMessageBoxes::Kind::Information);
        QCOMPARE(fake.messages.shown[0].text, QStringLiteral("Help files can not be found."));
    }
}

void HelpWindowsTest::splashLayoutAndPainting()
{
    m_fake.screen.screenSize = QSize(1024, 768);
    SplashWindow splash(m_fake.screen);
    QCOMPARE(splash.size(), QSize(591, 502));
    QCOMPARE(splash.pos(), QPoint(216, 133));
    QCOMPARE(splash.Picture().size(), QSize(589, 500));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);

    auto* version = splash.findChild<QLabel*>(QStringLiteral("versionLine"));
    QVERIFY(version);
    QCOMPARE(version->pos(), QPoint(31, 432));
    QVERIFY(QRegularExpression(QStringLiteral("^Version 1\\.3 \\(build \\d+\\)$"))
                .match(version->text())
                .hasMatch());
    QCOMPARE(version->text(), VersionLine());
    QCOMPARE(version->font().pixelSize(), 9);
    QVERIFY(!version->autoFillBackground());

    const QImage shown = splash.grab().toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(590, 0), QPoint(0, 501), QPoint(590, 501)})
        QCOMPARE(shown.pixelColor(corner), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(1, 1), splash.Picture().pixelColor(0, 0));
    QCOMPARE(shown.pixelColor(589, 500), splash.Picture().pixelColor(588, 499));
}

void HelpWindowsTest::aboutLayout()
{
    m_fake.screen.screenSize = QSize(1280, 1024);
    const QImage picture = ProductPicture();
    AboutWindow about(picture, m_fake.screen, m_fake.shell);
    QCOMPARE(about.size(), QSize(592, 502));
    QCOMPARE(about.pos(), QPoint(344, 261));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLine"))->text(), VersionLine());

    auto* webArea = about.findChild<QWidget*>(QStringLiteral("webArea"));
    QVERIFY(webArea);
    QCOMPARE(webArea->geometry(), QRect(292, 451, 297, 49));
    QCOMPARE(webArea->cursor().shape(), Qt::PointingHandCursor);

    const QImage shown = about.grab().toImage();
    QCOMPARE(shown.pixelColor(591, 501), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(1, 1), picture.pixelColor(0, 0));
}

void HelpWindowsTest::aboutClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("hides");
    QTest::addColumn<bool>("opensWebPage");
    QTest::newRow("picture") << QString() << QPoint(100, 100) << true << false;
    QTest::newRow("version line") << QStringLiteral("versionLine") << QPoint(2, 2) << true << false;
    QTest::newRow("web area") << QStringLiteral("webArea") << QPoint(10, 10) << false << true;
    QTest::newRow("right button on picture") << QString() << QPoint(-1, -1) << false << false;
}

void HelpWindowsTest::aboutClicks()
{
    QFETCH(QString, target);
    QFETCH(QPoint, position);
    QFETCH(bool, hides);
    QFETCH(bool, opensWebPage);
    FakePlatform fake;
    AboutWindow about(ProductPicture(), fake.screen, fake.shell);
    about.ShowModal();
    QVERIFY(about.isVisible());

    QWidget* widget = target.isEmpty() ? &about : about.findChild<QWidget*>(target);
    QVERIFY(widget);
    const bool rightButton = position == QPoint(-1, -1);
    QTest::mouseClick(widget, rightButton ? Qt::RightButton : Qt::LeftButton, {},
                      rightButton ? QPoint(100, 100) : position);

    QCOMPARE(about.isVisible(), !hides);
    QCOMPARE(fake.shell.openedPaths,
             opensWebPage ? QStringList{QString::fromLatin1(AboutWindow::WebPage)} : QStringList{});
}

void HelpWindowsTest::aboutShowModalBlocksOtherWindows()
{
    QWidget mainWindow;
    mainWindow.show();
    AboutWindow about(ProductPicture(), m_fake.screen, m_fake.shell, &mainWindow);
    about.ShowModal();
    QVERIFY(about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(!about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(HelpWindowsTest)
#include "tst_helpwindows.moc"
