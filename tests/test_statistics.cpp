#include "records/statistics.h"

#include <QLocale>
#include <QTest>
#include <limits>

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    // The averages below are written with a full stop.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void averageUsesTheSystemSeparatorWithDigitsZeroToNine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("average");
        QTest::newRow("German") << "de_DE" << "3,33";
        QTest::newRow("Arabic") << "ar_EG" << QString::fromUtf16(u"3\u066b33");
        QTest::newRow("Persian") << "fa_IR" << QString::fromUtf16(u"3\u066b33");
        QTest::newRow("C") << "C" << "3.33";
    }

    void averageUsesTheSystemSeparatorWithDigitsZeroToNine()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        Statistics statistics;
        for (int win : {10, 0, 0})
            statistics.RecordTurn(win);
        QLocale::setDefault(QLocale::c());
        QTEST(statistics.averageText(), "average");
    }

    void countersStopAtTheLargestCount()
    {
        Statistics statistics;
        statistics.setTotal(3, std::numeric_limits<qint64>::max());
        statistics.CountHand(3);
        QCOMPARE(statistics.total(3), std::numeric_limits<qint64>::max());
        QCOMPARE(statistics.current(3), 1);
    }

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
