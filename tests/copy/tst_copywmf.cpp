#include "copy/CopyPictures.h"
#include "copy/CopySource.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

struct Record
{
    quint16 function = 0;
    QByteArray params;
    quint16 word(int i) const { return qFromLittleEndian<quint16>(params.constData() + 2 * i); }
    qint16 signedWord(int i) const { return qint16(word(i)); }
    quint32 colour(int wordIndex) const
    {
        return qFromLittleEndian<quint32>(params.constData() + 2 * wordIndex);
    }
};

// Reads a placeable metafile the way a player does and checks every size
// field on the way; fails the calling test on any inconsistency.
struct ParsedWmf
{
    QRect frame;
    quint16 unitsPerInch = 0;
    quint16 objects = 0;
    QVector<Record> records;
};

bool Parse(const QByteArray& data, ParsedWmf& out, QString& fault)
{
    auto word = [&](int offset) { return qFromLittleEndian<quint16>(data.constData() + offset); };
    auto dword = [&](int offset) { return qFromLittleEndian<quint32>(data.constData() + offset); };
    if (data.size() < 40 || dword(0) != 0x9AC6CDD7u) {
        fault = "no placeable key";
        return false;
    }
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= word(i);
    if (checksum != word(20)) {
        fault = "placeable checksum";
        return false;
    }
    out.frame = QRect(QPoint(qint16(word(6)), qint16(word(8))),
                      QPoint(qint16(word(10)) - 1, qint16(word(12)) - 1));
    out.unitsPerInch = word(14);
    const int h = 22;
    if (word(h) != 1 || word(h + 2) != 9 || word(h + 4) != 0x0300) {
        fault = "header type, size or version";
        return false;
    }
    const quint32 totalWords = dword(h + 6);
    out.objects = word(h + 10);
    const quint32 maxRecord = dword(h + 12);
    if (qint64(totalWords) * 2 != data.size() - h) {
        fault =
            QString("size field %1 words, file has %2").arg(totalWords).arg((data.size() - h) / 2);
        return false;
    }
    quint32 largest = 0;
    int offset = h + 18;
    while (offset < data.size()) {
        const quint32 words = dword(offset);
        if (words < 3 || offset + qint64(words) * 2 > data.size()) {
            fault = "record runs past the end";
            return false;
        }
        largest = std::max(largest, words);
        Record record;
        record.function = word(offset + 4);
        record.params = data.mid(offset + 6, int(words) * 2 - 6);
        out.records << record;
        offset += int(words) * 2;
        if (record.function == 0 && offset != data.size()) {
            fault = "end record before the end";
            return false;
        }
    }
    if (out.records.isEmpty() || out.records.last().function != 0) {
        fault = "no end record";
        return false;
    }
    if (largest != maxRecord) {
        fault = QString("largest record %1, header says %2").arg(largest).arg(maxRecord);
        return false;
    }
    return true;
}

// Plays the object records: slots must be free on creation (lowest first), exist
// when selected and never be deleted while selected.
bool CheckObjects(const ParsedWmf& wmf, QString& fault)
{
    QVector<int> kinds(wmf.objects, 0); // 0 free, else the create function
    int selectedPen = -1, selectedBrush = -1, selectedFont = -1;
    for (const Record& r : wmf.records) {
        if (r.function == 0x02FA || r.function == 0x02FB || r.function == 0x02FC) {
            const int slot = int(kinds.indexOf(0));
            if (slot < 0) {
                fault = "more objects than the header allows";
                return false;
            }
            kinds[slot] = r.function;
        } else if (r.function == 0x012D) {
            const int slot = r.word(0);
            if (slot >= kinds.size() || kinds[slot] == 0) {
                fault = "selecting a free slot";
                return false;
            }
            (kinds[slot] == 0x02FA   ? selectedPen
             : kinds[slot] == 0x02FB ? selectedFont
                                     : selectedBrush) = slot;
        } else if (r.function == 0x01F0) {
            const int slot = r.word(0);
            if (slot == selectedPen || slot == selectedBrush || slot == selectedFont) {
                fault = "deleting a selected object";
                return false;
            }
            kinds[slot] = 0;
        }
    }
    return true;
}

QVector<Record> Only(const ParsedWmf& wmf, quint16 function)
{
    QVector<Record> out;
    for (const Record& r : wmf.records)
        if (r.function == function)
            out << r;
    return out;
}

// Pixels within `area` that are grey and darker than the white background.
int GreyInkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) < 240 && qAbs(qRed(p) - qGreen(p)) < 8 && qAbs(qGreen(p) - qBlue(p)) < 8)
                ++count;
        }
    }
    return count;
}

QStringList Entries(int count)
{
    const char* colours[] = {"#06A7FF", "#FF0000", "#00FF00", "#0000FF", "#FFFF00",
                             "#333333", "#CC99FF", "#000000", "#10E0A0"};
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << colours[i % 9];
    return entries;
}

} // namespace

class CopyWmfTest : public QObject
{
    Q_OBJECT
private slots:
    void swatchesRecords_data();
    void swatchesRecords();
    void listRecords();
    void limits();
    void convertedByImageMagick_data();
    void convertedByImageMagick();
};

void CopyWmfTest::swatchesRecords_data()
{
    QTest::addColumn<bool>("outline");
    QTest::newRow("outline") << true;
    QTest::newRow("no outline") << false;
}

void CopyWmfTest::swatchesRecords()
{
    QFETCH(bool, outline);
    const QStringList entries = Entries(13);
    const SwatchOptions options{20, 12, 3, outline};
    const MetafileResult result = BuildSwatchesMetafile(entries, options);
    QVERIFY(result.ok());
    ParsedWmf wmf;
    QString fault;
    QVERIFY2(Parse(result.wmf, wmf, fault), qPrintable(fault));
    QVERIFY2(CheckObjects(wmf, fault), qPrintable(fault));
    QCOMPARE(wmf.frame, QRect(0, 0, 276, 43));
    QCOMPARE(wmf.unitsPerInch, quint16(96));

    const QVector<Record> comments = Only(wmf, 0x0626);
    QCOMPARE(comments.size(), 1);
    QCOMPARE(comments[0].word(0), quint16(0x000F));
    QCOMPARE(comments[0].params.mid(4, comments[0].word(1)),
             QByteArray("QB Kromi\0Color Swatches\0\0", 25));

    const QVector<Record> pens = Only(wmf, 0x02FA);
    QCOMPARE(pens.last().word(0), quint16(outline ? 0 : 5));
    QCOMPARE(pens.last().colour(3), 0u);
    // The first rectangle is the invisible frame, then one per colour in order.
    const QVector<Record> rects = Only(wmf, 0x041B);
    const QVector<Record> brushes = Only(wmf, 0x02FC);
    QCOMPARE(rects.size(), 14);
    QCOMPARE(brushes.size(), 14);
    QCOMPARE(brushes[0].word(0), quint16(1));
    const int grow = outline ? 0 : 1;
    const QVector<QRect> cells = SwatchCells(13, options);
    for (int i = 0; i < 13; ++i) {
        const Record& r = rects[i + 1];
        QCOMPARE(QRect(QPoint(r.signedWord(3), r.signedWord(2)),
                       QPoint(r.signedWord(1) - 1 - grow, r.signedWord(0) - 1 - grow)),
                 cells[i]);
        const Record& b = brushes[i + 1];
        QCOMPARE(b.word(0), quint16(0));
        QCOMPARE(b.colour(1), PackColour(*DeriveEntryValues(entries[i]).rgb));
    }
}

void CopyWmfTest::listRecords()
{
    const QStringList entries{"#06A7FF", "#FF0000", "#000000"};
    const MetafileResult result = BuildListMetafile(entries);
    QVERIFY(result.ok());
    ParsedWmf wmf;
    QString fault;
    QVERIFY2(Parse(result.wmf, wmf, fault), qPrintable(fault));
    QVERIFY2(CheckObjects(wmf, fault), qPrintable(fault));
    QCOMPARE(wmf.frame, QRect(0, 0, 125, 105));

    const QVector<Record> fonts = Only(wmf, 0x02FB);
    QCOMPARE(fonts.size(), 1);
    QCOMPARE(fonts[0].signedWord(0), qint16(-9));
    QCOMPARE(fonts[0].params.mid(18, 6), QByteArray("Arial\0", 6));
    QCOMPARE(Only(wmf, 0x0209).value(0).colour(0), PackColour(128, 128, 128));
    QCOMPARE(Only(wmf, 0x0102).value(0).word(0), quint16(1));

    const QVector<Record> texts = Only(wmf, 0x0521);
    QCOMPARE(texts.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const Record& t = texts[i];
        const int length = t.word(0);
        const int coords = 1 + (length + 1) / 2;
        QCOMPARE(QString::fromLatin1(t.params.mid(2, length)),
                 ListPictureLines(entries[i / 3])[i % 3]);
        QCOMPARE(t.signedWord(coords), qint16(35 * (i / 3) + 11 * (i % 3)));
        QCOMPARE(t.signedWord(coords + 1), qint16(38));
    }
}

void CopyWmfTest::limits()
{
    // Metafile coordinates are 16-bit: 936 list colours fit, 937 do not.
    QVERIFY(BuildListMetafile(Entries(936)).ok());
    const MetafileResult tooLarge = BuildListMetafile(Entries(937));
    QVERIFY(!tooLarge.ok());
    QVERIFY(tooLarge.wmf.isEmpty());
    QVERIFY(tooLarge.error.contains(QStringLiteral("125 x 32795")));
    const MetafileResult big =
        BuildSwatchesMetafile(Entries(10000), SwatchOptions{60, 50, 15, true});
    QVERIFY(big.ok());
    ParsedWmf wmf;
    QString fault;
    QVERIFY2(Parse(big.wmf, wmf, fault), qPrintable(fault));
    QCOMPARE(wmf.frame, QRect(0, 0, 3750, 15060));
    QCOMPARE(BuildSwatchesMetafile({"#ABCDEZ"}, SwatchOptions{}).error,
             QStringLiteral("'$00EZCDAB' is not a valid integer value"));
}

void CopyWmfTest::convertedByImageMagick_data()
{
    QTest::addColumn<bool>("list");
    QTest::addColumn<bool>("outline");
    QTest::newRow("swatches, outline") << false << true;
    QTest::newRow("swatches, no outline") << false << false;
    QTest::newRow("list") << true << false;
}

void CopyWmfTest::convertedByImageMagick()
{
    QFETCH(bool, list);
    QFETCH(bool, outline);
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty())
        QSKIP("ImageMagick's convert is not installed");

    // Seven colours in twelve columns leave empty cells to the right and an
    // empty row is absent; the frame must still map one to one.
    const QStringList entries = Entries(list ? 4 : 7);
    const SwatchOptions options{20, 12, 3, outline};
    const MetafileResult result =
        list ? BuildListMetafile(entries) : BuildSwatchesMetafile(entries, options);
    QVERIFY(result.ok());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString wmfPath = dir.filePath(QStringLiteral("x.wmf"));
    const QString pngPath = dir.filePath(QStringLiteral("x.png"));
    QFile file(wmfPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(result.wmf);
    file.close();
    QProcess process;
    process.start(convert, {"-density", "96", wmfPath, pngPath});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    const QImage png = QImage(pngPath).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!png.isNull());
    const QSize expected = list ? QSize(125, 140) : SwatchesPictureSize(7, options);
    QCOMPARE(png.size(), expected);
    for (int i = 0; i < entries.size(); ++i) {
        const Rgb c = *DeriveEntryValues(entries[i]).rgb;
        const QPoint centre = list ? QPoint(17, 35 * i + 17) : SwatchCells(7, options)[i].center();
        QCOMPARE(png.pixel(centre), qRgb(c.red, c.green, c.blue));
    }
    if (!list)
        QCOMPARE(png.pixel(SwatchCells(12, options)[11].center()), qRgb(255, 255, 255));
    else
        QVERIFY(GreyInkPixels(png, QRect(38, 0, 87, 140)) > 100);
}

QTEST_APPLESS_MAIN(CopyWmfTest)
#include "tst_copywmf.moc"
