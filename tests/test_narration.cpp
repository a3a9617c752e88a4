#include "support/card_notation.h"
#include "ui/round_narration.h"

#include <QTest>

Q_DECLARE_METATYPE(narration::Event)

namespace {

// A table in card notation, a card followed by * where its back lies over it, "--" where only the
// back shows: "JH JS 2C* 7D --".
TableSnapshot table(const char *cards, qint64 stake, qint64 win, qint64 balance)
{
    TableSnapshot shown;
    const QStringList places = QString::fromLatin1(cards).split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < kPositions; ++i) {
        QString place = places.at(i);
        shown.faceDown[i] = place.endsWith(u'*') || place == QStringLiteral("--");
        if (place != QStringLiteral("--"))
            shown.cards[i] = card(place.remove(u'*'));
    }
    shown.phase = RoundPhase::Draw;
    shown.stake = stake;
    if (win >= 0)
        shown.win = win;
    shown.balance = balance;
    return shown;
}

} // namespace

// What one event of the round gives a screen reader: whether the table is described anew, how,
// and the news for the focused button.
class NarrationTest : public QObject {
    Q_OBJECT
private slots:
    void eachEventTellsOnce_data()
    {
        using narration::Event;
        QTest::addColumn<Event>("event");
        QTest::addColumn<int>("position");
        QTest::addColumn<TableSnapshot>("shown");
        QTest::addColumn<bool>("describes");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("news");
        const QString dealt = "Jack of hearts, Jack of spades, 2 of clubs, 7 of diamonds, 9 of spades. Bet 10. Balance 90.";
        QTest::newRow("new game") << Event::NewGame << 0 << table("-- -- -- -- --", 0, 0, 100) << true
                                  << "New game. Balance 100, stake 20." << "New game. Balance 100, stake 20.";
        QTest::newRow("stake chosen") << Event::StakeChosen << 0 << table("-- -- -- -- --", 0, 0, 100) << true
                                      << "New game. Balance 100, stake 20." << "";
        QTest::newRow("bet placed: mid-deal, not told") << Event::BetPlaced << 0 << table("-- -- -- -- --", 10, -1, 90)
                                                        << false << "New game. Balance 90, stake 20." << "";
        QTest::newRow("a card dealt: not told") << Event::Dealt << 2 << table("JH JS -- -- --", 10, -1, 90) << false
                                                << "Jack of hearts, Jack of spades. Bet 10. Balance 90." << "";
        QTest::newRow("a card rising: not told") << Event::Rising << 3 << table("JH JS 2C 7D 9S", 10, -1, 90) << false
                                                 << dealt << "";
        QTest::newRow("hand dealt") << Event::HandDealt << 0 << table("JH JS 2C 7D 9S", 10, -1, 90) << true << dealt << "";
        QTest::newRow("marked") << Event::Marked << 3 << table("JH JS 2C* 7D 9S", 10, -1, 90) << true
                                << "Jack of hearts, Jack of spades, 2 of clubs, to be exchanged, 7 of diamonds, 9 of spades. Bet 10. Balance 90."
                                << "2 of clubs, to be exchanged";
        QTest::newRow("mark taken back") << Event::Marked << 3 << table("JH JS 2C 7D 9S", 10, -1, 90) << true << dealt
                                         << "2 of clubs, kept";
        QTest::newRow("paid nothing") << Event::Paid << 0 << table("JH 3S 2C 7D 9S", 10, 0, 90) << true
                                      << "Jack of hearts, 3 of spades, 2 of clubs, 7 of diamonds, 9 of spades. This hand pays nothing. Bet 10. Won 0, balance 90."
                                      << "";
    }

    void eachEventTellsOnce()
    {
        QFETCH(narration::Event, event);
        QFETCH(int, position);
        QFETCH(TableSnapshot, shown);
        const qint64 chosenStake = 20;
        QTEST(narration::describes(event), "describes");
        QTEST(narration::tableDescription(shown, chosenStake), "description");
        QTEST(narration::news(event, position, shown, chosenStake), "news");
    }

    // Each face: its card with its mark, and its state; no name of its own while the back shows.
    void facesTellTheirCardAndState_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("state");
        QTest::newRow("not dealt") << "--" << "" << "no card dealt";
        QTest::newRow("face up") << "QH" << "Queen of hearts" << "face up";
        QTest::newRow("marked") << "QH*" << "Queen of hearts, to be exchanged" << "face down, will be exchanged";
    }

    void facesTellTheirCardAndState()
    {
        QFETCH(QString, place);
        const TableSnapshot shown = table(qPrintable(place + QStringLiteral(" -- -- -- --")), 10, -1, 90);
        QTEST(narration::faceName(shown, 1), "name");
        QTEST(narration::faceState(shown, 1), "state");
    }
};

QTEST_GUILESS_MAIN(NarrationTest)
#include "test_narration.moc"
