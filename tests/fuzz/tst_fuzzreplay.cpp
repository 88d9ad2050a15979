// Every input kept for the fuzz targets (the seed corpus and each crash found
// once) replayed through the same entry points: none may crash again.
#include "FuzzTargets.h"

#include <QDir>
#include <QtTest>

class FuzzReplayTest : public QObject
{
    Q_OBJECT
private slots:
    void everyKeptInput_data();
    void everyKeptInput();
};

void FuzzReplayTest::everyKeptInput_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    int corpusFiles = 0;
    for (std::size_t i = 0; i < kFuzzTargetCount; ++i) {
        const QString name = QLatin1String(kFuzzTargets[i].name);
        for (const char* kind : {"corpus", "regressions"}) {
            const QDir folder(
                QStringLiteral(KROMI_FUZZ_DIR "/%1/%2").arg(QLatin1String(kind), name));
            for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
                QTest::addRow("%s/%s", qPrintable(name), qPrintable(file.fileName()))
                    << name << file.filePath();
                corpusFiles += kind[0] == 'c';
            }
        }
    }
    // Each target has its seeds in the repository.
    QVERIFY(corpusFiles >= int(kFuzzTargetCount));
}

void FuzzReplayTest::everyKeptInput()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const FuzzTarget* fuzz = FindFuzzTarget(qPrintable(target));
    QVERIFY(fuzz);
    QCOMPARE(fuzz->run(reinterpret_cast<const std::uint8_t*>(data.constData()),
                       std::size_t(data.size())),
             0);
}

QTEST_APPLESS_MAIN(FuzzReplayTest)
#include "tst_fuzzreplay.moc"
