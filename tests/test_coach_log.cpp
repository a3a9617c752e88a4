#include "core/mistake_log.h"
#include "records/coach_file.h"
#include "support/card_notation.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QByteArray kWritten = "quintdraw coach log 1\n"
                            "runs 3\n"
                            "line 5 seen 10 right 7 lost 1.250000\n"
                            "line 20 seen 4 right 4 lost 0.000000\n"
                            "practice 20 streak 2 rests 1 due 5\n"
                            "hand 2026-12-01 JH JS 2C 7D 9S kept 345 best 12 lost 0.412345 line 20\n"
                            "hand 2026-12-02 AH KH QH JH 3C kept - best 1234 lost 12.000000 line 5\n";

LoggedHand logged(const char *cards, quint8 kept, quint8 best, qint64 lostMicros, int line)
{
    LoggedHand hand;
    hand.day = QDate(2026, 12, 9);
    const Hand dealt = ::hand(cards);
    for (int i = 0; i < kPositions; ++i)
        hand.dealt[i] = {quint8(dealt[i].rank), quint8(dealt[i].suit)};
    hand.kept = kept;
    hand.best = best;
    hand.lostMicros = lostMicros;
    hand.line = line;
    return hand;
}

// One coached run's work on the log: a run, a hand on `line`, a mistake, a practice answer.
void play(CoachLog &log, const char *cards, int line)
{
    log.countRun();
    log.countHand(line, false, 500'000);
    log.addMistake(logged(cards, 0, 3, 500'000, line));
    log.setSchedule(line, {1, 0, log.currentRun()});
}

} // namespace

class TestCoachLog : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("asWritten");
        QTest::addColumn<int>("tallies");
        QTest::addColumn<int>("hands");

        QTest::newRow("as written") << kWritten << true << 2 << 2;
        QTest::newRow("empty log") << QByteArray("quintdraw coach log 1\nruns 0\n") << true << 0 << 0;
        QTest::newRow("another version") << QByteArray(kWritten).replace("log 1", "log 2") << false << 0 << 0;
        QTest::newRow("CR LF line ends") << QByteArray(kWritten).replace("\n", "\r\n") << false << 0 << 0;
        QTest::newRow("last line unended") << kWritten.chopped(1) << false << 2 << 2;
        QTest::newRow("cut mid line") << kWritten.chopped(30) << false << 2 << 1;
        QTest::newRow("a card twice") << QByteArray(kWritten).replace("JS 2C", "JH 2C") << false << 2 << 1;
        QTest::newRow("not a card") << QByteArray(kWritten).replace("2C", "1C") << false << 2 << 1;
        QTest::newRow("kept out of order") << QByteArray(kWritten).replace("kept 345", "kept 354") << false << 2 << 1;
        QTest::newRow("a sixth position") << QByteArray(kWritten).replace("kept 345", "kept 346") << false << 2 << 1;
        QTest::newRow("kept the best") << QByteArray(kWritten).replace("kept 345", "kept 12") << false << 2 << 1;
        QTest::newRow("no such day") << QByteArray(kWritten).replace("2026-12-01", "2026-02-30") << false << 2 << 1;
        QTest::newRow("loss without its six digits") << QByteArray(kWritten).replace("0.412345", "0.41") << false << 2 << 1;
        QTest::newRow("negative loss") << QByteArray(kWritten).replace("0.412345", "-0.412345") << false << 2 << 1;
        QTest::newRow("more right than seen") << QByteArray(kWritten).replace("right 7", "right 11") << false << 1 << 2;
        QTest::newRow("line 0 tallied") << QByteArray(kWritten).replace("line 5 seen", "line 0 seen") << false << 1 << 2;
        QTest::newRow("line past the bound") << QByteArray(kWritten).replace("line 5 seen", "line 65 seen") << false << 1 << 2;
        QTest::newRow("count past the bound") << QByteArray(kWritten).replace("seen 10", "seen 99999999999999999999") << false << 1 << 2;
        QTest::newRow("a line twice") << QByteArray(kWritten).replace("line 20 seen", "line 5 seen") << false << 1 << 2;
        QTest::newRow("binary bytes") << QByteArray(kWritten).replace("hand 2026-12-02", QByteArray("hand \0\xff", 7)) << false << 2 << 1;
        QTest::newRow("an overlong line") << kWritten + "hand " + QByteArray(300, 'x') + "\n" << false << 2 << 2;
        QByteArray crowded = "quintdraw coach log 1\nruns 1\n";
        for (int i = 0; i < kMaxLoggedHands + 50; ++i)
            crowded += "hand 2026-12-01 JH JS 2C 7D 9S kept 345 best 12 lost 0.000001 line 20\n";
        QTest::newRow("more hands than kept: the last ones") << crowded << false << 0 << kMaxLoggedHands;
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, asWritten);
        QFETCH(int, tallies);
        QFETCH(int, hands);
        FileCondition condition = FileCondition::Absent;
        const CoachLogData data = decodeCoachLog(bytes, &condition);
        QCOMPARE(condition, asWritten ? FileCondition::AsWritten : FileCondition::NotAsWritten);
        QCOMPARE(int(data.tallies.size()), tallies);
        QCOMPARE(int(data.hands.size()), hands);
        // What was read is written back as it was read, and reads back the same.
        FileCondition again = FileCondition::Absent;
        QCOMPARE(decodeCoachLog(encodeCoachLog(data), &again), data);
        QCOMPARE(again, FileCondition::AsWritten);
    }

    // Two coached games in one folder, saving in turn; a game that saves twice (the coach closed,
    // then Exit) counts its hands once.
    void savesKeepBothGames_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("secondSavesTwice");
        QTest::addColumn<bool>("backupKept");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("hands");

        QTest::newRow("no log yet") << QByteArray() << false << false << 2 << 2;
        QTest::newRow("a log") << kWritten << false << false << 5 << 4;
        QTest::newRow("a log, saved twice by one game") << kWritten << true << false << 5 << 4;
        QTest::newRow("a damaged log: kept as .bak") << kWritten.chopped(30) << false << true << 5 << 3;
    }

    void savesKeepBothGames()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, secondSavesTwice);
        QFETCH(bool, backupKept);
        QFETCH(int, runs);
        QFETCH(int, hands);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("coach.dat"));
        if (!before.isEmpty())
            writeBytes(path, before);

        CoachLogFile first(path);
        CoachLogFile second(path);
        QCOMPARE(first.startNotice().isEmpty(), !backupKept);
        play(first.log(), "AS KS QS 2D 3C", 7);
        play(second.log(), "2H 2S 9C 7D 4S", 7);
        QString error;
        QVERIFY2(first.save(&error), qPrintable(error));
        QVERIFY2(second.save(&error), qPrintable(error));
        if (secondSavesTwice) {
            second.log().countHand(7, true, 0);
            QVERIFY2(second.save(&error), qPrintable(error));
        }

        CoachLog saved;
        QCOMPARE(LoadCoachLog(saved, path), FileCondition::AsWritten);
        QCOMPARE(saved.data().runs, qint64(runs));
        QCOMPARE(int(saved.data().hands.size()), hands);
        QCOMPARE(saved.data().tallies.at(7).seen, qint64(2 + secondSavesTwice));
        QCOMPARE(saved.data().tallies.at(7).lostMicros, qint64(1'000'000));
        QCOMPARE(saved.data(), second.log().data());
        QCOMPARE(readBytes(path + ".bak"), backupKept ? before : QByteArray());
    }

    void unreadableLogIsNeverReplaced()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("coach.dat"));
        QVERIFY(QDir().mkdir(path));
        CoachLogFile file(path);
        QVERIFY(!file.startNotice().isEmpty());
        play(file.log(), "AS KS QS 2D 3C", 7);
        QString error;
        QVERIFY(!file.save(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
    }

    // A save killed at any moment leaves the previous log or the new one, whole; the next save
    // clears what the killed one left.
    void killedSaveLeavesOneWholeLog()
    {
        CoachLogData versions[2];
        versions[0] = decodeCoachLog(kWritten, nullptr);
        versions[1] = versions[0];
        while (versions[1].hands.size() < size_t(kMaxLoggedHands))
            versions[1].hands.push_back(logged("2H 2S 9C 7D 4S", 0, 3, qint64(versions[1].hands.size()), 20));
        const QByteArray bytes[2] = {encodeCoachLog(versions[0]), encodeCoachLog(versions[1])};
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("coach.dat"));
        writeBytes(path, bytes[0]);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int kill = 0; kill < 100; ++kill) {
            int ready[2];
            QVERIFY(::pipe(ready) == 0);
            const pid_t saver = ::fork();
            if (saver == 0) {
                // The saving process: saves both versions in turn until it is killed.
                for (long round = 0;; ++round) {
                    CoachLog log;
                    log.setData(versions[round % 2]);
                    if (!SaveCoachLog(log, path, nullptr))
                        ::_exit(1);
                    if (round == 0 && ::write(ready[1], "s", 1) != 1)
                        ::_exit(1);
                }
            }
            ::close(ready[1]);
            char byte = 0;
            QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
            ::close(ready[0]);
            QThread::usleep(random.bounded(3000));
            ::kill(saver, SIGKILL);
            QCOMPARE(::waitpid(saver, nullptr, 0), saver);
            const QByteArray found = readBytes(path);
            QVERIFY2(found == bytes[0] || found == bytes[1], qPrintable(QStringLiteral("kill %1, seed %2").arg(kill).arg(seed)));
            static const QRegularExpression expected(QStringLiteral("^coach\\.dat(\\.saving\\.[A-Za-z0-9]{6})?$"));
            for (const QString &name : QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                QVERIFY2(expected.match(name).hasMatch(), qPrintable(name));
        }
        CoachLogFile file(path);
        file.log().countRun();
        QVERIFY(file.save(nullptr));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("coach.dat")});
    }

    // The log ranks hands by what they gave up in units of the stake, not in credits.
    void mistakesRankByUnitsOfTheStake()
    {
        CoachLogData log;
        log.hands = {logged("JH JS 2C 7D 9S", 28, 3, 1'975'000, 20),    // 197.50 credits at a stake of 100
                     logged("AH KH QH JH 3C", 0, 15, 2'809'000, 5),      // 28.09 credits at a stake of 10
                     logged("2H 2S 9C 7D 4S", 0, 3, 1'975'000, 20)};
        const std::vector<LoggedHand> ranked = mistakesByLoss(log);
        QCOMPARE(ranked[0].lostMicros, qint64(2'809'000));
        QCOMPARE(handText(handOf(ranked[1])), QStringLiteral("2H 2S 9C 7D 4S"));   // of equal ones the later
    }
};

QTEST_GUILESS_MAIN(TestCoachLog)
#include "test_coach_log.moc"
