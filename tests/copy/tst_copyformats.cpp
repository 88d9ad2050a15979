#include "copy/CopyPayload.h"

#include <QtTest>

// The format table: formats appended at run time behave as the built-in text
// formats do, after them in the list.
class CopyFormatsTest : public QObject
{
    Q_OBJECT
private slots:
    void anAppendedTextFormatFollowsTheBuiltInOnes();
    void aFormatOutsideTheTableGivesNothing();
};

void CopyFormatsTest::anAppendedTextFormatFollowsTheBuiltInOnes()
{
    CopyFormats formats;
    const CopyFormat user =
        formats.AddTextFormat(QStringLiteral("Mine"), [](const QStringList& entries) {
            if (entries.contains(QStringLiteral("#GG0000")))
                return CopyText{QString(), QStringLiteral("unreadable")};
            return CopyText{entries.join(QLatin1Char(';')), QString()};
        });
    QCOMPARE(int(user), kBuiltInCopyFormats);
    QCOMPARE(formats.count(), kBuiltInCopyFormats + 1);
    QCOMPARE(formats.Captions(), CopyFormatCaptions() << QStringLiteral("Mine"));
    QVERIFY(!formats.IsPicture(user));
    QCOMPARE(formats.OptionsPage(user), CopyOptionsPage::None);

    const QStringList entries{QStringLiteral("#06A7FF"), QStringLiteral("#000000")};
    const CopyPreview preview = BuildCopyPreview(user, entries, CopyOptions(), formats);
    QCOMPARE(preview.text, QStringLiteral("#06A7FF;#000000"));
    QVERIFY(preview.image.isNull());
    const CopyPayload payload = BuildCopyPayload(user, entries, CopyOptions(), formats);
    QVERIFY(payload.ok());
    QCOMPARE(payload.mimeData->text(), QStringLiteral("#06A7FF;#000000"));
    QCOMPARE(BuildCopyPayload(user, {QStringLiteral("#GG0000")}, CopyOptions(), formats).error,
             QStringLiteral("unreadable"));
    // The built-in formats keep their places and writers.
    QCOMPARE(BuildCopyPreview(CopyFormat::Css, entries, CopyOptions(), formats).text,
             BuildCopyPreview(CopyFormat::Css, entries, CopyOptions()).text);
}

void CopyFormatsTest::aFormatOutsideTheTableGivesNothing()
{
    const CopyFormats formats;
    for (const CopyFormat format : {CopyFormat(-1), CopyFormat(kBuiltInCopyFormats)}) {
        QVERIFY(!formats.IsPicture(format));
        QCOMPARE(formats.OptionsPage(format), CopyOptionsPage::None);
        QVERIFY(
            BuildCopyPreview(format, {QStringLiteral("#06A7FF")}, CopyOptions()).text.isEmpty());
    }
}

QTEST_GUILESS_MAIN(CopyFormatsTest)
#include "tst_copyformats.moc"
