#include "support/test_game.h"
#include "ui/game_tab.h"
#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>

namespace {

// Each top a control moves to.
class MovedTops : public QObject {
public:
    explicit MovedTops(QWidget *control) : m_control(control) { control->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_control && event->type() == QEvent::Move)
            tops.push_back(m_control->y());
        return false;
    }
    std::vector<int> tops;

private:
    QWidget *m_control;
};

} // namespace

// Rounds played through the real widgets, found by name, on a fake clock and scripted cards.
class RoundTest : public QObject {
    Q_OBJECT

    static bool choicesEnabled(const TestGame &t)
    {
        bool all = true;
        for (int k = 1; k <= 6; ++k)
            all = all && t.find(member("SSOption2", k))->isEnabled();
        return all;
    }
    static bool choicesDisabled(const TestGame &t)
    {
        for (int k = 1; k <= 6; ++k)
            if (t.find(member("SSOption2", k))->isEnabled())
                return false;
        return true;
    }
    static QTimer *blinkTimer(const TestGame &t) { return t.find<QTimer>(QStringLiteral("Timer1")); }
    static bool covered(const TestGame &t, int position)
    {
        return t.find(member("Image2", position - 1))->isVisibleTo(&t.window());
    }

private slots:
    void newGameState()
    {
        TestGame t;
        QVERIFY(t.bet()->isEnabled());
        QVERIFY(!t.deal()->isEnabled());
        QVERIFY(choicesEnabled(t));
        QVERIFY(t.find<QRadioButton>(member("SSOption2", 1))->isChecked());
        QCOMPARE(t.text("Label7"), QStringLiteral("100"));
        QCOMPARE(t.text("Label6"), QStringLiteral("0"));
        QCOMPARE(t.text("Label4"), QString());
        QVERIFY(!blinkTimer(t)->isActive());
        for (int p = 1; p <= 5; ++p) {
            QVERIFY(covered(t, p));
            QCOMPARE(t.find<PictureBox>(member("Image1", p - 1))->picture(), Picture::of(Picture::Kind::CardBack));
        }
    }

    void betThenDrawFollowTheStateTable()
    {
        TestGame t;
        t.betWith("2D 5H 9C JS KD");
        QCOMPARE(t.game.table().DealPhase(), 1);
        QVERIFY(!t.bet()->isEnabled());
        QVERIFY(t.deal()->isEnabled());
        QVERIFY(t.window().focusWidget() == t.deal());
        QVERIFY(choicesDisabled(t));
        QCOMPARE(t.text("Label7"), QStringLiteral("90"));
        QCOMPARE(t.text("Label5"), QStringLiteral("10"));
        QCOMPARE(t.text("Label6"), QString());
        for (int p = 1; p <= 5; ++p)
            QVERIFY(!covered(t, p));
        QCOMPARE(t.find<PictureBox>(QStringLiteral("Image1(3)"))->picture(), Picture::card(card(u"JS")));

        t.drawWith({}, "");
        QCOMPARE(t.game.table().DealPhase(), 0);
        QVERIFY(t.bet()->isEnabled());
        QVERIFY(!t.deal()->isEnabled());
        QVERIFY(t.window().focusWidget() == t.bet());
        QVERIFY(choicesEnabled(t));
        QCOMPARE(t.text("Label7"), QStringLiteral("90"));
        QCOMPARE(t.text("Label6"), QStringLiteral("0"));
        QCOMPARE(t.game.statistics().turnCount(), 1);
    }

    void payingDealtHandBlinksButPaysOnlyAtTheDraw()
    {
        TestGame t;
        t.betWith("JH JS 2C 7D 9S");
        QCOMPARE(t.text("Label4"), QStringLiteral("One Pair  >>"));
        QVERIFY(blinkTimer(t)->isActive());
        QCOMPARE(blinkTimer(t)->interval(), 250);
        QCOMPARE(t.text("Label7"), QStringLiteral("90"));
        QCOMPARE(t.game.statistics().total(0), 0);

        t.drawWith({});
        QCOMPARE(t.text("Label7"), QStringLiteral("100"));
        QCOMPARE(t.text("Label6"), QStringLiteral("10"));
        QCOMPARE(t.game.statistics().current(0), 1);
        QCOMPARE(t.game.statistics().total(0), 1);
        QVERIFY(blinkTimer(t)->isActive());

        // The next bet stops the blinking and clears the name before the new deal.
        t.betWith("2D 5H 9C JS KD");
        QVERIFY(!blinkTimer(t)->isActive());
        QCOMPARE(t.text("Label4"), QString());
    }

    void lostPayingHandStopsBlinking()
    {
        TestGame t;
        t.betWith("JH JS 2C 7D 9S");
        t.drawWith({1}, "3D");
        QCOMPARE(t.text("Label4"), QString());
        QVERIFY(!blinkTimer(t)->isActive());
        QCOMPARE(t.text("Label6"), QStringLiteral("0"));
        for (int k = 0; k < 9; ++k)
            QCOMPARE(t.game.statistics().total(k), 0);
    }

    void blinkTogglesTheHandName()
    {
        TestGame t;
        t.betWith("JH JS 2C 7D 9S");
        QLabel *name = t.find<QLabel>(QStringLiteral("Label4"));
        const bool before = name->isVisibleTo(&t.window());
        QTest::qWait(300);
        QCOMPARE(name->isVisibleTo(&t.window()), !before);
    }

    void stakeIsTakenWhateverTheBalance_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("stake");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("royalWin");
        QTest::newRow("10") << 1 << "10" << "90" << "10000";
        QTest::newRow("40") << 4 << "40" << "60" << "40000";
        QTest::newRow("100") << 5 << "100" << "0" << "100000";
        QTest::newRow("200 goes below zero") << 6 << "200" << "-100" << "200000";
    }

    void stakeIsTakenWhateverTheBalance()
    {
        QFETCH(int, option);
        TestGame t;
        QTest::mouseClick(t.find(member("SSOption2", option)), Qt::LeftButton);
        t.betWith("AD 2C 4H 6S 9D");
        QTEST(t.text("Label5"), "stake");
        QTEST(t.text("Label7"), "balance");
        t.drawWith({1, 2, 3, 4, 5}, "10H JH QH KH AH");
        QTEST(t.text("Label6"), "royalWin");
        QCOMPARE(t.text("Label4"), QStringLiteral("Royal flush  >>"));
        QCOMPARE(t.game.statistics().total(8), 1);
    }

    void betChoiceChangedAfterTheDrawAppliesToTheNextBet()
    {
        TestGame t;
        t.betWith("2D 5H 9C JS KD");
        t.drawWith({});
        QTest::mouseClick(t.find(member("SSOption2", 2)), Qt::LeftButton);
        QCOMPARE(t.text("Label5"), QStringLiteral("10"));
        t.betWith("2D 5H 9C JS KD");
        QCOMPARE(t.text("Label5"), QStringLiteral("20"));
    }

    void cardClicksOutsideTheDrawChangeNothing()
    {
        TestGame t;
        t.betWith("2D 5H 9C JS KD");
        t.drawWith({});
        t.clickFace(2);
        QVERIFY(!covered(t, 2));
        QTest::mouseClick(t.find(QStringLiteral("Image1(5)")), Qt::LeftButton);
        QVERIFY(t.game.table().KeepCard(2));
    }

    // In Slow a drawn card rises from 900 twips below the row in 28 steps of 11 (a move where
    // the step reaches another pixel), shows its top edge for the pause, then stands in the row.
    void slowDrawRisesEachCardFromBehindTheFrame()
    {
        TestGame t;
        t.game.settings().setSlow(true);
        t.betWith("2D 3H 4C 5S 6D");
        QWidget *face = t.find(QStringLiteral("Image1(0)"));
        MovedTops moved(face);
        std::vector<int> atPause;
        t.clock.duringWait = [&] {
            if (atPause.empty())
                atPause = moved.tops;
        };
        t.drawWith({1}, "7D");
        std::vector<int> climb;
        for (int step = 1; step <= 28; ++step) {
            const int top = px(1200 + 900 - 11 * step);
            if (climb.empty() || climb.back() != top)
                climb.push_back(top);
        }
        QCOMPARE(atPause, climb);
        QCOMPARE(climb.back(), px(1200 + 592));
        QCOMPARE(t.clock.waits, (std::vector<double>{0.1, 0.1, 0.1, 0.1, 0.1, 1.3, 0.1}));
        QCOMPARE(moved.tops.back(), px(1200));
        QCOMPARE(face->y(), px(1200));
    }

    void inputDuringADealIsDeferredNotDropped()
    {
        TestGame t;
        // A click on card 1 made while the bet's cards are dealt is acted upon after the deal,
        // in the phase then current: it marks card 1.
        bool clicked = false;
        t.clock.duringWait = [&] {
            if (!clicked) {
                clicked = true;
                t.clickFace(1);
                QVERIFY(t.game.gate().isBusy());
            }
        };
        t.betWith("2D 5H 9C JS KD");
        t.clock.duringWait = nullptr;
        QVERIFY(!t.game.table().KeepCard(1));
        QVERIFY(covered(t, 1));

        // Clicks made during the draw reach a complete round: they change nothing.
        t.clock.duringWait = [&] { t.clickFace(3); };
        t.drawWith({}, "7H");
        QVERIFY(!covered(t, 3));
        QCOMPARE(t.game.table().DealPhase(), 0);
    }

    // Each press acts once, in a phase where its button is enabled: a late click (an access key's
    // delayed click during the draw) or a stray call does nothing.
    void buttonsActOnlyInTheirPhases()
    {
        TestGame t;
        GameTab *tab = t.game.mainWindow().gameTab();
        emit tab->dealPressed();
        QCOMPARE(t.game.table().DealPhase(), 2);
        t.betWith("2D 5H 9C JS KD");
        const qint64 staked = t.game.money().balance();
        emit tab->betPressed();
        QCOMPARE(t.game.money().balance(), staked);
        t.clock.duringWait = [&] { t.deal()->click(); };
        t.drawWith({1}, "JH");
        t.clock.duringWait = nullptr;
        const qint64 paid = t.game.money().balance();
        emit tab->dealPressed();
        QCOMPARE(t.game.money().balance(), paid);
        QCOMPARE(t.game.statistics().turnCount(), 1);
        QCOMPARE(t.game.statistics().total(0), 1);
    }

    // A click is a press and a release over the same card.
    void aCardTogglesOnTheReleaseOverIt()
    {
        TestGame t;
        t.betWith("2D 5H 9C JS KD");
        QWidget *face = t.find(QStringLiteral("Image1(1)"));
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!covered(t, 2));
        QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(10, -40));   // dragged off
        QVERIFY(!covered(t, 2));
        t.clickFace(2);
        QVERIFY(covered(t, 2));
        // A second quick click comes as a double click, and counts as a click.
        QWidget *cover = t.find(QStringLiteral("Image2(1)"));
        const QPointF at(10, 10);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, cover->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, at, cover->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, {});
        QCoreApplication::sendEvent(cover, &second);
        QCoreApplication::sendEvent(cover, &release);
        QVERIFY(!covered(t, 2));
    }

    void deferredInputKeepsItsOrder()
    {
        TestGame t;
        int waits = 0;
        t.clock.duringWait = [&] {
            if (++waits == 1) {
                t.clickFace(2);   // mark
                t.clickCover(2);  // unmark
                t.clickFace(4);   // mark
            }
        };
        t.betWith("2D 5H 9C JS KD");
        QVERIFY(t.game.table().KeepCard(2));
        QVERIFY(!t.game.table().KeepCard(4));
    }

    void everyRoundChangesTheBalanceByWinMinusStake()
    {
        TestGame t;
        t.random = ScriptedRandom(7);
        for (int round = 0; round < 300; ++round) {
            QTest::mouseClick(t.find(member("SSOption2", 1 + round % 6)), Qt::LeftButton);
            const qint64 before = t.game.money().balance();
            qint64 countedBefore = 0;
            for (int k = 0; k < 9; ++k)
                countedBefore += t.game.statistics().total(k);
            QTest::mouseClick(t.bet(), Qt::LeftButton);
            for (int p = 1; p <= 5; ++p)
                if ((round >> p) & 1)
                    t.clickFace(p);
            QTest::mouseClick(t.deal(), Qt::LeftButton);
            const qint64 stake = t.text("Label5").toLongLong();
            const qint64 win = t.text("Label6").toLongLong();
            QCOMPARE(t.game.money().balance(), before - stake + win);
            QCOMPARE(t.text("Label7").toLongLong(), t.game.money().balance());
            qint64 countedAfter = 0;
            for (int k = 0; k < 9; ++k)
                countedAfter += t.game.statistics().total(k);
            QCOMPARE(countedAfter - countedBefore, win > 0 ? 1 : 0);
        }
        QCOMPARE(t.game.statistics().turnCount(), 300);
    }
};

QTEST_MAIN(RoundTest)
#include "test_round.moc"
