#include "ui/ColourDrag.h"

#include <QMimeData>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ColourSourceKind)

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

QTEST_APPLESS_MAIN(ColourDragTest)
#include "tst_colourdrag.moc"
