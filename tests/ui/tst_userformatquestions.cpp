#include "support/FakePlatform.h"
#include "ui/UserFormatQuestions.h"

#include <QtTest>

class UserFormatQuestionsTest : public QObject
{
    Q_OBJECT
private slots:
    void refusesUntilGood();
    void cancelKeepsNothing();
};

void UserFormatQuestionsTest::refusesUntilGood()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    // An empty name, a taken one, then a template with an unknown placeholder.
    fake.inputBox.answers = {QStringLiteral(" "), QStringLiteral("oklch"),
                             QStringLiteral(" Swift "), QStringLiteral("UIColor({red})"),
                             QStringLiteral("UIColor({r}, {g}, {b})")};
    const std::optional<UserTextFormat> made =
        AskUserTextFormat(platform, nullptr, {}, {QStringLiteral("OKLCH")});
    QVERIFY(made);
    QCOMPARE(made->name, QStringLiteral("Swift"));
    QCOMPARE(made->text, QStringLiteral("UIColor({r}, {g}, {b})"));
    QStringList shown;
    for (const auto& box : fake.messages.shown)
        shown << box.text;
    QCOMPARE(shown,
             (QStringList{"A format needs a name.", "There is a format named \"oklch\" already.",
                          "Unknown placeholder {red}."}));
    // The refused template is offered again to mend.
    QCOMPARE(fake.inputBox.calls.last().initial, QStringLiteral("UIColor({red})"));
}

void UserFormatQuestionsTest::cancelKeepsNothing()
{
    FakePlatform fake;
    Platform platform = fake.platform();
    fake.inputBox.answers = {QStringLiteral("Mine")};
    QVERIFY(
        !AskUserTextFormat(platform, nullptr, {QStringLiteral("Old"), QStringLiteral("{r}")}, {}));
    QCOMPARE(fake.inputBox.calls.first().initial, QStringLiteral("Old"));
    QCOMPARE(fake.inputBox.calls.last().initial, QStringLiteral("{r}"));
}

QTEST_MAIN(UserFormatQuestionsTest)
#include "tst_userformatquestions.moc"
