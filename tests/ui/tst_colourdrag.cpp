#include "ui/ColourDrag.h"

#include <QColor>
#include <QDropEvent>
#include <QMimeData>
#include <QtTest>
#include <QUrl>
#include <QWidget>

#include <memory>

Q_DECLARE_METATYPE(ColourSourceKind)
Q_DECLARE_METATYPE(std::optional<ColorRef>)
Q_DECLARE_METATYPE(std::shared_ptr<QMimeData>)

// Real drags are never started here: QDrag::exec runs a nested loop that a synthetic
// press cannot end. The data round trip and the accept rule are what targets rely on.
class ColourDragTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTripForEveryKind_data();
    void roundTripForEveryKind();
    void variationsImageCarriesPackedText();
    void foreignOrDamagedDataIsRefused_data();
    void foreignOrDamagedDataIsRefused();
    void mainSwatchAcceptsEverySourceButItself();
    void otherProgramsGetStandardData();
    void coloursFromText_data();
    void coloursFromText();
    void aDropTargetTakesColoursFromOtherPrograms_data();
    void aDropTargetTakesColoursFromOtherPrograms();
};

void ColourDragTest::roundTripForEveryKind_data()
{
    QTest::addColumn<ColourSourceKind>("kind");
    QTest::addColumn<uint>("colour");
    QTest::newRow("swatch") << ColourSourceKind::WindowSwatch << uint(PackColour(6, 167, 255));
    QTest::newRow("panel") << ColourSourceKind::WebPagePart << uint(PackColour(255, 255, 255));
    QTest::newRow("text") << ColourSourceKind::TestText << uint(PackColour(0, 0, 0));
    QTest::newRow("list") << ColourSourceKind::ColourList << uint(PackColour(1, 2, 3));
    QTest::newRow("variations") << ColourSourceKind::VariationsImage << uint(PackColour(255, 0, 1));
    QTest::newRow("variations black") << ColourSourceKind::VariationsImage << 0u;
    QTest::newRow("variations white") << ColourSourceKind::VariationsImage << 0xFFFFFFu;
}

void ColourDragTest::roundTripForEveryKind()
{
    QFETCH(ColourSourceKind, kind);
    QFETCH(uint, colour);
    QObject source;
    const std::unique_ptr<QMimeData> data(CreateColourMimeData({colour, kind, &source}));
    QVERIFY(data->hasFormat(QStringLiteral("application/x-qbkromi-colour")));
    const std::optional<DraggedColour> decoded = DecodeColourDrop(data.get());
    QVERIFY(decoded);
    QCOMPARE(decoded->colour, ColorRef(colour));
    QCOMPARE(decoded->kind, kind);
    QCOMPARE(decoded->source, &source);
}

void ColourDragTest::variationsImageCarriesPackedText()
{
    const std::unique_ptr<QMimeData> data(CreateColourMimeData(
        {PackColour(6, 167, 255), ColourSourceKind::VariationsImage, nullptr}));
    const QByteArray payload = data->data(QString::fromLatin1(ColourMimeType));
    QVERIFY2(payload.endsWith(" $00FFA706"), payload.constData());
    QCOMPARE(DecodeColourDrop(data.get())->colour, PackColour(6, 167, 255));
}

void ColourDragTest::foreignOrDamagedDataIsRefused_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QString ours = QString::fromLatin1(ColourMimeType);
    QTest::newRow("plain text") << "text/plain" << QByteArray("#06A7FF");
    QTest::newRow("file list") << "text/uri-list" << QByteArray("file:///tmp/a.cll");
    QTest::newRow("other process")
        << ours << QByteArray::number(QCoreApplication::applicationPid() + 1) + " 0 0 255";
    QTest::newRow("empty") << ours << QByteArray();
    QTest::newRow("missing field") << ours << pid + " 0 0";
    QTest::newRow("unknown kind") << ours << pid + " 0 9 255";
    QTest::newRow("negative kind") << ours << pid + " 0 -1 255";
    QTest::newRow("colour not a number") << ours << pid + " 0 0 red";
    QTest::newRow("colour above 24 bits") << ours << pid + " 0 3 $01000000";
}

void ColourDragTest::foreignOrDamagedDataIsRefused()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    QMimeData data;
    data.setData(format, payload);
    QVERIFY(!DecodeColourDrop(&data));
    QVERIFY(!DecodeColourDrop(nullptr));
}

void ColourDragTest::mainSwatchAcceptsEverySourceButItself()
{
    QObject mainSwatch;
    QObject harmonySwatch;
    for (int kind = 0; kind <= int(ColourSourceKind::WebPageText); ++kind) {
        const auto sourceKind = ColourSourceKind(kind);
        QVERIFY(MainSwatchAccepts({0, sourceKind, &harmonySwatch}, &mainSwatch));
        QVERIFY(MainSwatchAccepts({0, sourceKind, nullptr}, &mainSwatch));
    }
    QVERIFY(!MainSwatchAccepts({0, ColourSourceKind::WindowSwatch, &mainSwatch}, &mainSwatch));

    // The refusal survives the trip through the drag data.
    const std::unique_ptr<QMimeData> data(CreateColourMimeData(
        {PackColour(6, 167, 255), ColourSourceKind::WindowSwatch, &mainSwatch}));
    QVERIFY(!MainSwatchAccepts(*DecodeColourDrop(data.get()), &mainSwatch));
}

void ColourDragTest::otherProgramsGetStandardData()
{
    QObject source;
    const std::unique_ptr<QMimeData> data(CreateColourMimeData(
        {PackColour(6, 167, 255), ColourSourceKind::VariationsImage, &source}));
    QCOMPARE(qvariant_cast<QColor>(data->colorData()), QColor(6, 167, 255));
    QCOMPARE(data->text(), QStringLiteral("#06A7FF"));
    // Inside the program the private type still tells the source.
    QCOMPARE(DecodeAnyColourDrop(data.get())->source, &source);
}

void ColourDragTest::coloursFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<ColorRef>>("colour");
    const std::optional<ColorRef> none;
    QTest::newRow("hash hex") << "#06A7FF" << std::optional(PackColour(6, 167, 255));
    QTest::newRow("bare hex, lower case") << "06a7ff" << std::optional(PackColour(6, 167, 255));
    QTest::newRow("short, spaces around") << " #F0a\n" << std::optional(PackColour(255, 0, 170));
    QTest::newRow("bare short") << "FAB" << none;
    QTest::newRow("not hex") << "#GG0000" << none;
    QTest::newRow("a name") << "tomato" << std::optional(PackColour(255, 99, 71));
    QTest::newRow("oklch") << "oklch(51.975% 0.17686 142.495)"
                           << std::optional(PackColour(0, 128, 0));
    QTest::newRow("five digits") << "#12345" << none;
    QTest::newRow("two colours") << "#000000 #FFFFFF" << none;
    QTest::newRow("a file") << "file:///home/me/web.cll" << none;
    QTest::newRow("empty") << "" << none;
}

void ColourDragTest::coloursFromText()
{
    QFETCH(QString, text);
    QTEST(ColourFromText(text), "colour");
}

void ColourDragTest::aDropTargetTakesColoursFromOtherPrograms_data()
{
    QTest::addColumn<std::shared_ptr<QMimeData>>("data");
    QTest::addColumn<std::optional<ColorRef>>("colour"); // empty: left to the widget
    auto colourData = std::make_shared<QMimeData>();
    colourData->setColorData(QColor(1, 2, 3));
    auto text = std::make_shared<QMimeData>();
    text->setText(QStringLiteral("#102030"));
    // Colour data that does not decode, with the colour as text beside it.
    auto badColourData = std::make_shared<QMimeData>();
    badColourData->setData(QStringLiteral("application/x-color"), QByteArray("\x01", 1));
    badColourData->setText(QStringLiteral("#405060"));
    auto words = std::make_shared<QMimeData>();
    words->setText(QStringLiteral("hello"));
    auto files = std::make_shared<QMimeData>();
    files->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/web.cll"))});
    QTest::newRow("colour data") << colourData << std::optional(PackColour(1, 2, 3));
    QTest::newRow("colour text") << text << std::optional(PackColour(16, 32, 48));
    QTest::newRow("bad colour data, colour text")
        << badColourData << std::optional(PackColour(64, 80, 96));
    QTest::newRow("other text") << words << std::optional<ColorRef>();
    QTest::newRow("files") << files << std::optional<ColorRef>();
}

void ColourDragTest::aDropTargetTakesColoursFromOtherPrograms()
{
    QFETCH(std::shared_ptr<QMimeData>, data);
    QFETCH(std::optional<ColorRef>, colour);
    QWidget target;
    std::optional<DraggedColour> dropped;
    int entered = 0;
    MakeColourDropTarget(&target, {[](const DraggedColour& dragged, const QDropEvent&) {
                                       return dragged.kind == ColourSourceKind::OtherProgram;
                                   },
                                   [&](const DraggedColour& dragged) { dropped = dragged; },
                                   [&](const std::optional<DraggedColour>&) { ++entered; }});
    QVERIFY(target.acceptDrops());
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    enter.setAccepted(false);
    QApplication::sendEvent(&target, &enter);
    QCOMPARE(entered, 1);
    QCOMPARE(enter.isAccepted(), colour.has_value());
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    drop.setAccepted(false);
    QApplication::sendEvent(&target, &drop);
    QCOMPARE(drop.isAccepted(), colour.has_value());
    QCOMPARE(dropped ? std::optional(dropped->colour) : std::nullopt, colour);
}

QTEST_MAIN(ColourDragTest)
#include "tst_colourdrag.moc"
