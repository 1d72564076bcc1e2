// Kills a process in the middle of the program's saves, again and again. Each start of the
// saver rolls back what the last kill interrupted, as the program's own open does, and says
// whether the file is whole and every saved object holds exactly one round.
#include "TestData.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <chrono>
#include <thread>

class TestKillSaves : public QObject {
    Q_OBJECT

private slots:
    void everyKillLeavesWholeRounds() {
        constexpr int kKills = 200;
        constexpr quint32 kSeed = 14;
        TestData data;
        QRandomGenerator random(kSeed);
        // The saver never ends on its own; the sanitizer's bookkeeping would only slow its start.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS") +
                               ":malloc_context_size=0:quarantine_size_mb=0:detect_leaks=0");
        int hotJournals = 0;
        QByteArray report;
        QElapsedTimer clock;
        clock.start();
        for (int kill = 0; kill <= kKills; ++kill) {
            QProcess saver;
            saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            saver.setProcessEnvironment(environment);
            saver.start(PANTRELLE_SAVE_LOOP, {data.dataFile()});
            QVERIFY2(saver.waitForReadyRead(30000), "the saver did not start");
            report = saver.readLine().trimmed();
            QVERIFY2(report.startsWith("whole "),
                     qPrintable(QString("after kill %1: %2").arg(kill).arg(QString(report))));
            // Up to 60 ms of saving: a few rounds.
            if (kill < kKills)
                std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(60000)));
            saver.kill();
            QVERIFY(saver.waitForFinished(30000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
            hotJournals += kill < kKills && QFileInfo(data.dataFile() + "-journal").size() > 0;
        }
        const int rounds = report.mid(6).toInt();
        qInfo("All %d kills survived; %d interrupted a write (hot journal); %d rounds saved in "
              "%lld ms, seed %u",
              kKills, hotJournals, rounds, clock.elapsed(), kSeed);
        // The kills must land among the saves, not before them.
        QVERIFY(hotJournals > kKills / 4);
        QVERIFY(rounds > kKills / 2);
    }
};

QTEST_MAIN(TestKillSaves)
#include "tst_killsaves.moc"
