#include "core/classifier.h"
#include "core/payoff.h"
#include "support/card_notation.h"

#include <QTest>
#include <array>
#include <numeric>

namespace {

constexpr int NoCategory = -1;
// QuadRank, TripsRank, PairRank, TwoPairRank, FullHouseRank, FlushHighRank, StraightHighRank.
using Ranks = QList<int>;
enum Category { OnePair, TwoPair, ThreeOfAKind, Straight, Flush, FullHouse, FourOfAKind,
                StraightFlush, RoyalFlush };

// The nine lines of the classification, written out from the seven tests as the oracle for
// the classifier's fast path.
int categoryByTests(const Hand &h)
{
    const int flushHigh = FlushHighRank(h);
    const int straightHigh = StraightHighRank(h);
    if (flushHigh > 0 && straightHigh == kAce) return RoyalFlush;
    if (flushHigh > 0 && straightHigh > 0) return StraightFlush;
    if (QuadRank(h) > 0) return FourOfAKind;
    if (FullHouseRank(h) > 0) return FullHouse;
    if (flushHigh > 0) return Flush;
    if (straightHigh > 0) return Straight;
    if (TripsRank(h) > 0) return ThreeOfAKind;
    if (TwoPairRank(h) > 0) return TwoPair;
    if (PairRank(h) > 10) return OnePair;
    return NoCategory;
}

qint64 choose(int n, int k)
{
    qint64 result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

qint64 power(int base, int exponent)
{
    qint64 result = 1;
    while (exponent-- > 0)
        result *= base;
    return result;
}

} // namespace

class TestClassifier : public QObject {
    Q_OBJECT

private slots:
    void notationReadsWhatItWrites();
    void category_data();
    void category();
    void testRanks_data();
    void testRanks();
    void everyHandCountsAsCombinatoricsSays();
};

void TestClassifier::notationReadsWhatItWrites()
{
    for (int suit = Diamonds; suit <= Spades; ++suit) {
        for (int rank = kLowestRank; rank <= kAce; ++rank) {
            const Hand h{Card{rank, suit}, Card{2, 0}, Card{3, 1}, Card{4, 2}, Card{5, 3}};
            QCOMPARE(hand(qPrintable(handText(h))), h);
        }
    }
    QCOMPARE(card(u"TH"), card(u"10H"));
}

void TestClassifier::category_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("name");

    QTest::newRow("royal flush")                  << "10H JH QH KH AH" << int(RoyalFlush) << "Royal flush  >>";
    QTest::newRow("royal in any order")           << "AS QS 10S KS JS" << int(RoyalFlush) << "Royal flush  >>";
    QTest::newRow("9 to K suited")                << "9H 10H JH QH KH" << int(StraightFlush) << "Straight flush  >>";
    QTest::newRow("2 to 6 suited")                << "6C 2C 4C 3C 5C" << int(StraightFlush) << "Straight flush  >>";
    QTest::newRow("A-2-3-4-5 suited is a flush")  << "AD 2D 3D 4D 5D" << int(Flush) << "Flush  >>";
    QTest::newRow("A-2-3-4-5 mixed is nothing")   << "AS 2D 3C 4H 5S" << NoCategory << "";
    QTest::newRow("2 to 6 mixed")                 << "2S 3D 4C 5H 6S" << int(Straight) << "Straight  >>";
    QTest::newRow("10 to A mixed")                << "KD AS 10C QH JS" << int(Straight) << "Straight  >>";
    QTest::newRow("straight with a gap")          << "2S 3D 4C 5H 7S" << NoCategory << "";
    QTest::newRow("four queens")                  << "QD QH QC QS 2D" << int(FourOfAKind) << "Four of a kind  >>";
    QTest::newRow("four twos under an ace")       << "2D AH 2C 2S 2H" << int(FourOfAKind) << "Four of a kind  >>";
    QTest::newRow("kings over fours")             << "KD 4H KC 4S 4D" << int(FullHouse) << "Full house  >>";
    QTest::newRow("twos over aces")               << "2D 2H 2C AS AD" << int(FullHouse) << "Full house  >>";
    QTest::newRow("plain flush")                  << "2C 7C 9C JC KC" << int(Flush) << "Flush  >>";
    QTest::newRow("three of a kind")              << "7D 7H 7C 2S KD" << int(ThreeOfAKind) << "Three of a kind  >>";
    QTest::newRow("7 7 3 3 K")                    << "7D 7H 3C 3S KD" << int(TwoPair) << "Two Pair  >>";
    QTest::newRow("aces up")                      << "AD 2H AC 2S 9D" << int(TwoPair) << "Two Pair  >>";
    QTest::newRow("jacks pay")                    << "JH JS 2C 7D 9S" << int(OnePair) << "One Pair  >>";
    QTest::newRow("aces pay")                     << "AH 4S AC 7D 9S" << int(OnePair) << "One Pair  >>";
    QTest::newRow("tens do not pay")              << "10H 10S 4C 8D 2S" << NoCategory << "";
    QTest::newRow("high card")                    << "AH KS 4C 8D 2S" << NoCategory << "";
}

void TestClassifier::category()
{
    QFETCH(QString, cards);
    QFETCH(int, expected);
    QFETCH(QString, name);

    const std::optional<int> found = handCategory(hand(qPrintable(cards)));
    QCOMPARE(found.value_or(NoCategory), expected);
    if (found)
        QCOMPARE(handLabel(categoryAt(*found)), name);
}

// The ranks the tests report are what tie-breaks and partial matches rest on.
void TestClassifier::testRanks_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<Ranks>("ranks");

    using R = Ranks;
    QTest::newRow("royal")                 << "10H JH QH KH AH"  << R{0, 0, 0, 0, 0, 14, 14};
    QTest::newRow("wheel suited")          << "AD 2D 3D 4D 5D"   << R{0, 0, 0, 0, 0, 14, 0};
    QTest::newRow("2 to 6")                << "2S 3D 4C 5H 6S"   << R{0, 0, 0, 0, 0, 0, 6};
    QTest::newRow("quads are no pairs")    << "QD QH QC QS 2D"   << R{12, 0, 0, 0, 0, 0, 0};
    QTest::newRow("full house, trips top") << "KD KH KC 4S 4D"   << R{0, 13, 4, 0, 13, 0, 0};
    QTest::newRow("full house, pair top")  << "4D 4H 4C KS KD"   << R{0, 4, 13, 0, 13, 0, 0};
    QTest::newRow("two pair, higher pair") << "7D 7H 3C 3S KD"   << R{0, 0, 7, 7, 0, 0, 0};
    QTest::newRow("three fives")           << "5D 5H 5C 9S KD"   << R{0, 5, 0, 0, 0, 0, 0};
    QTest::newRow("one pair")              << "10H 10S 4C 8D 2S" << R{0, 0, 10, 0, 0, 0, 0};
}

void TestClassifier::testRanks()
{
    QFETCH(QString, cards);
    QFETCH(Ranks, ranks);

    const Hand h = hand(qPrintable(cards));
    const Ranks found{QuadRank(h), TripsRank(h), PairRank(h), TwoPairRank(h),
                                   FullHouseRank(h), FlushHighRank(h), StraightHighRank(h)};
    QCOMPARE(found, ranks);
}

void TestClassifier::everyHandCountsAsCombinatoricsSays()
{
    // Nine straight ranks (6-high .. ace-high: the ace is never low); the royal is the ace-high one.
    const qint64 straightRanks = 9;
    const qint64 suitedStraights = straightRanks * 4;
    const qint64 noPairRanks = choose(13, 5) - straightRanks;
    QList<qint64> expected(kCategories);
    expected[RoyalFlush] = 4;
    expected[StraightFlush] = suitedStraights - 4;
    expected[FourOfAKind] = 13 * 48;
    expected[FullHouse] = 13 * choose(4, 3) * 12 * choose(4, 2);
    expected[Flush] = 4 * choose(13, 5) - suitedStraights;
    expected[Straight] = straightRanks * (power(4, 5) - 4);
    expected[ThreeOfAKind] = 13 * choose(4, 3) * choose(12, 2) * power(4, 2);
    expected[TwoPair] = choose(13, 2) * choose(4, 2) * choose(4, 2) * 11 * 4;
    expected[OnePair] = 4 * choose(4, 2) * choose(12, 3) * power(4, 3);   // jacks .. aces
    const qint64 lowPairs = 9 * choose(4, 2) * choose(12, 3) * power(4, 3);
    const qint64 expectedNothing = lowPairs + noPairRanks * (power(4, 5) - 4);

    std::array<Card, 52> deck;
    for (int i = 0; i < 52; ++i)
        deck[i] = Card{kLowestRank + i / 4, i % 4};

    QList<qint64> counted(kCategories);
    qint64 nothing = 0;
    Hand h;
    for (int a = 0; a < 52; ++a) {
        h[0] = deck[a];
        for (int b = a + 1; b < 52; ++b) {
            h[1] = deck[b];
            for (int c = b + 1; c < 52; ++c) {
                h[2] = deck[c];
                for (int d = c + 1; d < 52; ++d) {
                    h[3] = deck[d];
                    for (int e = d + 1; e < 52; ++e) {
                        h[4] = deck[e];
                        const int category = handCategory(h).value_or(NoCategory);
                        const int byTests = categoryByTests(h);
                        if (category != byTests)
                            QFAIL(qPrintable(QStringLiteral("%1: %2, the tests in order say %3")
                                                 .arg(handText(h)).arg(category).arg(byTests)));
                        if (category == NoCategory)
                            ++nothing;
                        else
                            ++counted[category];
                    }
                }
            }
        }
    }

    QCOMPARE(counted, expected);
    QCOMPARE(nothing, expectedNothing);
    QCOMPARE(nothing + std::accumulate(counted.begin(), counted.end(), qint64(0)), choose(52, 5));
}

QTEST_APPLESS_MAIN(TestClassifier)
#include "test_classifier.moc"
