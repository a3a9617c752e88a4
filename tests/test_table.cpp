#include "core/table.h"
#include "records/settings.h"
#include "support/card_notation.h"
#include "support/fake_clock.h"
#include "support/scripted_random.h"

#include <QTest>
#include <set>

namespace {

// Remembers what the table told, and each position's face-down state as the table shows it;
// each rise is logged with the index of its position.
class RecordingView : public TableEvents {
public:
    void cardDealt(int position) override { dealt.push_back(position - 1); }
    void cardRising(int position) override { rises.push_back(position - 1); }
    void cardMarked(int position) override { marks.push_back(position - 1); }

    std::vector<int> dealt;
    std::vector<int> rises;
    std::vector<int> marks;
};

std::array<bool, 5> covers(const Table &table)
{
    std::array<bool, 5> faceDown{};
    for (int p = 1; p <= 5; ++p)
        faceDown[p - 1] = table.faceDown(p);
    return faceDown;
}

struct Fixture {
    Fixture() { table.NewDeck(); }
    void deal(const char *cards)
    {
        random.scriptHand(hand(cards));
        table.DealCards();
    }

    RecordingView view;
    FakeClock clock;
    ScriptedRandom random;
    Settings settings;
    Table table{view, clock, random, settings};
};

std::array<bool, 5> keepFlags(const Table &table)
{
    std::array<bool, 5> flags{};
    for (int p = 1; p <= 5; ++p)
        flags[p - 1] = table.KeepCard(p);
    return flags;
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT
private slots:
    void firstDealGivesFiveDistinctCardsAndKeepsThem()
    {
        for (unsigned seed = 1; seed <= 200; ++seed) {
            Fixture f;
            f.random = ScriptedRandom(seed);
            f.table.DealCards();
            const Hand &cards = f.table.cards();
            std::set<std::pair<int, int>> distinct;
            for (const Card &c : cards) {
                distinct.insert({c.rank, c.suit});
                QVERIFY(c.rank >= 2 && c.rank <= 14 && c.suit >= 0 && c.suit <= 3);
                QVERIFY(!f.table.deck().contains(c));
            }
            QCOMPARE(distinct.size(), size_t(5));
            QCOMPARE(f.table.deck().cardsLeft(), 47);
            QCOMPARE(f.table.DealPhase(), int(Table::DrawPending));
            QCOMPARE(keepFlags(f.table), (std::array<bool, 5>{true, true, true, true, true}));
            QCOMPARE(covers(f.table), (std::array<bool, 5>{}));
        }
    }

    void drawReplacesExactlyTheMarkedPositionsWithUnseenCards()
    {
        Fixture f;
        f.deal("2D 3H 4C 5S 6D");
        f.table.toggleMark(2, Table::Trigger::Key);
        f.table.toggleMark(4, Table::Trigger::Key);
        // The script first offers cards already seen this round: the draw must reject them.
        f.random.scriptHand(hand("3H 5S 2D 9C 9C"));
        f.random.scriptCard(card(u"KH"));
        f.table.DealCards();
        QCOMPARE(handText(f.table.cards()), QStringLiteral("2D 9C 4C KH 6D"));
        QCOMPARE(f.table.DealPhase(), int(Table::RoundComplete));
        QCOMPARE(f.table.deck().cardsLeft(), 45);
    }

    void drawWithEveryCardKeptDealsNothing()
    {
        Fixture f;
        f.deal("2D 3H 4C 5S 6D");
        const int drawsBefore = f.random.reseeds;
        f.table.DealCards();
        QCOMPARE(handText(f.table.cards()), QStringLiteral("2D 3H 4C 5S 6D"));
        QCOMPARE(f.table.DealPhase(), 0);
        QCOMPARE(f.random.reseeds, drawsBefore + 1);   // reseeded once per deal, even an empty one
        QCOMPARE(f.table.deck().cardsLeft(), 47);
    }

    void dealingPausesAfterEachCard()
    {
        Fixture f;
        f.deal("2D 3H 4C 5S 6D");
        QCOMPARE(f.clock.waits, (std::vector<double>(5, 0.1)));
        QCOMPARE(f.random.reseeds, 1);
    }

    void fastNeverMovesACard()
    {
        Fixture f;
        f.deal("2D 3H 4C 5S 6D");
        f.table.toggleMark(1, Table::Trigger::Face);
        f.table.toggleMark(1, Table::Trigger::Face);
        f.table.toggleMark(3, Table::Trigger::Face);
        f.table.DealCards();
        QVERIFY(f.view.rises.empty());
    }

    void slowDrawRisesEachCardFromBehindTheFrame()
    {
        Fixture f;
        f.settings.setSlow(true);
        f.deal("2D 3H 4C 5S 6D");
        QVERIFY2(f.view.rises.empty(), "the first deal of a round is never animated");
        f.table.toggleMark(1, Table::Trigger::Key);
        f.table.toggleMark(5, Table::Trigger::Key);
        f.clock.waits.clear();
        f.random.scriptHand(hand("7D 8D 2D 2D 2D"));
        f.table.DealCards();

        // The steps of each rise are the Game tab's (test_round: slowDrawRisesEachCard).
        QCOMPARE(f.view.rises, (std::vector<int>{0, 4}));
        QCOMPARE(f.clock.waits, (std::vector<double>{1.3, 0.1, 1.3, 0.1}));
    }

    void toggleMark_data()
    {
        QTest::addColumn<QString>("triggers");   // F face, C cover, K key
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<int>("rises");      // a face click that takes a mark back rises in Slow

        QTest::newRow("face marks") << "F" << false << true << 0;
        QTest::newRow("face then cover unmarks in place") << "FC" << true << false << 0;
        QTest::newRow("face twice rises") << "FF" << true << false << 1;
        QTest::newRow("cover marks") << "C" << false << true << 0;
        QTest::newRow("key twice never rises") << "KK" << true << false << 0;
        QTest::newRow("key then face rises") << "KF" << true << false << 1;
    }

    void toggleMark()
    {
        QFETCH(QString, triggers);
        Fixture f;
        f.settings.setSlow(true);
        f.deal("2D 3H 4C 5S 6D");
        for (QChar trigger : triggers) {
            f.table.toggleMark(2, trigger == u'F'   ? Table::Trigger::Face
                                  : trigger == u'C' ? Table::Trigger::Cover
                                                    : Table::Trigger::Key);
        }
        QTEST(f.table.KeepCard(2), "kept");
        QTEST(f.table.faceDown(2), "covered");
        QTEST(int(f.view.rises.size()), "rises");
        for (int other : {1, 3, 4, 5})
            QVERIFY(f.table.KeepCard(other));
    }

    void marksAreIgnoredOutsideTheDraw()
    {
        Fixture f;
        f.table.toggleMark(1, Table::Trigger::Face);   // new deck: nothing dealt yet
        QVERIFY(!f.table.KeepCard(1));
        QVERIFY(f.table.faceDown(1));
        f.deal("2D 3H 4C 5S 6D");
        f.table.DealCards();
        f.table.toggleMark(1, Table::Trigger::Key);    // round complete
        QVERIFY(f.table.KeepCard(1));
        QVERIFY(!f.table.faceDown(1));
    }
};

QTEST_GUILESS_MAIN(TableTest)
#include "test_table.moc"
