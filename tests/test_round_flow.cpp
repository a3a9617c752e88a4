#include "core/money.h"
#include "core/payoff.h"
#include "core/round.h"
#include "core/round_view.h"
#include "records/settings.h"
#include "records/statistics.h"
#include "support/card_notation.h"
#include "support/fake_clock.h"
#include "support/scripted_random.h"

#include <QTest>

namespace {

// Writes down each event the round tells, "dealt 3", "rising 1", and keeps the last snapshot.
class RecordingView : public RoundView {
public:
    void newGame(const TableSnapshot &table) override { note(QStringLiteral("newGame"), table); }
    void betPlaced(const TableSnapshot &table) override { note(QStringLiteral("betPlaced"), table); }
    void dealt(int p, const TableSnapshot &table) override { note(QStringLiteral("dealt %1").arg(p), table); }
    void rising(int p, const TableSnapshot &table) override { note(QStringLiteral("rising %1").arg(p), table); }
    void marked(int p, const TableSnapshot &table) override { note(QStringLiteral("marked %1").arg(p), table); }
    void handDealt(const TableSnapshot &table) override { note(QStringLiteral("handDealt"), table); }
    void paid(const TableSnapshot &table) override { note(QStringLiteral("paid"), table); }

    QStringList events;
    TableSnapshot last;

private:
    void note(const QString &event, const TableSnapshot &table)
    {
        events << event;
        last = table;
    }
};

struct Fixture {
    Fixture() { round.NewGame(100); }

    RecordingView view;
    FakeClock clock;
    ScriptedRandom random;
    Settings settings;
    Payoff payoff;
    Money money;
    Statistics statistics;
    Round round{payoff, money, statistics, view, clock, random, settings};
};

QString categoryText(std::optional<Category> category)
{
    return category ? categoryName(*category) : QStringLiteral("-");
}

} // namespace

// The round's rules without a widget: what it tells its view, in which order, with which
// snapshot, and where it pauses.
class RoundFlowTest : public QObject {
    Q_OBJECT
private slots:
    void aRoundTellsItsSteps_data()
    {
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<QString>("drawn");       // the replacements
        QTest::addColumn<bool>("slow");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("events");      // after the bet's deal
        QTest::addColumn<QString>("dealtHand");   // the category named after the deal
        QTest::addColumn<QString>("finalHand");
        QTest::addColumn<qint64>("balance");
        QTest::addColumn<std::vector<double>>("pauses");   // of the draw
        const std::vector<double> none;
        QTest::newRow("pair of jacks kept, pays one stake")
            << "JH JS 2C 7D 9S" << QList<int>{3, 4, 5} << "3C 8D KS" << false << 1
            << "marked 3,marked 4,marked 5,dealt 3,dealt 4,dealt 5,paid" << "One Pair" << "One Pair" << qint64(100)
            << std::vector<double>{0.1, 0.1, 0.1};
        QTest::newRow("nothing kept, nothing made, at 100")
            << "2D 5H 9C JS KD" << QList<int>{1, 2, 3, 4, 5} << "3C 8D 4S 6H 10C" << false << 5
            << "marked 1,marked 2,marked 3,marked 4,marked 5,dealt 1,dealt 2,dealt 3,dealt 4,dealt 5,paid" << "-"
            << "-" << qint64(0) << std::vector<double>(5, 0.1);
        QTest::newRow("slow: each drawn card rises, then pauses")
            << "JH JS 2C 7D 9S" << QList<int>{3} << "JD" << true << 2
            << "marked 3,rising 3,dealt 3,paid" << "One Pair" << "Three of a kind" << qint64(100 - 20 + 60)
            << std::vector<double>{1.3, 0.1};
        QTest::newRow("all kept: nothing dealt, paid at once")
            << "TH JH QH KH AH" << QList<int>{} << "" << false << 6 << "paid" << "Royal flush" << "Royal flush"
            << qint64(100 - 200 + 200 * 1000) << none;
    }

    void aRoundTellsItsSteps()
    {
        QFETCH(QString, dealt);
        QFETCH(QList<int>, marked);
        QFETCH(QString, drawn);
        QFETCH(bool, slow);
        QFETCH(int, option);
        Fixture f;
        f.settings.setSlow(slow);
        f.payoff.ChooseBet(option);
        f.random.scriptHand(hand(qPrintable(dealt)));
        QVERIFY(f.round.PlaceBet());
        QCOMPARE(f.view.events.join(u','),
                 QStringLiteral("newGame,betPlaced,dealt 1,dealt 2,dealt 3,dealt 4,dealt 5,handDealt"));
        QCOMPARE(f.clock.waits, std::vector<double>(5, 0.1));   // the bet's cards never rise
        QCOMPARE(f.view.last.phase, RoundPhase::Draw);
        QTEST(categoryText(f.view.last.category), "dealtHand");
        QCOMPARE(f.view.last.stake, Payoff::stakeForOption(option));
        QCOMPARE(f.view.last.win, std::optional<qint64>());
        QVERIFY2(!f.round.PlaceBet(), "a second bet in the draw phase");

        f.view.events.clear();
        f.clock.waits.clear();
        for (int position : marked)
            f.round.toggleMark(position, Table::Trigger::Key);
        for (int position : marked)
            QVERIFY(f.view.last.faceDown[position - 1]);
        for (const QString &text : drawn.split(u' ', Qt::SkipEmptyParts))
            f.random.scriptCard(card(text));
        QVERIFY2(!f.round.DrawAndPay([] { return false; }), "drew though the check said no");
        QVERIFY(f.round.DrawAndPay([] { return true; }));
        QTEST(f.view.events.join(u','), "events");
        QTEST(f.clock.waits, "pauses");
        QCOMPARE(f.view.last.phase, RoundPhase::Bet);
        QTEST(categoryText(f.view.last.category), "finalHand");
        QCOMPARE(f.view.last.handPays, f.view.last.category.has_value());
        QCOMPARE(f.view.last.faceDown, (std::array<bool, kPositions>{}));
        QTEST(f.view.last.balance, "balance");
        QCOMPARE(f.view.last.win, std::optional<qint64>(f.view.last.balance - 100 + f.view.last.stake));
        QCOMPARE(f.statistics.turnCount(), qint64(1));
        QVERIFY2(!f.round.DrawAndPay(), "a second draw after the payout");
    }
};

QTEST_GUILESS_MAIN(RoundFlowTest)
#include "test_round_flow.moc"
