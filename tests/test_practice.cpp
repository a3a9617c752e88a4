#include "core/chart_lines.h"
#include "core/chart_writer.h"
#include "core/coach_verdict.h"
#include "core/luck_split.h"
#include "core/practice_deal.h"
#include "core/practice_schedule.h"
#include "core/usual_strategy.h"
#include "support/card_notation.h"
#include "support/scripted_random.h"

#include <QTest>
#include <map>

namespace {

// This table and the usual one, 9/6 Jacks or Better; each chart written once for the whole run.
const StrategyChart &chartFor(const QString &table)
{
    static std::map<QString, WrittenChart> written;
    auto found = written.find(table);
    if (found == written.end())
        found = written.emplace(table, writeChart(table == "game" ? gameRules(Payoff(), 1) : usualRules())).first;
    return found->second.chart;
}

// "2026-12-09 1.5 line 3": a logged mistake's day, units given up and line.
LoggedHand mistake(const QString &text)
{
    const QStringList words = text.split(u' ');
    LoggedHand hand;
    hand.day = QDate::fromString(words[0], Qt::ISODate);
    hand.lostMicros = qint64(words[1].toDouble() * 1e6);
    hand.line = words[3].toInt();
    hand.best = 1;
    return hand;
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT
private slots:
    // Every line of both charts, several hands each: the exact analysis, made anew here, puts the
    // best hold the coach names on the line practised.
    void handsFallOnTheirLine_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("line");
        for (const QString table : {"game", "9/6 Jacks or Better"}) {
            for (int line = 1; line <= int(chartFor(table).lines().size()); ++line)
                QTest::addRow("%s, line %d", qPrintable(table), line) << table << line;
        }
    }

    void handsFallOnTheirLine()
    {
        QFETCH(QString, table);
        QFETCH(int, line);
        const StrategyChart &chart = chartFor(table);
        ScriptedRandom random(unsigned(line) * 7919);
        for (int hand = 0; hand < 6; ++hand) {
            const std::optional<PracticeHand> practice = dealOnLine(chart, line, random);
            QVERIFY2(practice, qPrintable(chart.lines()[line - 1].text));
            const HandAnalysis analysis = analyseHand(practice->dealt, chart.rules());
            QVERIFY2(analysis.isBest(practice->best), qPrintable(handText(practice->dealt)));
            QCOMPARE(practice->best, namedBestHold(practice->dealt, analysis, chart));
            QCOMPARE(chartLineOf(chart, practice->dealt, Hold(practice->best)), line);
        }
    }

    // The hands the Strategy page shows: real, the best hold here on its line, the usual chart's
    // hold as that chart keeps it and worth less here.
    void differencesFromTheUsualStrategyAreReal()
    {
        const StrategyChart &here = chartFor("game");
        const StrategyChart &usual = chartFor("9/6 Jacks or Better");
        ScriptedRandom random(3);
        const std::vector<StrategyDifference> differences = strategyDifferences(here, usual, random, 6);
        QCOMPARE(int(differences.size()), 6);
        for (const StrategyDifference &difference : differences) {
            const HandAnalysis analysis = analyseHand(difference.dealt, here.rules());
            QVERIFY(analysis.isBest(difference.here));
            QCOMPARE(chartLineOf(here, difference.dealt, Hold(difference.here)), difference.hereLine);
            QCOMPARE(usual.lineFor(difference.dealt).hold, difference.usual);
            QVERIFY2(!analysis.isBest(difference.usual), qPrintable(handText(difference.dealt)));
        }
    }

    // Answers given one after another in run 10: R right, W wrong.
    void schedule_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("streak");
        QTest::addColumn<int>("rests");
        QTest::addColumn<int>("dueRun");

        QTest::newRow("one right") << "R" << 1 << 0 << 0;
        QTest::newRow("three right: rests the next run") << "RRR" << 0 << 1 << 12;
        QTest::newRow("six right: the next two") << "RRRRRR" << 0 << 2 << 13;
        QTest::newRow("nine right: the next four") << "RRRRRRRRR" << 0 << 3 << 15;
        QTest::newRow("a miss after two") << "RRW" << 0 << 0 << 10;
        QTest::newRow("a miss after a rest: back now, rests start over") << "RRRW" << 0 << 0 << 10;
        QTest::newRow("a miss, then three right") << "RRRRRWRRR" << 0 << 1 << 12;
    }

    void schedule()
    {
        QFETCH(QString, answers);
        QFETCH(int, streak);
        QFETCH(int, rests);
        QFETCH(int, dueRun);
        LineSchedule schedule;
        for (QChar answer : answers)
            schedule = afterAnswer(schedule, answer == u'R', 10);
        QCOMPARE(schedule.streak, streak);
        QCOMPARE(schedule.rests, rests);
        QCOMPARE(schedule.dueRun, qint64(dueRun));
        QCOMPARE(isDue(schedule, 10), dueRun <= 10);
        QCOMPARE(isDue(schedule, 11), dueRun <= 11);
    }

    // Three lines, run 5, today 2026-12-09; the random value draws the line.
    void choosingTheLine_data()
    {
        QTest::addColumn<QStringList>("mistakes");
        QTest::addColumn<int>("restingLine");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("line");

        const QStringList recentAndOld{"2026-12-09 1.0 line 2", "2026-11-11 1.0 line 3"};   // weights 1 and 1/4
        QTest::newRow("the most given up") << recentAndOld << 0 << 0.5 << 2;
        QTest::newRow("an older mistake weighs less") << recentAndOld << 0 << 0.85 << 3;
        QTest::newRow("a resting line is left out") << recentAndOld << 2 << 0.1 << 3;
        QTest::newRow("no mistakes: any line") << QStringList{} << 0 << 0.0 << 1;
        QTest::newRow("no mistakes: any due line") << QStringList{} << 1 << 0.0 << 2;
        QTest::newRow("mistakes only on resting lines: any due line") << QStringList{"2026-12-09 1.0 line 1"} << 1 << 0.99 << 3;
    }

    void choosingTheLine()
    {
        QFETCH(QStringList, mistakes);
        QFETCH(int, restingLine);
        QFETCH(double, draw);
        QFETCH(int, line);
        CoachLogData log;
        for (const QString &text : mistakes)
            log.hands.push_back(mistake(text));
        if (restingLine)
            log.schedule[restingLine] = {0, 1, 6};
        ScriptedRandom random;
        random.script({draw});
        QCOMPARE(chooseLine(log, 3, 5, QDate(2026, 12, 9), random), line);
    }

    // A hand's result split into what the hold played was expected to win and luck, beside the
    // shadow of a perfect player drawing to the best hold with the same replacement cards.
    void luckAndShadow_data()
    {
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<unsigned>("kept");
        QTest::addColumn<QString>("final");
        QTest::addColumn<int>("won");
        QTest::addColumn<int>("shadowWon");

        QTest::newRow("best play: the shadow draws the same") << "JH JS 2C 7D 9S" << 3U << "JH JS JC 4D 5S" << 30 << 30;
        QTest::newRow("all exchanged: the best hold takes the first new cards")
            << "JH JS 2C 7D 9S" << 0U << "3C 4D 5S 8H KD" << 0 << 10;
        QTest::newRow("nothing exchanged: the best hold's cards come from the rest of the deck")
            << "2H 2S 9C 7D 4S" << 31U << "2H 2S 9C 7D 4S" << 0 << 30;   // 2D 3D 4D, the deck's first
        QTest::newRow("to the royal flush") << "AH KH QH JH 3C" << 15U << "AH KH QH JH TH" << 10000 << 10000;
    }

    void luckAndShadow()
    {
        QFETCH(QString, dealt);
        QFETCH(unsigned, kept);
        QFETCH(QString, final);
        QFETCH(int, won);
        QFETCH(int, shadowWon);
        const DrawRules rules = gameRules(Payoff(), 1);
        const Hand cards = hand(qPrintable(dealt));
        const HandAnalysis analysis = analyseHand(cards, rules);
        const unsigned best = namedBestHold(cards, analysis, chartFor("game"));
        ScriptedRandom random;
        random.script({0.0, 0.0, 0.0});
        const HandSplit split = splitHand(cards, kept, hand(qPrintable(final)), best, analysis, rules, random);
        QCOMPARE(split.won, double(won));
        QCOMPARE(split.shadowWon, double(shadowWon));
        QCOMPARE(split.best, analysis.isBest(kept));
        QCOMPARE(split.keptExpected + split.luck(), split.won);
        QCOMPARE(split.givenUp(), analysis.gaveUp(kept));

        RunSplit run;
        run.add(split, rules.stake);
        run.add(split, rules.stake);
        QCOMPARE(run.errors(), split.best ? 0 : 2);
        QCOMPARE(run.givenUpPerHundred(), 100.0 * split.givenUp() / double(rules.stake));
        QCOMPARE(run.percentOfBest(), 100.0 * split.keptExpected / split.bestExpected);
    }
};

QTEST_GUILESS_MAIN(TestPractice)
#include "test_practice.moc"
