#include "ui/Fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

// Runs on a screen scaled by 1.5 (set before the application starts): the bitmap faces
// have no strikes there, so each text face must be a scalable one of the same size.
class ScaledFontsTest : public QObject
{
    Q_OBJECT
private slots:
    void textFacesScaleSmoothly_data();
    void textFacesScaleSmoothly();
};

void ScaledFontsTest::textFacesScaleSmoothly_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("lineHeight");
    QTest::newRow("edits and labels") << SansSerifPoints() << 13;
    QTest::newRow("bold labels") << SansSerifPoints(8, true) << 13;
    QTest::newRow("status line") << SansSerifPixels(11) << 13;
    QFont preview = FixedsysFont();
    preview.setPixelSize(13);
    QTest::newRow("copy preview") << preview << 15;
}

void ScaledFontsTest::textFacesScaleSmoothly()
{
    QFETCH(QFont, font);
    QFETCH(int, lineHeight);
    const QFontInfo info(font);
    QVERIFY2(QFontDatabase::isSmoothlyScalable(info.family(), info.styleName()),
             qPrintable(info.family()));
    // Layouts were made for the bitmap faces' line heights.
    QVERIFY(qAbs(QFontMetrics(font).height() - lineHeight) <= 2);
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    ScaledFontsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledfonts.moc"
