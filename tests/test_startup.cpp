#include "support/file_bytes.h"
#include "support/test_game.h"
#include "records/hiscore_file.h"
#include "records/settings_file.h"
#include "ui/startup_window.h"

#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <QTimerEvent>

namespace {

void fire(QTimer *timer)
{
    QTimerEvent tick(timer->timerId());
    QCoreApplication::sendEvent(timer, &tick);
}

QByteArray settingsWithStartSum(int startSum)
{
    QByteArray bytes;
    for (int k = 0; k < 9; ++k)
        bytes += "0\r\n";
    return bytes + "0\r\n" + QByteArray::number(startSum) + "\r\n\"Ann\"\r\n";
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowFollowsTheStartupWindowWithFocusOnBet()
    {
        TestGame t(TestGame::BeforeStartUp);
        writeBytes(t.game.settingsFile(), settingsWithStartSum(200));
        t.game.StartUp();
        StartupWindow &startup = t.game.startupWindow();
        QVERIFY(startup.isVisible());
        QVERIFY(!t.window().isVisible());
        auto *timer = startup.findChild<QTimer *>(QStringLiteral("Timer1"));
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(timer->isActive());
        // The files were read while the start-up window showed.
        QCOMPARE(t.text("SSPanel1"), QStringLiteral("200"));

        fire(timer);
        QVERIFY(!startup.isVisible());
        QVERIFY(!timer->isActive());
        QVERIFY(t.window().isVisible());
        QCOMPARE(t.window().focusWidget(), t.bet());
    }

    void firstGameUsesTheBuiltInStartSum()
    {
        TestGame t(TestGame::BeforeStartUp);
        writeBytes(t.game.settingsFile(), settingsWithStartSum(200));
        t.game.StartUp();
        QCOMPARE(t.text("Label7"), QStringLiteral("100"));
        t.game.newCommand();
        QCOMPARE(t.text("Label7"), QStringLiteral("200"));
        QCOMPARE(t.game.money().GameStartSum(), 200);
    }

    void newRightAfterStartOffersZero()
    {
        TestGame t(TestGame::BeforeStartUp);
        QByteArray list;
        for (int rank = 1; rank <= 100; ++rank)
            list += rank < 100 ? "5\r\n\"AAA\"\r\n" : "-1\r\n\"LOW\"\r\n";
        writeBytes(t.game.hiScoreFile(), list);
        t.game.StartUp();
        t.namePrompt.answers = {QStringLiteral("Zero")};
        t.game.newCommand();
        QCOMPARE(t.game.hiScores().entry(100).score, QStringLiteral("0"));
        QCOMPARE(t.game.hiScores().entry(100).name, QStringLiteral("Zero"));
    }

    void exitOffersTheResultAndWritesBothFiles()
    {
        TestGame t(TestGame::BeforeStartUp);
        t.game.StartUp();
        QSignalSpy finished(&t.game, &Game::finished);
        t.game.money().PayWin(150);   // the first game stands at 250
        t.namePrompt.answers = {QStringLiteral("Winner")};
        t.game.exitCommand();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(t.namePrompt.offers, QStringList{QStringLiteral("Eva")});
        QVERIFY(readBytes(t.game.hiScoreFile()).startsWith("150\r\n\"Winne\"\r\n100\r\n"));
        QVERIFY(readBytes(t.game.settingsFile()).endsWith("0\r\n100\r\n\"Eva\"\r\n"));
    }

    void closingTheWindowWritesNothing()
    {
        TestGame t(TestGame::BeforeStartUp);
        writeBytes(t.game.hiScoreFile(), "old hi");
        writeBytes(t.game.settingsFile(), "old cfg");
        t.game.StartUp();
        QSignalSpy finished(&t.game, &Game::finished);
        t.game.money().PayWin(100000);
        t.window().show();
        t.window().close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(t.namePrompt.offers.isEmpty());
        QCOMPARE(readBytes(t.game.hiScoreFile()), QByteArray("old hi"));
        QCOMPARE(readBytes(t.game.settingsFile()), QByteArray("old cfg"));
    }

    void failedSaveKeepsTheOldFilesAndOffersTheResultOnce()
    {
        TestGame t(TestGame::BeforeStartUp);
        writeBytes(t.game.hiScoreFile(), "old hi");
        QDir(t.folder.path()).mkdir(QStringLiteral("cfg.dat"));   // a folder where the file should be
        t.game.StartUp();
        t.game.money().PayWin(500);
        t.saveFailurePrompt.choices = {SaveFailurePrompt::Choice::TryAgain,
                                       SaveFailurePrompt::Choice::LeaveWithoutSaving};
        QSignalSpy finished(&t.game, &Game::finished);
        t.game.exitCommand();
        QCOMPARE(t.saveFailurePrompt.failures.size(), 2);
        QVERIFY(t.saveFailurePrompt.failures.first().contains(QStringLiteral("cfg.dat")));
        QCOMPARE(t.namePrompt.offers.size(), 1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(QFileInfo(t.game.settingsFile()).isDir());
        // hi.dat was written before cfg.dat failed, and only once with the new entry.
        QVERIFY(readBytes(t.game.hiScoreFile()).startsWith("500\r\n"));
    }

    void failedHiScoreSaveKeepsTheOldFile()
    {
        TestGame t(TestGame::BeforeStartUp);
        QDir(t.folder.path()).mkdir(QStringLiteral("hi.dat"));
        writeBytes(t.game.settingsFile(), "old cfg");
        t.game.StartUp();
        t.game.exitCommand();
        QCOMPARE(t.saveFailurePrompt.failures.size(), 1);
        QVERIFY(t.saveFailurePrompt.failures.first().contains(QStringLiteral("hi.dat")));
        // cfg.dat is saved on its own all the same, its old content kept as .bak.
        QCOMPARE(readBytes(t.game.settingsFile() + QStringLiteral(".bak")), QByteArray("old cfg"));
        QVERIFY(readBytes(t.game.settingsFile()).endsWith("\r\n"));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
