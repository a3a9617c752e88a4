#include "app/coach.h"
#include "app/coach_training.h"
#include "core/coach_verdict.h"
#include "core/hold_analysis.h"
#include "records/coach_file.h"
#include "support/file_bytes.h"
#include "support/test_game.h"
#include "ui/coach_placement.h"
#include "ui/coach_window.h"
#include "ui/game_tab.h"
#include "ui/picture_box.h"
#include "ui/practice_page.h"
#include "ui/table_in_sight.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// Answers the coach's warning, if one opens, with the button named; keeps what it said.
struct WarningAnswer {
    explicit WarningAnswer(const QString &button)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            said = box->text();
            box->findChild<QAbstractButton *>(button)->click();
        });
        timer.start();
    }
    QTimer timer;
    QString said;
};

// Where a frame lies against the main window's.
QString sideOf(const QRect &placed, const QRect &mainFrame)
{
    return placed.intersects(mainFrame)          ? "over"
           : placed.left() > mainFrame.right()   ? "right"
           : placed.right() < mainFrame.left()   ? "left"
                                                 : "below";
}

QString line(CoachWindow *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

class TestCoach : public QObject {
    Q_OBJECT
private slots:
    void speaksOnlyAfterTheDraw_data();
    void speaksOnlyAfterTheDraw();
    void liesOnTheScreen_data();
    void liesOnTheScreen();
    void keepsTheTableInSight_data();
    void keepsTheTableInSight();
    void warnsBeforeADrawToAWorseHold_data();
    void warnsBeforeADrawToAWorseHold();
    void listsTheLogsMistakesLargestFirst();
    void withoutTheCoachTheLogIsNeitherReadNorWritten();
    void practisesALinePicked();
    void strategyPageInTrueTerms();
    void toldLuckFromSkill();
    void judgesAHandOnce_data();
    void judgesAHandOnce();
    void heardByEar_data();
    void heardByEar();
};

void TestCoach::speaksOnlyAfterTheDraw_data()
{
    QTest::addColumn<QList<int>>("exchanged");
    QTest::addColumn<QString>("replacements");
    QTest::addColumn<QString>("yourHold");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("playedBest");
    QTest::addColumn<QString>("reason");
    // Four to the royal are worth far more than the paying pair of kings.
    QTest::newRow("kept the pair") << QList<int>{1, 2, 3} << "2C 3D 4S"
                                   << "Your hold: K♥ K♠, 20.09 credits on average"
                                   << "Gave up 319.06 credits on average" << "Played best: 0.0 %"
                                   << "Best: keep 10♥ J♥ Q♥ K♥ — line 6, Four to a royal flush. "
                                      "You kept K♥ K♠ — line 13, High pair (jacks or better).";
    // A pair with a kicker is on no line: told by its worth against the line the hand matches.
    QTest::newRow("kept a kicker") << QList<int>{2, 3} << "2C 3D"
                                   << "Your hold: 10♥ K♥ K♠, 17.02 credits on average"
                                   << "Gave up 322.13 credits on average" << "Played best: 0.0 %"
                                   << "Best: keep 10♥ J♥ Q♥ K♥ — line 6, Four to a royal flush. "
                                      "You kept 10♥ K♥ K♠ — on no line: worth 17.02 credits, 322.13 less than line 6's hold.";
    QTest::newRow("drew to the royal") << QList<int>{5} << "2C"
                                       << "Your hold: 10♥ J♥ Q♥ K♥, 339.15 credits on average"
                                       << "Best play" << "Played best: 100.0 %"
                                       << "Best: keep 10♥ J♥ Q♥ K♥ — line 6, Four to a royal flush.";
}

void TestCoach::speaksOnlyAfterTheDraw()
{
    QFETCH(QList<int>, exchanged);
    QFETCH(QString, replacements);
    QFETCH(QString, yourHold);
    QFETCH(QString, verdict);
    QFETCH(QString, playedBest);
    QFETCH(QString, reason);
    TestGame test;
    auto *coach = new Coach(test.game);
    test.betWith("TH JH QH KH KS");
    CoachWindow *window = coach->window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(line(window, "CoachYourHold"), QStringLiteral("The coach speaks after each draw."));

    for (int position : exchanged)
        test.clickFace(position);
    for (const QString &text : replacements.split(u' '))
        test.random.scriptCard(card(text));
    QTest::mouseClick(test.deal(), Qt::LeftButton);

    QCOMPARE(window->windowTitle(), QStringLiteral("Coach"));
    QCOMPARE(line(window, "CoachHeading"), QStringLiteral("Last hand: the best hold is framed"));
    QCOMPARE(line(window, "CoachYourHold"), yourHold);
    QCOMPARE(line(window, "CoachBestHold"), QStringLiteral("Best hold: 10♥ J♥ Q♥ K♥, 339.15 credits on average"));
    QCOMPARE(line(window, "CoachVerdict"), verdict);
    QCOMPARE(line(window, "CoachReason"), reason);
    QCOMPARE(line(window, "CoachHandsPlayed"), QStringLiteral("Hands played: 1"));
    QCOMPARE(line(window, "CoachPlayedBest"), playedBest);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("CoachVerdict"))->accessibleName(), verdict);
    const Hand dealt = hand("TH JH QH KH KS");
    for (int i = 0; i < kPositions; ++i) {
        const PictureBox *shown = window->findChild<PictureBox *>(QStringLiteral("CoachCard%1").arg(i + 1));
        QCOMPARE(shown->picture(), i < 4 ? Picture::bestCard(dealt[i]) : Picture::card(dealt[i]));
        QCOMPARE(shown->size(), shown->picture().size());
    }
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("CoachKept4"))->accessibleName(),
             QStringLiteral("King of hearts, ") + (exchanged.contains(4) ? "exchanged" : "kept")
                 + ", in the best hold");

    // The next deal: the hand just told is no advice for the new cards.
    test.betWith("2C 5D 9H JS KD");
    QVERIFY(line(window, "CoachHeading").startsWith(QStringLiteral("Last hand (the hand before the one now dealt")));
}

void TestCoach::liesOnTheScreen_data()
{
    QTest::addColumn<QSize>("screen");     // device pixels
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QRect>("mainFrame");  // logical pixels, frames
    QTest::addColumn<QSize>("coachFrame");
    QTest::addColumn<QString>("side");
    const QSize coach(560, 620);
    QTest::newRow("wide screen: beside") << QSize(1920, 1080) << 1.0 << QRect(100, 100, 650, 520) << coach << "right";
    QTest::newRow("main window at the right edge: left of it")
        << QSize(1920, 1080) << 1.0 << QRect(1200, 100, 650, 520) << coach << "left";
    QTest::newRow("title bar kept on the screen") << QSize(1920, 1080) << 1.0 << QRect(100, -40, 650, 520) << coach << "right";
    QTest::newRow("tall narrow screen: below") << QSize(1080, 1920) << 1.0 << QRect(0, 0, 650, 520) << coach << "below";
    QTest::newRow("1024x768: covers the least") << QSize(1024, 768) << 1.0 << QRect(0, 0, 650, 520) << coach << "over";
    QTest::newRow("1280x1024 at scale 2") << QSize(1280, 1024) << 2.0 << QRect(0, 0, 650, 520) << coach << "over";
    QTest::newRow("1280x1024 at scale 2, coach larger than the screen")
        << QSize(1280, 1024) << 2.0 << QRect(0, 0, 650, 520) << QSize(1200, 900) << "over";
    QTest::newRow("3840x2160 at scale 2") << QSize(3840, 2160) << 2.0 << QRect(200, 150, 650, 520) << coach << "right";
}

void TestCoach::liesOnTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(qreal, scale);
    QFETCH(QRect, mainFrame);
    QFETCH(QSize, coachFrame);
    QFETCH(QString, side);
    // A panel of 30 device pixels at the top.
    const QRect available(0, int(30 / scale), int(screen.width() / scale), int((screen.height() - 30) / scale));
    const QRect placed = placeCoach(mainFrame, {coachFrame, coachFrame, coachFrame}, {}, available);
    QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y())
                                                         .arg(placed.width()).arg(placed.height())));
    QCOMPARE(placed.size(), coachFrame.boundedTo(available.size()));
    QCOMPARE(sideOf(placed, mainFrame), side);
}

void TestCoach::keepsTheTableInSight_data()
{
    QTest::addColumn<QSize>("screen");        // device pixels
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QSize>("warning");       // a warning's frame; none: the coach's own sizes
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("side");
    // "all": the stake, hand name, win, balance, menu and tabs too; "table": the cards, buttons
    // and stakes; "least": no room anywhere, less of them covered than over the main window.
    QTest::addColumn<QString>("inSight");
    const QSize none;
    QTest::newRow("1280x1024 at scale 2: compact, below the win") << QSize(1280, 1024) << 2.0 << none << "compact" << "over" << "all";
    QTest::newRow("1024x768: full, beside") << QSize(1024, 768) << 1.0 << none << "full" << "right" << "all";
    QTest::newRow("1920x1080: full, beside") << QSize(1920, 1080) << 1.0 << none << "full" << "right" << "all";
    QTest::newRow("3840x2160 at scale 2: full, beside") << QSize(3840, 2160) << 2.0 << none << "full" << "right" << "all";
    QTest::newRow("1024x768 at scale 2, the game itself cut off: compact, over the balance")
        << QSize(1024, 768) << 2.0 << none << "compact" << "over" << "table";
    QTest::newRow("the warning at scale 2: between the cards and the buttons")
        << QSize(1280, 1024) << 2.0 << QSize(506, 153) << "full" << "over" << "table";
    QTest::newRow("the warning on 1024x768: beside") << QSize(1024, 768) << 1.0 << QSize(506, 153) << "full" << "right" << "all";
    QTest::newRow("a warning wider than the room beside: below")
        << QSize(1024, 768) << 1.0 << QSize(700, 250) << "full" << "below" << "all";
    QTest::newRow("a warning taller than any room: over the least of the table")
        << QSize(1280, 1024) << 2.0 << QSize(600, 300) << "full" << "over" << "least";
}

void TestCoach::keepsTheTableInSight()
{
    QFETCH(QSize, screen);
    QFETCH(qreal, scale);
    QFETCH(QSize, warning);
    QFETCH(QString, layout);
    QFETCH(QString, side);
    QFETCH(QString, inSight);
    TestGame test;
    auto *coach = new Coach(test.game);
    const MainWindow &main = test.game.mainWindow();
    main.windowHandle()->setFramePosition(QPoint(3, 5));
    const QMargins frame(1, 10, 1, 3);
    const QRect mainFrame = main.geometry().marginsAdded(frame);
    const TableInSight table = tableInSight(*main.gameTab());
    QCOMPARE(table.keepClear.size(), 4);   // the cards, both buttons, the stakes
    QCOMPARE(table.ratherClear.size(), 3);
    const CoachSizes sizes = warning.isValid() ? CoachSizes{warning, warning, warning}
                                               : coach->window()->layoutSizes().grownBy(frame);
    const QRect available(QPoint(0, 0), screen / scale);

    const QRect placed = placeCoach(mainFrame, sizes, table, available);
    const QString where = QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y()).arg(placed.width()).arg(placed.height());
    QVERIFY2(available.contains(placed), qPrintable(where));
    const auto coveredOf = [&table](const QRect &frame) {
        qint64 area = 0;
        for (const QRect &control : table.keepClear) {
            const QRect common = frame.intersected(control);
            area += common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        }
        return area;
    };
    if (inSight == "least") {
        QRect centred(QPoint(), placed.size());
        centred.moveCenter(mainFrame.center());
        QVERIFY2(coveredOf(placed) < coveredOf(centred), qPrintable(where));
    } else {
        QVERIFY2(coveredOf(placed) == 0, qPrintable(where));
    }
    for (const QRect &control : table.ratherClear) {
        if (inSight == "all")
            QVERIFY2(!placed.intersects(control), qPrintable(where));
    }
    QCOMPARE(holdsFullLayout(placed.size(), sizes) ? "full" : "compact", layout);
    QVERIFY(placed.width() >= sizes.compactLeast.width() && placed.height() >= sizes.compactLeast.height());
    QVERIFY(placed.width() <= sizes.full.width() && placed.height() <= sizes.full.height());
    QCOMPARE(sideOf(placed, mainFrame), side);

    // The window given that room shows the verdict above the rest only when it is compact.
    if (!warning.isValid()) {
        coach->window()->resize(placed.size().shrunkBy(frame));
        QCOMPARE(coach->window()->findChild<QLabel *>(QStringLiteral("CoachSummary"))->isVisibleTo(coach->window()),
                 layout == "compact");
    }
}

void TestCoach::warnsBeforeADrawToAWorseHold_data()
{
    QTest::addColumn<bool>("warnOn");
    QTest::addColumn<QList<int>>("exchanged");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("drawn");
    const QList<int> keepPair{1, 2, 3}, keepRoyal{5};
    QTest::newRow("worse hold, draw anyway") << true << keepPair << "CoachDrawAnyway" << true << true;
    QTest::newRow("worse hold, change it") << true << keepPair << "CoachChangeHold" << true << false;
    QTest::newRow("best hold") << true << keepRoyal << "CoachDrawAnyway" << false << true;
    QTest::newRow("warning off") << false << keepPair << "CoachDrawAnyway" << false << true;
}

void TestCoach::warnsBeforeADrawToAWorseHold()
{
    QFETCH(bool, warnOn);
    QFETCH(QList<int>, exchanged);
    QFETCH(QString, answer);
    QFETCH(bool, warned);
    QFETCH(bool, drawn);
    TestGame test;
    auto *coach = new Coach(test.game);
    coach->window()->findChild<QAbstractButton *>(QStringLiteral("CoachWarn"))->setChecked(warnOn);
    test.betWith("TH JH QH KH KS");
    for (int position : exchanged)
        test.clickFace(position);
    const Hand dealt = test.cards();
    test.random.scriptHand(hand("2C 3D 4S 5C 6D"));   // the replacements, as many as asked for

    WarningAnswer warning(answer);
    QTest::mouseClick(test.deal(), Qt::LeftButton);
    QCOMPARE(!warning.said.isEmpty(), warned);
    if (warned) {
        QVERIFY2(warning.said.startsWith(QStringLiteral("The best hold is 10♥ J♥ Q♥ K♥, worth 339.15 credits on average.\n"
                                                        "Your hold, K♥ K♠, gives up 319.06 credits on average.")),
                 qPrintable(warning.said));
    }
    QCOMPARE(coach->session().handsPlayed(), int(drawn));
    QCOMPARE(test.game.table().DealPhase() == Table::DrawPending, !drawn);
    const Hand now = test.cards();
    for (int position = 1; position <= kPositions; ++position) {
        const bool kept = !drawn || !exchanged.contains(position);
        QCOMPARE(now[position - 1] == dealt[position - 1], kept);
        if (!drawn)
            QCOMPARE(test.game.table().KeepCard(position), !exchanged.contains(position));
    }
    QCOMPARE(line(coach->window(), "CoachCoached").isEmpty(), !warnOn);

    // A game the warning was on for does not enter the hi-score list; the next one may.
    test.game.money().PayWin(100000);
    test.game.newCommand();
    QCOMPARE(test.namePrompt.offers.size(), warnOn ? 0 : 1);
    test.game.money().PayWin(100000);
    test.game.newCommand();
    QCOMPARE(test.namePrompt.offers.size(), warnOn ? 1 : 2);
}

// The Mistakes page shows the log's hands, this run's and earlier ones, the most given up in units
// of the stake first; closing the coach saves them, and only a coached game touches the log.
void TestCoach::listsTheLogsMistakesLargestFirst()
{
    TestGame test;
    const QString log = test.folder.filePath(QStringLiteral("coach.dat"));
    writeBytes(log, "quintdraw coach log 1\nruns 1\n"
                    "hand 2026-11-30 AH KH QH JH 3C kept - best 1234 lost 2.000000 line 6\n");
    auto *coach = new Coach(test.game);
    test.betWith("JH JS 2C 7D 9S");
    test.drawWith({1, 2, 3, 4, 5}, "2D 3D 4D 5D 6C");   // gave up the pair of jacks
    test.betWith("TH JH QH KH KS");
    test.drawWith({1, 2, 3}, "2C 3D 4S");               // the kings instead of four to the royal
    test.betWith("TH JH QH KH KS");
    test.drawWith({5}, "2C");                           // best play: no mistake
    auto *list = coach->window()->findChild<QListWidget *>(QStringLiteral("CoachMistakes"));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QStringLiteral("10♥ J♥ Q♥ K♥ K♠ (%1): you kept K♥ K♠, best 10♥ J♥ Q♥ K♥; "
                                                   "gave up 31.906 times the stake").arg(today));
    QCOMPARE(list->item(1)->text(), QStringLiteral("A♥ K♥ Q♥ J♥ 3♣ (2026-11-30): you kept nothing, best A♥ K♥ Q♥ J♥; "
                                                   "gave up 2.000 times the stake"));
    QCOMPARE(list->item(2)->text(), QStringLiteral("J♥ J♠ 2♣ 7♦ 9♠ (%1): you kept nothing, best J♥ J♠; "
                                                   "gave up 1.608 times the stake").arg(today));
    // Whole amounts: a line longer than the list is wide wraps instead of being cut.
    coach->window()->pages()->setCurrentWidget(list->parentWidget());
    QVERIFY(QTest::qWaitForWindowExposed(coach->window()));
    for (int row = 0; row < list->count(); ++row) {
        const int lines = list->fontMetrics().horizontalAdvance(list->item(row)->text()) / list->viewport()->width() + 1;
        QVERIFY(list->visualItemRect(list->item(row)).height() >= lines * list->fontMetrics().lineSpacing());
    }
    list->setCurrentRow(2);
    const QStringList analysis = coach->window()->findChild<QPlainTextEdit *>(QStringLiteral("CoachMistakeAnalysis"))
                                     ->toPlainText().split(u'\n');
    QCOMPARE(analysis.size(), 2 + kHolds);
    QCOMPARE(analysis.at(0), QStringLiteral("J♥ J♠ 2♣ 7♦ 9♠, at a stake of 10 credits:"));
    QCOMPARE(analysis.at(2), QStringLiteral("20.09 credits: keep J♥ J♠"));

    coach->window()->close();
    CoachLog saved;
    QCOMPARE(LoadCoachLog(saved, log), FileCondition::AsWritten);
    QCOMPARE(saved.data().runs, qint64(2));
    QCOMPARE(int(saved.data().hands.size()), 3);
}

// Practice deals onto the line picked, answers at once, keeps score and moves the line in the
// log's schedule; the game's balance and statistics stay as they were.
void TestCoach::practisesALinePicked()
{
    TestGame test;
    auto *coach = new Coach(test.game);
    ScriptedRandom practiceRandom(5);
    coach->training().useRandom(practiceRandom);
    const QString balance = test.text(QStringLiteral("Label7"));
    CoachWindow *window = coach->window();
    auto *page = window->findChild<PracticePage *>(QStringLiteral("CoachPractice"));
    for (int tab = 0; tab < window->pages()->count(); ++tab) {
        if (window->pages()->widget(tab)->isAncestorOf(page))
            window->pages()->setCurrentIndex(tab);
    }
    auto *lines = page->findChild<QComboBox *>(QStringLiteral("PracticeLine"));
    const int drawFive = lines->count() - 1;
    QVERIFY(lines->itemText(drawFive).endsWith(QStringLiteral("Draw five new cards")));
    lines->setFocus();
    QTest::keyClick(lines, Qt::Key_End);
    QCOMPARE(lines->currentIndex(), drawFive);

    auto *answer = page->findChild<QPlainTextEdit *>(QStringLiteral("PracticeAnswer"));
    auto *confirm = page->findChild<QPushButton *>(QStringLiteral("PracticeConfirm"));
    confirm->setFocus();
    QTest::keyClick(confirm, Qt::Key_Return);   // nothing marked: draw five
    QVERIFY2(answer->toPlainText().startsWith(QStringLiteral("Right.\nBest hold: nothing")), qPrintable(answer->toPlainText()));
    QTest::keyClick(page, Qt::Key_Return);      // the next hand
    QVERIFY(answer->toPlainText().isEmpty());
    QTest::keyClick(page, Qt::Key_1);
    QTest::keyClick(page, Qt::Key_Return);
    QVERIFY2(answer->toPlainText().startsWith(QStringLiteral("Not the best hold.")), qPrintable(answer->toPlainText()));
    QVERIFY(page->findChild<QLabel *>(QStringLiteral("PracticeScore"))->text().startsWith(QStringLiteral("Practice hands: 2, right: 1")));

    const LineSchedule schedule = coach->training().log().data().schedule.at(drawFive);
    QCOMPARE(schedule.streak, 0);
    QCOMPARE(schedule.dueRun, coach->training().log().currentRun());
    QCOMPARE(test.text(QStringLiteral("Label7")), balance);
    QCOMPARE(coach->training().log().data().tallies.size(), size_t(0));
}

// The Strategy page tells where this table's strategy differs from the usual one by what each
// pays and by real hands, and explains the chart's words.
void TestCoach::strategyPageInTrueTerms()
{
    TestGame test;
    auto *coach = new Coach(test.game);
    coach->chart();
    auto *page = coach->window()->findChild<QPlainTextEdit *>(QStringLiteral("CoachChart"));
    QTRY_VERIFY_WITH_TIMEOUT(page->toPlainText().contains(QStringLiteral("keep different cards")), 30000);
    const QString text = page->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Full house pays 35 (usually 9)")));
    QVERIFY(text.contains(QStringLiteral("Straight flush pays 500 (usually 50)")));
    QVERIFY(text.contains(QStringLiteral("Penalty card:")));
    QVERIFY(!text.contains(QStringLiteral("broken up")));
}

// After each hand the Luck and skill page tells the result apart, beside the perfect player's
// shadow drawing to the best hold with the same new cards, and grades the run.
void TestCoach::toldLuckFromSkill()
{
    TestGame test;
    auto *coach = new Coach(test.game);
    test.betWith("TH JH QH KH KS");
    test.drawWith({1, 2, 3}, "2C 3D 4S");   // the kings kept; the shadow draws 2C to the royal
    const QStringList told = coach->window()->findChild<QPlainTextEdit *>(QStringLiteral("CoachLuck"))
                                 ->toPlainText().split(u'\n');
    QCOMPARE(told.at(0), QStringLiteral("Last hand: won 10.00 credits: your hold was expected to win 20.09, luck -10.09."));
    QCOMPARE(told.at(1), QStringLiteral("The best hold was expected to win 339.15: your play gave up 319.06."));
    QCOMPARE(told.at(2), QStringLiteral("A perfect player, drawing to the best hold with the same new cards, would have "
                                        "won 0.00; your hold won 10.00."));
    QCOMPARE(told.last(), QStringLiteral("Grade: hands 1, errors 1, given up 3190.56 stakes per 100 hands, best play's "
                                         "return reached 5.9 %."));
}

void TestCoach::withoutTheCoachTheLogIsNeitherReadNorWritten()
{
    TestGame test;
    const QString log = test.folder.filePath(QStringLiteral("coach.dat"));
    writeBytes(log, "not a log");
    test.betWith("JH JS 2C 7D 9S");
    test.drawWith({1, 2, 3, 4, 5}, "2D 3D 4D 5D 6C");
    test.game.exitCommand();
    QCOMPARE(readBytes(log), QByteArray("not a log"));
    QVERIFY(!QFile::exists(log + ".bak"));
    QVERIFY(QFile::exists(test.game.settingsFile()));
}

// What a screen reader hears of a coached hand: the verdict once, after the table, on the game's
// button that has the focus; on the coach, every line and card by Tab, cards named in words,
// where am I telling the advice, the pages as named panels in a stack that is only layout.
void TestCoach::heardByEar_data()
{
    QTest::addColumn<QList<int>>("exchanged");
    QTest::addColumn<QString>("replacements");
    QTest::addColumn<QString>("control");     // an objectName; "" for the coach's window
    QTest::addColumn<int>("text");            // QAccessible::Text
    QTest::addColumn<QString>("heard");       // what it ends with
    QTest::addColumn<bool>("byTab");
    const QList<int> pair{1, 2, 3};
    const QList<int> royal{5};
    const int name = QAccessible::Name;
    const int description = QAccessible::Description;
    QTest::newRow("payout: best play") << royal << "2C" << "SSCommand1" << description << "Won 0, balance 90. Best play." << false;
    QTest::newRow("payout: gave up")
        << pair << "2C 3D 4S" << "SSCommand1" << description
        << "Gave up 319.06: best keep 10 of hearts, Jack of hearts, Queen of hearts, King of hearts, line 6." << false;
    QTest::newRow("your hold") << pair << "2C 3D 4S" << "CoachYourHold" << name
                               << "Your hold: King of hearts King of spades, 20.09 credits on average" << true;
    QTest::newRow("reason") << pair << "2C 3D 4S" << "CoachReason" << name
                            << "You kept King of hearts King of spades — line 13, High pair (jacks or better)." << true;
    QTest::newRow("a card") << pair << "2C 3D 4S" << "CoachKept1" << name << "10 of hearts, exchanged, in the best hold" << true;
    QTest::newRow("verdict") << royal << "2C" << "CoachVerdict" << name << "Best play" << true;
    QTest::newRow("figures") << royal << "2C" << "CoachPlayedBest" << name << "Played best: 100.0 %" << true;
    QTest::newRow("where am I") << pair << "2C 3D 4S" << "" << description
                                << "Best hold: 10 of hearts Jack of hearts Queen of hearts King of hearts, 339.15 credits on average"
                                << false;
    QTest::newRow("the one mistake") << pair << "2C 3D 4S" << "CoachMistakes" << name
                                     << "you kept King of hearts King of spades, best 10 of hearts Jack of hearts Queen of "
                                        "hearts King of hearts; gave up 31.906 times the stake"
                                     << true;
    QTest::newRow("a training page's line") << royal << "2C" << "PracticeScore" << name << "" << true;
    QTest::newRow("a page is a named panel") << royal << "2C" << "CoachMistakesPage" << name << "Mistakes" << false;
}

void TestCoach::heardByEar()
{
    QFETCH(QList<int>, exchanged);
    QFETCH(QString, replacements);
    QFETCH(QString, control);
    QFETCH(int, text);
    QFETCH(QString, heard);
    QFETCH(bool, byTab);
    TestGame test;
    auto *coach = new Coach(test.game);
    CoachWindow *window = coach->window();
    test.betWith("TH JH QH KH KS");
    for (int position : exchanged)
        test.clickFace(position);
    for (const QString &card : replacements.split(u' '))
        test.random.scriptCard(::card(card));
    QTest::mouseClick(test.deal(), Qt::LeftButton);
    QWidget *widget = control.isEmpty() ? window : test.game.mainWindow().findChild<QWidget *>(control);
    if (!widget)
        widget = window->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (qobject_cast<QListWidget *>(widget))   // its one entry
        accessible = accessible->child(0);
    const QString said = accessible->text(QAccessible::Text(text));
    QVERIFY2(said.endsWith(heard), qPrintable(said));
    QVERIFY2(!said.contains(QRegularExpression(QStringLiteral("[♦♥♣♠]"))), qPrintable(said));
    if (control == QLatin1String("CoachMistakesPage")) {
        QCOMPARE(accessible->role(), QAccessible::Pane);
        QCOMPARE(QAccessible::queryAccessibleInterface(accessible->parent()->object())->role(), QAccessible::Client);
    }
    if (!byTab)
        return;
    // Tab from the coach's first control reaches it: the Last hand page is shown first.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int page = 0; page < window->pages()->count(); ++page) {
        if (window->pages()->widget(page)->isAncestorOf(widget))
            window->pages()->setCurrentIndex(page);
    }
    window->findChild<QWidget *>(QStringLiteral("CoachKeys"))->setFocus();
    for (int press = 0; press < 40 && QApplication::focusWidget() != widget; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget);
}

// One verdict holds all the coach says of a hand: the best hold named, the chart's lines of the
// holds kept and best, and what was given up in stakes; another hold kept reuses the count.
void TestCoach::judgesAHandOnce_data()
{
    QTest::addColumn<QString>("dealt");
    QTest::addColumn<unsigned>("kept");
    QTest::addColumn<unsigned>("best");
    QTest::addColumn<int>("keptLine");
    QTest::addColumn<int>("bestLine");
    QTest::addColumn<double>("gaveUpStakes");
    QTest::newRow("kept the pair") << "TH JH QH KH KS" << 0b11000U << 0b01111U << 13 << 6 << 31.906;
    QTest::newRow("kept four to the royal") << "TH JH QH KH KS" << 0b01111U << 0b01111U << 6 << 6 << 0.0;
    QTest::newRow("kept nothing") << "TH JH QH KH KS" << 0U << 0b01111U << 39 << 6 << 33.54;
}

void TestCoach::judgesAHandOnce()
{
    QFETCH(QString, dealt);
    QFETCH(unsigned, kept);
    const Payoff payoff;
    static const WrittenChart written = writeChart(gameRules(payoff, 1));
    const Hand cards = hand(qPrintable(dealt));
    const CoachVerdict first = judgeHand(cards, Hold(kKeepAll), 10, analyseHand(cards, payoff, 1), written.chart);
    const CoachVerdict verdict = withKept(first, Hold(kept), written.chart);
    QTEST(verdict.best.bits(), "best");
    QTEST(verdict.keptLine, "keptLine");
    QTEST(verdict.bestLine, "bestLine");
    QFETCH(double, gaveUpStakes);
    QVERIFY2(qAbs(verdict.gaveUpStakes() - gaveUpStakes) < 0.05, qPrintable(QString::number(verdict.gaveUpStakes())));
    QCOMPARE(verdict.playedBest(), gaveUpStakes == 0.0);
}

QTEST_MAIN(TestCoach)
#include "test_coach.moc"
