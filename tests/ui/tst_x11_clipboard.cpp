#include "copy/CopyPayload.h"
#include "copy/CopyPictures.h"
#include "platform/QtPlatform.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(CopyFormat)
Q_DECLARE_METATYPE(PictureKind)

// What the copy payloads offer to other programs through the real X clipboard: a
// second process lists the targets and reads the data while this one keeps
// answering selection requests.
class X11ClipboardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void anotherProgramSeesThePayload_data();
    void anotherProgramSeesThePayload();
    void textWrittenOnAWorkerReachesAnotherProgram();

private:
    QByteArray Xclip(const QStringList& arguments);

    std::unique_ptr<QtPlatform> m_qt;
};

namespace {

const QStringList kEntries{QStringLiteral("#FF0000"), QStringLiteral("#06A7FF"),
                           QStringLiteral("#123456")};

CopyOptions WithKind(PictureKind kind)
{
    CopyOptions options;
    options.swatchesKind = kind;
    return options;
}

} // namespace

void X11ClipboardTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server");
    if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty())
        QSKIP("xclip is not installed");
    m_qt = std::make_unique<QtPlatform>();
}

// Runs xclip to the end, handling this process's events meanwhile: the clipboard
// owner must answer xclip's requests or both would wait for each other.
QByteArray X11ClipboardTest::Xclip(const QStringList& arguments)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                QStringList{QStringLiteral("-selection"), QStringLiteral("clipboard")} + arguments);
    if (!xclip.waitForStarted(5000))
        return QByteArray();
    QElapsedTimer bound;
    bound.start();
    while (!xclip.waitForFinished(20)) {
        QCoreApplication::processEvents();
        if (bound.hasExpired(30000)) {
            xclip.kill();
            xclip.waitForFinished();
            return QByteArray();
        }
    }
    return xclip.readAllStandardOutput();
}

void X11ClipboardTest::anotherProgramSeesThePayload_data()
{
    QTest::addColumn<CopyFormat>("format");
    QTest::addColumn<PictureKind>("kind");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QString>("readType");

    QTest::newRow("text") << CopyFormat::Css << PictureKind::Bmp
                          << QStringList{QStringLiteral("UTF8_STRING"),
                                         QStringLiteral("text/plain")}
                          << QStringLiteral("UTF8_STRING");
    QTest::newRow("bitmap") << CopyFormat::Swatches << PictureKind::Bmp
                            << QStringList{QStringLiteral("image/png")}
                            << QStringLiteral("image/png");
    QTest::newRow("bitmap as BMP")
        << CopyFormat::Swatches << PictureKind::Bmp << QStringList{QStringLiteral("image/bmp")}
        << QStringLiteral("image/bmp");
    QTest::newRow("metafile") << CopyFormat::Swatches << PictureKind::Wmf
                              << (WmfMimeTypes() << QStringLiteral("image/png"))
                              << QStringLiteral("image/x-wmf");
}

void X11ClipboardTest::anotherProgramSeesThePayload()
{
    QFETCH(CopyFormat, format);
    QFETCH(PictureKind, kind);
    QFETCH(QStringList, targets);
    QFETCH(QString, readType);

    const CopyOptions options = WithKind(kind);
    CopyPayload payload = BuildCopyPayload(format, kEntries, options);
    QVERIFY(payload.ok());
    m_qt->platform().clipboard.SetMimeData(payload.mimeData.release());
    QCoreApplication::processEvents();

    const QByteArray listed =
        Xclip({QStringLiteral("-t"), QStringLiteral("TARGETS"), QStringLiteral("-o")});
    const QStringList offered =
        QString::fromLatin1(listed).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& target : targets)
        QVERIFY2(offered.contains(target),
                 qPrintable(target + QStringLiteral(" not in ") + offered.join(QLatin1Char(' '))));

    const QByteArray read = Xclip({QStringLiteral("-t"), readType, QStringLiteral("-o")});
    if (readType == QLatin1String("UTF8_STRING")) {
        QCOMPARE(QString::fromUtf8(read), BuildCssText(kEntries, options.css));
    } else if (readType.startsWith(QLatin1String("image/")) && readType != "image/x-wmf") {
        QImage image;
        QVERIFY(image.loadFromData(read, readType.mid(6).toUpper().toLatin1()));
        const QImage expected = BuildSwatchesBitmap(kEntries, options.swatches).image;
        QCOMPARE(image.convertToFormat(expected.format()), expected);
    } else {
        QCOMPARE(read, BuildSwatchesMetafile(kEntries, options.swatches).wmf);
    }
}

void X11ClipboardTest::textWrittenOnAWorkerReachesAnotherProgram()
{
    const QString text = QStringLiteral("06A7FF\r\nFF0000\r\n");
    m_qt->platform().clipboard.SetMimeData(
        TextMimeDataFromWorker([text] { return text; }).release());
    QCoreApplication::processEvents();
    QCOMPARE(QString::fromUtf8(Xclip(
                 {QStringLiteral("-t"), QStringLiteral("UTF8_STRING"), QStringLiteral("-o")})),
             text);
}

QTEST_MAIN(X11ClipboardTest)
#include "tst_x11_clipboard.moc"
