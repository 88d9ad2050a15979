#include "app/SingleInstance.h"
#include "support/LockStandIns.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <future>
#include <memory>

namespace {

bool IsReady(const std::future<SingleInstance::HandOverResult>& result)
{
    return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

} // namespace

// One running copy per program folder, with whatever the folder holds under the
// lock file's name.
class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void lockInPlace_data();
    void lockInPlace();
    void aLaterCopyHandsOverItsCommandLine();
    void aCopyThatDoesNotAnswer();
    void aLaterCopyTakesOverWhenTheRunningOneEnds();

private:
    QString Folder(const char* name) const;
    QTemporaryDir m_dir;
};

QString SingleInstanceTest::Folder(const char* name) const
{
    const QString folder = m_dir.filePath(QLatin1String(name)) + QLatin1Char('/');
    QDir().mkpath(folder);
    return folder;
}

void SingleInstanceTest::lockInPlace_data()
{
    AddLockStandInRows();
}

// Never blocks, never refuses for a copy that is not running, and a second copy
// in the same folder is still refused.
void SingleInstanceTest::lockInPlace()
{
    QFETCH(QString, kind);
    const QString folder = Folder(QTest::currentDataTag());
    const QString lock = folder + QStringLiteral("qbkromi.lock");
    SingleInstance running(Folder("running"));
    if (kind == QLatin1String("copied")) {
        QVERIFY(running.TakeLock());
        QVERIFY(QFile::copy(Folder("running") + QStringLiteral("qbkromi.lock"), lock));
    } else {
        QVERIFY(MakeLockStandIn(kind, lock));
    }
    SingleInstance first(folder);
    QVERIFY(first.TakeLock());
    SingleInstance second(folder);
    QVERIFY(!second.TakeLock());
}

// Taken at once, also during start-up; answered once start-up has finished, so
// that a later copy never gives up on a copy showing a start-up message.
void SingleInstanceTest::aLaterCopyHandsOverItsCommandLine()
{
    const QString folder = Folder("handover");
    SingleInstance running(folder);
    QVERIFY(running.TakeLock());
    running.Listen();
    QSignalSpy received(&running, &SingleInstance::argumentsReceived);
    SingleInstance later(folder, 200);
    QVERIFY(!later.TakeLock());
    // The later copy blocks; this thread's event loop answers.
    auto result = std::async(std::launch::async, [&] {
        return later.HandOver({"qbkromi", "/a/b.cll"});
    });
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received[0][0].toStringList(), (QStringList{"qbkromi", "/a/b.cll"}));
    QVERIFY(!IsReady(result));
    running.SetReady();
    QTRY_VERIFY(IsReady(result));
    QCOMPARE(result.get(), SingleInstance::HandOverResult::HandedOver);
}

// Stopped, hung, or not listening: the later copy gives up and says so.
void SingleInstanceTest::aCopyThatDoesNotAnswer()
{
    const QString folder = Folder("silent");
    SingleInstance running(folder);
    QVERIFY(running.TakeLock());
    SingleInstance later(folder, 200);
    QVERIFY(!later.TakeLock());
    QCOMPARE(later.HandOver({"qbkromi"}), SingleInstance::HandOverResult::NoAnswer);
    QVERIFY(NoAnswerMessage(folder).contains(folder));
}

// A copy that is ending stops answering; the later one then starts in its place.
void SingleInstanceTest::aLaterCopyTakesOverWhenTheRunningOneEnds()
{
    const QString folder = Folder("ending");
    auto running = std::make_unique<SingleInstance>(folder);
    QVERIFY(running->TakeLock());
    running->Listen();
    running->StopListening();
    SingleInstance later(folder);
    QVERIFY(!later.TakeLock());
    auto result = std::async(std::launch::async, [&] { return later.HandOver({"qbkromi"}); });
    running.reset();
    QTRY_VERIFY(IsReady(result));
    QCOMPARE(result.get(), SingleInstance::HandOverResult::LockTaken);
    SingleInstance third(folder);
    QVERIFY(!third.TakeLock());
}

QTEST_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
