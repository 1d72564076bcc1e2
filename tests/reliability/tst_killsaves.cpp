// Kills a process in the middle of the program's saves, again and again, and checks after
// every kill that the data file is whole and every saved object holds exactly one round.
#include "SaveRounds.h"
#include "TestData.h"
#include "store/DataStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <chrono>
#include <thread>

namespace {

constexpr int kKills = 200;
constexpr quint32 kSeed = 14;
// Kills land up to this long after the saver has opened the file: a few rounds of saves.
constexpr int kLatestKill = 60000; // microseconds

} // namespace

class TestKillSaves : public QObject {
    Q_OBJECT

private slots:
    void everyKillLeavesWholeRounds() {
        TestData data;
        SaveRounds::Seed(*DataStore::open(data.dataFile()));
        const QString journal = data.dataFile() + "-journal";
        QRandomGenerator random(kSeed);
        // The saver never ends on its own, so the sanitizer's bookkeeping of where each block
        // was allocated only slows down the open it starts with.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS") +
                               ":malloc_context_size=0:quarantine_size_mb=0:detect_leaks=0");
        int survived = 0;
        int hotJournals = 0;
        int uneven = 0;
        int latest = 0;
        qint64 startupMs = 0;
        QElapsedTimer clock;
        clock.start();
        for (int kill = 1; kill <= kKills + 1; ++kill) {
            // The saver first opens the file as the program does, which rolls back what the
            // last kill interrupted, and reads every object back.
            QElapsedTimer startup;
            startup.start();
            QProcess saver;
            saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            saver.setProcessEnvironment(environment);
            saver.start(PANTRELLE_SAVE_LOOP, {data.dataFile()});
            QVERIFY2(saver.waitForReadyRead(30000), "the saver did not start");
            const QList<QByteArray> report = saver.readLine().trimmed().split(' ');
            QVERIFY2(report.value(0) == "whole",
                     qPrintable(QString("after kill %1: %2").arg(kill - 1).arg(report.join(' '))));
            survived += kill > 1;
            uneven += report.value(2) == "1";
            latest = report.value(1).toInt();
            startupMs += startup.elapsed();

            if (kill <= kKills)
                std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(kLatestKill)));
            saver.kill();
            QVERIFY(saver.waitForFinished(30000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
            hotJournals += kill <= kKills && QFileInfo(journal).size() > 0;
        }
        qInfo("%d of %d kills survived; %d interrupted a write (hot journal), %d "
              "left the objects at different rounds; %d rounds saved; %lld ms (%lld to open and "
              "check), seed %u",
              survived, kKills, hotJournals, uneven, latest, clock.elapsed(), startupMs, kSeed);
        // The kills must land among the saves, not before them.
        QVERIFY(hotJournals > kKills / 4);
        QVERIFY(latest > kKills / 2);
    }
};

QTEST_MAIN(TestKillSaves)
#include "tst_killsaves.moc"
