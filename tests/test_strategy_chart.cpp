#include "core/chart_writer.h"
#include "core/deal_classes.h"
#include "support/card_notation.h"

#include <QTest>
#include <map>

namespace {

DrawRules jacksOrBetter96()
{
    DrawRules rules;
    rules.wins = {1, 2, 3, 4, 6, 9, 25, 50, 800};
    rules.wheelIsStraight = true;
    return rules;
}

// Each table's chart is written once for the whole run.
const WrittenChart &chartFor(const QString &table)
{
    static std::map<QString, WrittenChart> written;
    auto found = written.find(table);
    if (found == written.end())
        found = written.emplace(table, writeChart(table == "game" ? gameRules(Payoff(), 1) : jacksOrBetter96())).first;
    return found->second;
}

bool releaseBuild()
{
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

} // namespace

class TestStrategyChart : public QObject {
    Q_OBJECT
private slots:
    void followingTheChart_data();
    void followingTheChart();
    void lineFor_data();
    void lineFor();
};

void TestStrategyChart::followingTheChart_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<double>("mostCost");   // percent of the stakes
    QTest::newRow("9/6 jacks or better") << "jacks" << 0.08;
    QTest::newRow("this game") << "game" << 0.1;
}

// The return the writer promises is the return of a player taking lineFor's hold on every deal.
void TestStrategyChart::followingTheChart()
{
    if (!releaseBuild())
        QSKIP("every deal of a table: checked in the Release build only");
    QFETCH(QString, table);
    QFETCH(double, mostCost);
    const WrittenChart &written = chartFor(table);
    const StrategyChart &chart = written.chart;
    QVERIFY(chart.lines().size() <= 40);
    QCOMPARE(chart.lines().back().text, QStringLiteral("Draw five new cards"));

    int unmatched = 0;
    forEachDealClass([&](const Hand &hand, int) { unmatched += chart.lineFor(hand).line < 0; });
    QCOMPARE(unmatched, 0);

    const Fraction followed = followChart(chart);
    QCOMPARE(followed.text(), written.chartReturn.text());
    QVERIFY(written.costPercent() >= 0);
    QVERIFY2(written.costPercent() <= mostCost, qPrintable(QString::number(written.costPercent())));
}

void TestStrategyChart::lineFor_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("cards");
    QTest::addColumn<QString>("line");   // how the line begins
    QTest::addColumn<unsigned>("hold");
    QTest::newRow("pat royal") << "jacks" << "AS TS KS JS QS" << "Royal flush" << kKeepAll;
    QTest::newRow("four to a royal before a paying pair") << "jacks" << "JH QH KH TH KS" << "Four to a royal flush" << 0b01111U;
    QTest::newRow("a straight before its straight flush draw") << "jacks" << "QH JH TH 9H 8S" << "Straight" << kKeepAll;
    QTest::newRow("the four of a kind, not the kicker") << "jacks" << "5C 5D 9H 5S 5H" << "Four of a kind" << 0b11011U;
    QTest::newRow("high pair before four to a flush") << "jacks" << "JH JS 2H 7H 9H" << "High pair" << 0b00011U;
    QTest::newRow("two unsuited high cards") << "jacks" << "KH QS 7C 4D 2S" << "Two high cards" << 0b00011U;
    QTest::newRow("low pair before one high card") << "game" << "2C 2D 7H 9S KC" << "Low pair" << 0b00011U;
}

void TestStrategyChart::lineFor()
{
    if (!releaseBuild())
        QSKIP("a table's chart is written in the Release build only");
    QFETCH(QString, table);
    QFETCH(QString, cards);
    QFETCH(QString, line);
    QFETCH(unsigned, hold);
    const StrategyChart &chart = chartFor(table).chart;
    const ChartMatch match = chart.lineFor(hand(qPrintable(cards)));
    QVERIFY(match.line >= 0);
    QVERIFY2(chart.lines()[match.line].text.startsWith(line), qPrintable(chart.lines()[match.line].text));
    QCOMPARE(match.hold, hold);
}

QTEST_APPLESS_MAIN(TestStrategyChart)
#include "test_strategy_chart.moc"
