#include "records/statistics.h"

#include <QTest>

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void averageIsRoundedDownInDoubles_data()
    {
        QTest::addColumn<QList<int>>("wins");
        QTest::addColumn<QString>("average");
        QTest::newRow("20 and 0") << QList<int>{20, 0} << "10";
        QTest::newRow("10, 0, 0 rounds down") << QList<int>{10, 0, 0} << "3.33";
        QTest::newRow("12.5 keeps its fraction") << QList<int>{25, 0} << "12.5";
        QTest::newRow("no win") << QList<int>{0} << "0";
    }

    void averageIsRoundedDownInDoubles()
    {
        QFETCH(QList<int>, wins);
        Statistics statistics;
        for (int win : wins)
            statistics.RecordTurn(win);
        QTEST(statistics.averageText(), "average");
    }

    void thousandTurnsShowTheDoubleStepsResult_data()
    {
        QTest::addColumn<int>("won");
        QTest::addColumn<QString>("average");
        QTest::newRow("290 in 1000") << 290 << "0.28";
        QTest::newRow("570 in 1000") << 570 << "0.56";
        QTest::newRow("300 in 1000") << 300 << "0.3";
    }

    void thousandTurnsShowTheDoubleStepsResult()
    {
        QFETCH(int, won);
        Statistics statistics;
        statistics.RecordTurn(won);
        for (int turn = 1; turn < 1000; ++turn)
            statistics.RecordTurn(0);
        QTEST(statistics.averageText(), "average");
    }

    void turnsCountOnPastSixteenBits()
    {
        Statistics statistics;
        for (int turn = 0; turn < 40000; ++turn)
            statistics.RecordTurn(turn % 4 == 0 ? 10 : 0);
        QCOMPARE(statistics.turnCount(), 40000);
        QCOMPARE(statistics.averageText(), QStringLiteral("2.5"));
    }

    void newGameClearsTheCurrentColumnOnly()
    {
        Statistics statistics;
        statistics.CountHand(5);
        statistics.RecordTurn(350);
        statistics.resetCurrentGame();
        QCOMPARE(statistics.current(5), 0);
        QCOMPARE(statistics.total(5), 1);
        QCOMPARE(statistics.turnCount(), 0);
        QCOMPARE(statistics.averageText(), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(StatisticsTest)
#include "test_statistics.moc"
