#include "core/payoff.h"
#include "core/random_source.h"
#include "ui/controls.h"
#include "ui/help_tab.h"
#include "ui/payoff_tab.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <random>

namespace {

// Plays back draws written as "k/n" (the value that makes below(n) return k); once they are
// used up it goes on with a fixed-seed sequence, so a failure can be replayed.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(const QString &script = {})
    {
        for (const QString &draw : script.split(u' ', Qt::SkipEmptyParts))
            m_script.append((draw.section(u'/', 0, 0).toDouble() + 0.5)
                            / draw.section(u'/', 1).toDouble());
    }
    double next() override
    {
        return m_script.isEmpty() ? std::uniform_real_distribution<double>()(m_engine)
                                  : m_script.takeFirst();
    }
    void reseed() override {}
    qsizetype unused() const { return m_script.size(); }

private:
    QList<double> m_script;
    std::mt19937 m_engine{20240611};
};

PictureBox *place(const QWidget &tab, int p)   // p = 1..5
{
    return tab.findChild<PictureBox *>(member("Image2", 4 + p));
}

void click(const QWidget &tab, const QString &name)
{
    auto *button = tab.findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The five places in card notation, "--" for the card back.
QString shown(const QWidget &tab)
{
    QStringList cards;
    for (int p = 1; p <= kPositions; ++p) {
        const Picture &picture = place(tab, p)->picture();
        const Card c = picture.cardShown();
        cards << (picture.kind() == Picture::Kind::CardBack   ? QStringLiteral("--")
                  : picture.kind() == Picture::Kind::CardFace ? rankText(c.rank) + "DHCS"[c.suit]
                                                              : QStringLiteral("??"));
    }
    return cards.join(u' ');
}

} // namespace

class TestHelpPayoff : public QObject {
    Q_OBJECT

private slots:
    void payoffAmounts_data()
    {
        QTest::addColumn<QString>("clicks");   // SSOption1 indexes, in order
        QTest::addColumn<QString>("amounts");  // Label8(0..7)

        QTest::newRow("before any click")  << "" << "20 30 50 80 350 1000 5000 10000";
        QTest::newRow("200")               << "20" << "400 600 1000 1600 7000 20000 100000 200000";
        QTest::newRow("200 twice")         << "20 20" << "400 600 1000 1600 7000 20000 100000 200000";
        QTest::newRow("200 then 10 again") << "20 1" << "20 30 50 80 350 1000 5000 10000";
    }

    void payoffAmounts()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, amounts);
        const Payoff payoff;
        PayoffTab tab(payoff, nullptr);

        QVERIFY(tab.findChild<QRadioButton *>("SSOption1(1)")->isChecked());
        for (const QString &units : clicks.split(u' ', Qt::SkipEmptyParts))
            click(tab, "SSOption1(" + units + ")");
        QStringList texts;
        for (int i = 0; i < 8; ++i) {
            const auto *amount = tab.findChild<QLabel *>(member("Label8", i));
            const auto *name = tab.findChild<QLabel *>(member("Label8", i + 8));
            QCOMPARE(amount->y(), name->y());
            texts << amount->text();
        }
        QCOMPARE(texts.join(u' '), amounts);
    }

    void exampleFollowsDrawOrder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("draws");

        QTest::newRow("one pair, suits redrawn") << "Command1" << "AC AH -- -- --"
                                                 << "2/4 2/4  2/4 1/4  3/4";
        QTest::newRow("two pair, r2 redrawn") << "Command2" << "7H 7S 9D 9C --"
                                              << "1/4 3/4  5/13  2/4 2/4  0/4 2/4  5/13 7/13";
        QTest::newRow("three suits all redrawn") << "Command3" << "AS AH AC -- --"
                                                 << "0/4 1/4 0/4  3/4 1/4 2/4  12/13";
        QTest::newRow("straight, low rank first") << "Command5" << "10D JH QC KS AD"
                                                  << "8/9  0/4 1/4 2/4 3/4 0/4";
        QTest::newRow("flush skips used ranks")
            << "Command4" << "2S AS 3S 7S 8S" << "3/4  0/13 0/13 12/13 1/13 0/13 12/13 5/13 6/13";
        QTest::newRow("full house, r2 redrawn") << "Command7" << "JD JS 5H 5C 5S"
                                                << "0/4 3/4  0/4  1/4 1/4 2/4  1/4 2/4 3/4  9/13 3/13";
        QTest::newRow("four of a kind") << "Command8" << "KD KH KC KS --" << "11/13";
        QTest::newRow("straight flush, highest") << "Command6" << "9H 10H JH QH KH" << "7/8  1/4";
        QTest::newRow("royal flush") << "Command9" << "10C JC QC KC AC" << "2/4";
    }

    void exampleFollowsDrawOrder()
    {
        QFETCH(QString, button);
        QFETCH(QString, expected);
        QFETCH(QString, draws);
        ScriptedRandom random(draws);
        HelpTab tab(random, nullptr);

        click(tab, button);
        QCOMPARE(shown(tab), expected);
        QCOMPARE(random.unused(), 0);
    }

    // A category's shape, per place: equal letters hold equal ranks in pairwise different suits,
    // different letters different ranks, "-" the card back; "+" marks a run (place p holds the
    // first rank + p - 1), "=" one suit throughout.
    void exampleKeepsItsRule_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("suits");   // fixed suits, if any
        QTest::addColumn<int>("lowest");      // the first place's rank ranges exactly over these
        QTest::addColumn<int>("highest");

        QTest::newRow("one pair")        << "Command1" << "aa---"   << "" << 11 << 14;
        QTest::newRow("two pair")        << "Command2" << "aabb-"   << "" << 2 << 14;
        QTest::newRow("three of a kind") << "Command3" << "aaa--"   << "" << 2 << 14;
        QTest::newRow("straight")        << "Command5" << "abcde+"  << "" << 2 << 10;
        QTest::newRow("flush")           << "Command4" << "abcde="  << "" << 2 << 14;
        QTest::newRow("full house")      << "Command7" << "aabbb"   << "" << 11 << 14;
        QTest::newRow("four of a kind")  << "Command8" << "aaaa-"   << "DHCS" << 2 << 14;
        QTest::newRow("straight flush")  << "Command6" << "abcde+=" << "" << 2 << 9;
        QTest::newRow("royal flush")     << "Command9" << "abcde+=" << "" << 10 << 10;
    }

    void exampleKeepsItsRule()
    {
        QFETCH(QString, button);
        QFETCH(QString, shape);
        QFETCH(QString, suits);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        ScriptedRandom random;
        HelpTab tab(random, nullptr);
        int seenLowest = kAce;
        int seenHighest = kLowestRank;

        for (int round = 0; round < 1500; ++round) {
            click(tab, "Command9");   // a full hand first: nothing of it may be left over
            click(tab, button);
            const QString cards = shown(tab);
            const QByteArray failureText = cards.toUtf8();
            const char *failure = failureText.constData();
            const auto cardAt = [&](int p) { return place(tab, p + 1)->picture().cardShown(); };
            for (int p = 0; p < kPositions; ++p) {
                const bool faceUp = place(tab, p + 1)->picture().kind() == Picture::Kind::CardFace;
                QVERIFY2(faceUp == (shape[p] != u'-'), failure);
                if (!faceUp)
                    continue;
                const Card c = cardAt(p);
                for (int q = 0; q < p; ++q) {
                    const bool sameGroup = shape[p] == shape[q];
                    QVERIFY2((c.rank == cardAt(q).rank) == sameGroup, failure);
                    QVERIFY2(!sameGroup || c.suit != cardAt(q).suit, failure);
                }
                QVERIFY2(!shape.contains(u'+') || c.rank == cardAt(0).rank + p, failure);
                QVERIFY2(!shape.contains(u'=') || c.suit == cardAt(0).suit, failure);
                QVERIFY2(suits.isEmpty() || cards.section(u' ', p, p).endsWith(suits[p]), failure);
            }
            seenLowest = std::min(seenLowest, cardAt(0).rank);
            seenHighest = std::max(seenHighest, cardAt(0).rank);
        }
        QCOMPARE(seenLowest, lowest);
        QCOMPARE(seenHighest, highest);
    }

    void topicStaysThroughExamples()
    {
        ScriptedRandom random;
        HelpTab tab(random, nullptr);
        const auto *image4 = tab.findChild<PictureBox *>("Image4");
        QCOMPARE(image4->picture().kind(), Picture::Kind::HelpStart);
        using enum Picture::Kind;
        for (const auto &[button, topic] : {std::pair{"Command11", HowToPlayText},
                                            {"Command12", StatsText},
                                            {"Command10", KeyboardText},
                                            {"Command13", AuthorText}}) {
            click(tab, button);
            click(tab, "Command1");
            click(tab, "Command9");
            QCOMPARE(image4->picture(), Picture::of(topic));
            const QRect expected(QPoint(px(1920), px(3120)), Picture::of(topic).size());
            QCOMPARE(image4->geometry(), expected);
        }
    }

    void exampleCardsIgnoreClicks()
    {
        ScriptedRandom random;
        HelpTab tab(random, nullptr);
        tab.show();
        QCOMPARE(shown(tab), QStringLiteral("-- -- -- -- --"));
        for (const QString &deal : {QString(), QStringLiteral("Command2")}) {
            if (!deal.isEmpty())
                click(tab, deal);
            const QString before = shown(tab);
            for (int p = 1; p <= kPositions; ++p) {
                // Each place lies above its left neighbour, so its own rank corner stays visible.
                PictureBox *box = place(tab, p);
                const QPoint corner = box->geometry().topLeft() + QPoint(4, 20);
                QCOMPARE(tab.childAt(corner), box);
                QTest::mouseClick(box, Qt::LeftButton, {}, box->mapFrom(&tab, corner));
            }
            QCOMPARE(shown(tab), before);
            const auto *image4 = tab.findChild<PictureBox *>("Image4");
            QCOMPARE(image4->picture().kind(), Picture::Kind::HelpStart);
        }
    }
};

QTEST_MAIN(TestHelpPayoff)
#include "test_help_payoff.moc"
