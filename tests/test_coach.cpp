#include "app/coach.h"
#include "support/test_game.h"
#include "ui/coach_window.h"
#include "ui/picture_box.h"

#include <QTest>

class TestCoach : public QObject {
    Q_OBJECT
private slots:
    void speaksOnlyAfterTheDraw_data();
    void speaksOnlyAfterTheDraw();
};

void TestCoach::speaksOnlyAfterTheDraw_data()
{
    QTest::addColumn<QList<int>>("exchanged");
    QTest::addColumn<QString>("replacements");
    QTest::addColumn<QString>("yourHold");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("playedBest");
    // Four to the royal are worth far more than the paying pair of kings.
    QTest::newRow("kept the pair") << QList<int>{1, 2, 3} << "2C 3D 4S"
                                   << "Your hold: KH KS, 20.09 credits on average"
                                   << "Gave up 319.06 credits on average" << "Played best: 0.0 %";
    QTest::newRow("drew to the royal") << QList<int>{5} << "2C"
                                       << "Your hold: 10H JH QH KH, 339.15 credits on average"
                                       << "Best play" << "Played best: 100.0 %";
}

void TestCoach::speaksOnlyAfterTheDraw()
{
    QFETCH(QList<int>, exchanged);
    QFETCH(QString, replacements);
    QFETCH(QString, yourHold);
    QFETCH(QString, verdict);
    QFETCH(QString, playedBest);
    TestGame test;
    auto *coach = new Coach(test.game);
    test.betWith("TH JH QH KH KS");
    QVERIFY(!coach->window());

    for (int position : exchanged)
        test.clickFace(position);
    for (const QString &text : replacements.split(u' '))
        test.random.scriptCard(card(text));
    QTest::mouseClick(test.deal(), Qt::LeftButton);

    CoachWindow *window = coach->window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Coach"));
    auto line = [window](const char *name) { return window->findChild<QLabel *>(QLatin1String(name))->text(); };
    QCOMPARE(line("CoachYourHold"), yourHold);
    QCOMPARE(line("CoachBestHold"), QStringLiteral("Best hold: 10H JH QH KH, 339.15 credits on average"));
    QCOMPARE(line("CoachVerdict"), verdict);
    QCOMPARE(line("CoachHandsPlayed"), QStringLiteral("Hands played: 1"));
    QCOMPARE(line("CoachPlayedBest"), playedBest);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("CoachVerdict"))->accessibleName(), verdict);
    const Hand dealt = hand("TH JH QH KH KS");
    for (int i = 0; i < kPositions; ++i) {
        const PictureBox *shown = window->findChild<PictureBox *>(QStringLiteral("CoachCard%1").arg(i + 1));
        QCOMPARE(shown->picture(), Picture::card(dealt[i]));
        QCOMPARE(shown->size(), shown->picture().size());
    }
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("CoachKept4"))->accessibleName(),
             QStringLiteral("King of hearts, kept"));
}

QTEST_MAIN(TestCoach)
#include "test_coach.moc"
