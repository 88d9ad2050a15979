#include "storage/UserTextFormats.h"

#include <QtTest>

class UserTextFormatsTest : public QObject
{
    Q_OBJECT
private slots:
    void keptUnderKeysOfTheirOwn();
};

void UserTextFormatsTest::keptUnderKeysOfTheirOwn()
{
    SettingsStore settings;
    settings.SetSetting(QStringLiteral("copy.left"), QStringLiteral("10"));
    const QVector<UserTextFormat> formats{
        {QStringLiteral("Swift"), QStringLiteral("UIColor(red: {r}/255, green: {g}/255)")},
        {QStringLiteral("Note \u2248"), QStringLiteral("a=b 100% {name}\u2248\r\nnext")},
        {QStringLiteral("Third"), QStringLiteral("{hex}")}};
    SaveUserTextFormats(settings, formats);
    QCOMPARE(settings.GetSetting(QStringLiteral("textformat1.name")), QStringLiteral("Swift"));
    QCOMPARE(settings.GetSetting(QStringLiteral("textformat2.text")),
             QStringLiteral("a=b 100%25 {name}%E2%89%88%0D%0Anext"));
    // What the 8-bit file keeps comes back whole.
    SettingsStore reread;
    reread.LoadData(settings.lines().join(QStringLiteral("\r\n")).toLatin1());
    QCOMPARE(LoadUserTextFormats(reread), formats);

    // A shorter list leaves no numbers behind; other keys stay.
    SaveUserTextFormats(settings, {formats[2]});
    QCOMPARE(LoadUserTextFormats(settings), QVector<UserTextFormat>{formats[2]});
    QVERIFY(settings.GetSetting(QStringLiteral("textformat2.name")).isEmpty());
    QVERIFY(settings.GetSetting(QStringLiteral("textformat3.text")).isEmpty());
    QCOMPARE(settings.GetSetting(QStringLiteral("copy.left")), QStringLiteral("10"));
}

QTEST_APPLESS_MAIN(UserTextFormatsTest)
#include "tst_usertextformats.moc"
