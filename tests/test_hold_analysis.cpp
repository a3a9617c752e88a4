#include "app/analyse_command.h"
#include "core/best_play.h"
#include "core/classifier.h"
#include "core/deal_classes.h"
#include "core/deal_tables.h"
#include "core/hold_analysis.h"
#include "core/payoff.h"
#include "support/card_notation.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(DrawRules)

namespace {

using Counts = CategoryCounts;

// The slow, obvious way: deal every possible draw into the exchanged positions and classify
// the final hand with the game's classifier.
Counts countByDealing(const Hand &dealt, unsigned hold)
{
    std::vector<Card> unseen;
    for (int rank = kLowestRank; rank <= kAce; ++rank) {
        for (int suit = 0; suit < 4; ++suit) {
            const Card candidate{rank, suit};
            if (std::find(dealt.begin(), dealt.end(), candidate) == dealt.end())
                unseen.push_back(candidate);
        }
    }
    std::vector<int> open;
    for (int i = 0; i < kPositions; ++i) {
        if (!(hold & (1U << i)))
            open.push_back(i);
    }
    Counts counts{};
    Hand final = dealt;
    auto fill = [&](auto &self, size_t slot, size_t from) -> void {
        if (slot == open.size()) {
            ++counts[handCategory(final).value_or(kNoCategory)];
            return;
        }
        for (size_t i = from; i + (open.size() - slot) <= unseen.size(); ++i) {
            final[open[slot]] = unseen[i];
            self(self, slot + 1, i + 1);
        }
    };
    fill(fill, 0, 0);
    return counts;
}

void compareWithDealing(const Hand &dealt)
{
    const auto holds = countHolds(dealt, gameRules(Payoff(), 1));
    for (unsigned hold = 0; hold < kHolds; ++hold) {
        const Counts expected = countByDealing(dealt, hold);
        if (holds[hold].counts != expected)
            QFAIL(qPrintable(QStringLiteral("%1, hold %2").arg(handText(dealt)).arg(hold)));
        qint64 total = 0;
        for (qint64 count : expected)
            total += count;
        QCOMPARE(holds[hold].draws, total);
    }
}

std::vector<Hand> randomHands(int count, unsigned seed)
{
    std::mt19937 engine(seed);
    std::vector<Hand> hands;
    for (int round = 0; round < count; ++round) {
        std::vector<int> deck(52);
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), engine);
        Hand dealt;
        for (int i = 0; i < kPositions; ++i)
            dealt[i] = Card{kLowestRank + deck[i] / 4, deck[i] % 4};
        hands.push_back(dealt);
    }
    return hands;
}

DrawRules jacksOrBetter96()
{
    DrawRules rules;
    rules.wins = {1, 2, 3, 4, 6, 9, 25, 50, 800};
    rules.wheelIsStraight = true;
    return rules;
}

} // namespace

class TestHoldAnalysis : public QObject {
    Q_OBJECT
private slots:
    void countsEqualDealing_data();
    void countsEqualDealing();
    void randomHandsEqualDealing();
    void tablesEqualCounting_data();
    void tablesEqualCounting();
    void bestAndWorth_data();
    void bestAndWorth();
    void publishedWorths_data();
    void publishedWorths();
    void publishedBestPlay_data();
    void publishedBestPlay();
    void analyseCommand_data();
    void analyseCommand();
};

void TestHoldAnalysis::countsEqualDealing_data()
{
    QTest::addColumn<QString>("cards");
    QTest::newRow("dealt royal") << "TS JS QS KS AS";
    QTest::newRow("four to a royal or a paying pair") << "TH JH QH KH KS";
    QTest::newRow("low pair") << "5C 5D 9H KS 2C";
    QTest::newRow("three to a straight flush") << "7D 8D 9D 2S KC";
    QTest::newRow("nothing") << "2H 4C 7S 9D JH";
    QTest::newRow("ace low is nothing") << "AH 2H 3H 4H 9C";
}

void TestHoldAnalysis::countsEqualDealing()
{
    QFETCH(QString, cards);
    compareWithDealing(hand(qPrintable(cards)));
}

void TestHoldAnalysis::randomHandsEqualDealing()
{
    // Each hand deals all 2,598,960 draws. Instrumented, a sample of the same sequence still
    // takes every path of the counting; the plain build checks the whole.
#ifdef QUINTDRAW_SANITIZED
    constexpr int kHands = 6;
#else
    constexpr int kHands = 200;
#endif
    const std::vector<Hand> hands = randomHands(kHands, 13);
    for (const Hand &dealt : hands) {
        compareWithDealing(dealt);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestHoldAnalysis::tablesEqualCounting_data()
{
    QTest::addColumn<int>("pairFrom");
    QTest::addColumn<bool>("wheel");
    for (int pairFrom : {kLowestRank, 10, 11, kAce}) {
        for (bool wheel : {false, true})
            QTest::addRow("pairs from %d%s", pairFrom, wheel ? ", wheel" : "") << pairFrom << wheel;
    }
}

// Inclusion–exclusion over the tables, both ways (counts, worths), against walking each hold's
// draws, for all 32 holds.
void TestHoldAnalysis::tablesEqualCounting()
{
    QFETCH(int, pairFrom);
    QFETCH(bool, wheel);
    DrawRules rules = jacksOrBetter96();
    rules.lowestPayingPair = pairFrom;
    rules.wheelIsStraight = wheel;
    const DealTables tables(rules);
    HoldCounter walk(rules);
    std::vector<Hand> hands = randomHands(300, pairFrom * 2 + wheel);
    hands.push_back(hand("AH 2H 3H 4H 5H"));
    hands.push_back(hand("AS 2D 3C 4H 9S"));
    hands.push_back(hand("TD JD QD KD AD"));
    for (const Hand &dealt : hands) {
        const HandAnalysis expected = analyseHand(dealt, rules);
        const auto actual = tables.countHolds(dealt);
        const auto walked = walk.count(dealt);
        const AscendingHand sorted(dealt);
        const auto worths = tables.scaledWorths(sorted.cards);
        for (unsigned set = 0; set < kHolds; ++set) {
            const unsigned hold = sorted.dealtHold(set);
            const HoldValue &wanted = expected.holds[hold];
            if (actual[hold].counts != wanted.counts || actual[hold].draws != wanted.draws
                || worths[set] != scaledWorth(wanted) || walked[hold].counts != wanted.counts)
                QFAIL(qPrintable(QStringLiteral("%1, hold %2").arg(handText(dealt)).arg(hold)));
        }
    }
}

void TestHoldAnalysis::bestAndWorth_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<int>("units");
    QTest::addColumn<unsigned>("bestHold");
    QTest::addColumn<double>("bestWorth");
    QTest::newRow("pat royal, stake 10") << "TS JS QS KS AS" << 1 << kKeepAll << 10000.0;
    QTest::newRow("pat royal, stake 200") << "TS JS QS KS AS" << 20 << kKeepAll << 200000.0;
    QTest::newRow("pat full house") << "9S 9H 9C 4D 4S" << 2 << kKeepAll << 700.0;
}

void TestHoldAnalysis::bestAndWorth()
{
    QFETCH(QString, cards);
    QFETCH(int, units);
    QFETCH(unsigned, bestHold);
    QFETCH(double, bestWorth);
    const Payoff payoff;
    const HandAnalysis analysis = analyseHand(hand(qPrintable(cards)), payoff, units);
    QCOMPARE(analysis.bestHolds, std::vector<unsigned>{bestHold});
    QCOMPARE(analysis.best().expectedWin(), bestWorth);
    for (const HoldValue &value : analysis.holds)
        QVERIFY(compareWorth(analysis.best(), value) >= 0);
    QCOMPARE(analysis.gaveUp(bestHold), 0.0);

    // Discarding all five is the average of every five-card draw from the 47 unseen cards.
    const HoldValue &none = analysis.holds[0];
    QCOMPARE(none.draws, qint64(1533939));
    const Counts dealing = countByDealing(hand(qPrintable(cards)), 0);
    qint64 wins = 0;
    for (int category = 0; category < kCategories; ++category)
        wins += dealing[category] * payoff.winFor(category, units);
    QCOMPARE(none.totalWin, wins);
}

void TestHoldAnalysis::publishedWorths_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<unsigned>("hold");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::newRow("four to a royal") << "KH QH JH TH 2S" << 0b01111U << qint64(925) << qint64(47);
    QTest::newRow("four to a straight flush") << "QH JH TH 9H 8S" << 0b01111U << qint64(168) << qint64(47);
    QTest::newRow("its straight, worth more") << "QH JH TH 9H 8S" << kKeepAll << qint64(4) << qint64(1);
}

// Single holds at 9/6 Jacks or Better, as published.
void TestHoldAnalysis::publishedWorths()
{
    QFETCH(QString, cards);
    QFETCH(unsigned, hold);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    const HoldValue value = analyseHand(hand(qPrintable(cards)), jacksOrBetter96()).holds[hold];
    QCOMPARE(value.totalWin * denominator, numerator * value.draws);
}

void TestHoldAnalysis::publishedBestPlay_data()
{
    QTest::addColumn<DrawRules>("rules");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QList<qint64>>("counts");   // One Pair .. Royal flush, none; out of `denominator`
    QTest::newRow("9/6 jacks or better") << jacksOrBetter96() << Q_INT64_C(1653526326983) << Q_INT64_C(1661102543100)
        << QList<qint64>{356447740914, 214745513679, 123666922527, 18653130482, 18296232180,
                         19122956883, 3924430647, 181573608, 41126022, 906022916158};
    QTest::newRow("this game") << gameRules(Payoff(), 1) << Q_INT64_C(216956254069) << Q_INT64_C(138425211925)
                               << QList<qint64>{};
}

// Best play over every deal; the counts depend on which of equally worth holds is taken.
void TestHoldAnalysis::publishedBestPlay()
{
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
    QSKIP("every deal of a table: checked in the Release build only");
#endif
    QFETCH(DrawRules, rules);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QList<qint64>, counts);
    const BestPlay play = bestPlay(rules);
    QCOMPARE(qint64(play.tableReturn.numerator), numerator);
    QCOMPARE(qint64(play.tableReturn.denominator), denominator);
    if (counts.isEmpty())
        return;
    QCOMPARE(kFinalHands % denominator, 0);
    for (int category = 0; category <= kCategories; ++category)
        QCOMPARE(play.counts[category], counts[category] * (kFinalHands / denominator));
}

void TestHoldAnalysis::analyseCommand_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cards");     // the same hand in the tests' notation; empty for no hand
    QTest::addColumn<QString>("message");   // part of what is wrong, for no hand
    QTest::newRow("royal flush") << "AS KS QS JS TS" << "AS KS QS JS TS" << "";
    QTest::newRow("straight flush, symbols") << "9♥ 8♥ 7♥ 6♥ 5♥" << "9H 8H 7H 6H 5H" << "";
    QTest::newRow("four of a kind, lower case") << "7c 7d 7h 7s kd" << "7C 7D 7H 7S KD" << "";
    QTest::newRow("full house, commas") << "QH, QS,QD 4C 4D" << "QH QS QD 4C 4D" << "";
    QTest::newRow("flush, tens both ways") << "2C 10C TD 9C 3C" << "2C 10C TD 9C 3C" << "";
    QTest::newRow("straight, ace low is none") << "AD 2C 3H 4S 5D" << "AD 2C 3H 4S 5D" << "";
    QTest::newRow("three of a kind, white symbols") << "5♡ 5♤ 5♧ J♢ 2♠" << "5H 5S 5C JD 2S" << "";
    QTest::newRow("two pair") << "KC KD 3S 3H 8D" << "KC KD 3S 3H 8D" << "";
    QTest::newRow("high pair") << "JH JS 2C 7D 9S" << "JH JS 2C 7D 9S" << "";
    QTest::newRow("low pair beside four to a flush") << "4H 4S 8H JH KH" << "4H 4S 8H JH KH" << "";
    QTest::newRow("four to a royal, emoji symbols") << "K♥️ Q♥️ J♥️ 10♥️ 2♠️" << "KH QH JH TH 2S" << "";
    QTest::newRow("nothing") << "2H 4C 7S 9D JH" << "2H 4C 7S 9D JH" << "";
    QTest::newRow("no cards") << "  " << "" << "No cards";
    QTest::newRow("four cards") << "JH JS 2C 7D" << "" << "4 cards";
    QTest::newRow("six cards") << "JH JS 2C 7D 9S 3H" << "" << "6 cards";
    QTest::newRow("rank one") << "JH JS 2C 7D 1S" << "" << "\"1S\" is not a card";
    QTest::newRow("rank eleven") << "JH JS 2C 7D 11S" << "" << "\"11S\" is not a card";
    QTest::newRow("no suit") << "JH JS 2C 7D 9" << "" << "\"9\" is not a card";
    QTest::newRow("no such suit") << "JH JS 2C 7D 9X" << "" << "\"9X\" is not a card";
    QTest::newRow("repeated in another case") << "JH JS 2C 7D jh" << "" << "\"JH\" and \"jh\" are the same card, the jack of hearts";
    QTest::newRow("ten repeated both ways") << "TD 10D 2C 7D 9S" << "" << "\"TD\" and \"10D\" are the same card";
}

// The command's 32 lines against dealing out every draw of the hand, and the messages for text
// that is no hand, which leave the output empty.
void TestHoldAnalysis::analyseCommand()
{
    QFETCH(QString, typed);
    QFETCH(QString, cards);
    QFETCH(QString, message);
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream errorStream(&errors);
    const int status = ::analyseCommand(typed, out, errorStream);
    out.flush();
    errorStream.flush();
    if (cards.isEmpty()) {
        QCOMPARE(status, 2);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        QVERIFY(output.isEmpty());
        return;
    }
    QCOMPARE(status, 0);
    QVERIFY(errors.isEmpty());
    const Hand dealt = hand(qPrintable(cards));
    const Payoff payoff;
    const qint64 stake = payoff.winFor(0, 1);
    static const QRegularExpression format(QStringLiteral("^(.+?) {2,}(\\d+)/(\\d+)  (\\d+\\.\\d{6})  (line \\d+, .+|on no line of the chart)$"));
    const QStringList lines = output.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), kHolds);
    std::vector<bool> seen(kHolds);
    double previous = 1e18;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = format.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        unsigned hold = 0;
        if (match.captured(1) != u"nothing") {
            for (const QString &word : match.captured(1).split(u' ')) {
                const auto at = std::find(dealt.begin(), dealt.end(), card(word));
                QVERIFY2(at != dealt.end(), qPrintable(line));
                hold |= 1U << (at - dealt.begin());
            }
        }
        QVERIFY2(!seen[hold], qPrintable(line));
        seen[hold] = true;
        const Counts counts = countByDealing(dealt, hold);
        qint64 draws = 0;
        qint64 won = 0;
        for (int category = 0; category <= kCategories; ++category) {
            draws += counts[category];
            won += category < kCategories ? counts[category] * payoff.winFor(category, 1) : 0;
        }
        const qint64 numerator = match.captured(2).toLongLong();
        const qint64 denominator = match.captured(3).toLongLong();
        QVERIFY2(won * denominator == numerator * draws * stake, qPrintable(line));
        QVERIFY2(std::gcd(numerator, denominator) == 1, qPrintable(line));
        const double worth = match.captured(4).toDouble();
        QVERIFY2(qAbs(worth - double(numerator) / double(denominator)) <= 5e-7, qPrintable(line));
        QVERIFY2(worth <= previous, qPrintable(line));
        previous = worth;
    }
}

QTEST_APPLESS_MAIN(TestHoldAnalysis)
#include "test_hold_analysis.moc"
