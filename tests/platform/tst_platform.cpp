#include "platform/FileDialogs.h"
#include "platform/QtPlatform.h"

#include <QtTest>
#include <QWidget>
#include <QWindow>

class PlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void convertFileFilter_data();
    void convertFileFilter();
    void applyDefaultExtension_data();
    void applyDefaultExtension();
    void topmostTogglesWhileTheWindowStaysShowing();
    void opacityScalesTo255();
    void clipboardTextRoundTrip();
    void shellRefusesAMissingDocument();
};

void PlatformTest::convertFileFilter_data()
{
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("qt");
    QTest::newRow("one pair") << "QB Color List|*.cll"
                              << "QB Color List (*.cll)";
    QTest::newRow("two pairs") << "A|*.a|B|*.b"
                               << "A (*.a);;B (*.b)";
    QTest::newRow("description names its pattern") << "HTML (*.html)|*.html"
                                                   << "HTML (*.html)";
    QTest::newRow("upper-case pattern") << "Photoshop ACO File|*.ACO"
                                        << "Photoshop ACO File (*.ACO)";
    QTest::newRow("several patterns") << "Pictures|*.bmp;*.png"
                                      << "Pictures (*.bmp *.png)";
    QTest::newRow("empty") << ""
                           << "";
}

void PlatformTest::convertFileFilter()
{
    QFETCH(QString, windows);
    QFETCH(QString, qt);
    QCOMPARE(ConvertFileFilter(windows), qt);
}

void PlatformTest::applyDefaultExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("result");
    QTest::newRow("appended") << "/home/a/colours"
                              << "cll"
                              << "/home/a/colours.cll";
    QTest::newRow("kept") << "/home/a/colours.cll"
                          << "cll"
                          << "/home/a/colours.cll";
    QTest::newRow("other extension kept") << "/home/a/colours.txt"
                                          << "cll"
                                          << "/home/a/colours.txt";
    QTest::newRow("dot in folder only") << "/home/a.b/colours"
                                        << "cll"
                                        << "/home/a.b/colours.cll";
    QTest::newRow("no default") << "/home/a/colours"
                                << ""
                                << "/home/a/colours";
    QTest::newRow("cancelled stays empty") << ""
                                           << "cll"
                                           << "";
}

void PlatformTest::applyDefaultExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(QString, result);
    QCOMPARE(ApplyDefaultExtension(path, extension), result);
}

void PlatformTest::topmostTogglesWhileTheWindowStaysShowing()
{
    QtPlatform qt;
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(100, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const bool on : {true, false, true}) {
        qt.platform().windowControl.SetTopmost(&window, on);
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    }
}

void PlatformTest::opacityScalesTo255()
{
    QtPlatform qt;
    QWidget window;
    qt.platform().windowControl.SetOpacity(&window, 51);
    QCOMPARE(qRound(window.windowOpacity() * 255), 51);
    qt.platform().windowControl.SetOpacity(&window, 255);
    QCOMPARE(window.windowOpacity(), 1.0);
}

void PlatformTest::clipboardTextRoundTrip()
{
    QtPlatform qt;
    qt.platform().clipboard.SetText(QStringLiteral("#06A7FF"));
    QCOMPARE(qt.platform().clipboard.Text(), QStringLiteral("#06A7FF"));
}

void PlatformTest::shellRefusesAMissingDocument()
{
    QtPlatform qt;
    QVERIFY(!qt.platform().shell.OpenDocument(QStringLiteral("/nonexistent/help.pdf")));
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
