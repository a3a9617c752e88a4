#include "ui/training_texts.h"

#include "records/category.h"
#include "ui/coach_texts.h"

QString stakesText(qint64 micros)
{
    return QString::number(micros / 1e6, 'f', 3) + QStringLiteral(" times the stake");
}

QString loggedMistakeText(const Hand &dealt, unsigned kept, unsigned best, qint64 lostMicros, QDate day)
{
    return QStringLiteral("%1 (%2): you kept %3, best %4; gave up %5")
        .arg(holdText(dealt, Hold(kKeepAll)), day.toString(Qt::ISODate), holdText(dealt, Hold(kept)), holdText(dealt, Hold(best)),
             stakesText(lostMicros));
}

QStringList practiceChoices(const StrategyChart &chart)
{
    QStringList choices{QStringLiteral("The lines I get wrong most")};
    const std::vector<ChartLine> &lines = chart.lines();
    for (size_t line = 0; line < lines.size(); ++line)
        choices.append(QStringLiteral("Line %1: %2").arg(line + 1).arg(lines[line].text));
    return choices;
}

QString practiceHeading(const StrategyChart &chart, int line, bool picked)
{
    // Unless the player picked the line, naming it would give the answer away.
    return picked ? QStringLiteral("Practising line %1, %2: what do you keep?").arg(line).arg(chart.lines()[line - 1].text)
                  : QStringLiteral("What do you keep?");
}

QString practiceAnswerText(const Hand &dealt, const PracticeAnswer &answer, const HandAnalysis &analysis,
                           const StrategyChart &chart)
{
    QStringList text;
    text.append(answer.right ? QStringLiteral("Right.") : QStringLiteral("Not the best hold."));
    text.append(QStringLiteral("Best hold: %1, worth %2 credits on average.")
                    .arg(holdText(dealt, Hold(answer.best)), creditsText(answer.bestWorth)));
    text.append(QStringLiteral("Your hold: %1, worth %2 credits on average%3.")
                    .arg(holdText(dealt, Hold(answer.kept)), creditsText(answer.keptWorth),
                         answer.right ? QString() : QStringLiteral(", giving up %1").arg(stakesText(answer.lostMicros))));
    text.append(reasonText(judgeHand(dealt, Hold(answer.kept), chart.rules().stake, analysis, chart), chart));
    return text.join(u'\n');
}

QString practiceScoreText(const PracticeSession &session)
{
    return QStringLiteral("Practice hands: %1, right: %2, given up: %3 stakes per 100 hands")
        .arg(session.hands())
        .arg(session.right())
        .arg(QString::number(session.lostPerHundred(), 'f', 2));
}

QString luckText(const HandSplit &hand, const RunSplit &run)
{
    const auto credits = [](double value) { return creditsText(value); };
    QStringList text;
    text.append(QStringLiteral("Last hand: won %1 credits: your hold was expected to win %2, luck %3.")
                    .arg(credits(hand.won), credits(hand.keptExpected), credits(hand.luck())));
    text.append(QStringLiteral("The best hold was expected to win %1: your play gave up %2.")
                    .arg(credits(hand.bestExpected), credits(hand.givenUp())));
    text.append(QStringLiteral("A perfect player, drawing to the best hold with the same new cards, would have won %1; "
                               "your hold won %2.")
                    .arg(credits(hand.shadowWon), credits(hand.won)));
    const HandSplit &total = run.total();
    text.append(QString());
    text.append(QStringLiteral("This run: won %1 credits: your holds were expected to win %2, luck %3.")
                    .arg(credits(total.won), credits(total.keptExpected), credits(total.luck())));
    text.append(QStringLiteral("Best holds were expected to win %1: your play gave up %2.")
                    .arg(credits(total.bestExpected), credits(total.givenUp())));
    text.append(QStringLiteral("The perfect player's shadow won %1; you won %2.").arg(credits(total.shadowWon), credits(total.won)));
    text.append(QString());
    text.append(QStringLiteral("Grade: hands %1, errors %2, given up %3 stakes per 100 hands, best play's return "
                               "reached %4 %.")
                    .arg(run.hands())
                    .arg(run.errors())
                    .arg(QString::number(run.givenUpPerHundred(), 'f', 2))
                    .arg(QString::number(run.percentOfBest(), 'f', 1)));
    return text.join(u'\n');
}

QString tableDifferencesText(const DrawRules &here, const DrawRules &usual)
{
    static const Category paid[] = {Category::OnePair, Category::TwoPair, Category::ThreeOfAKind, Category::Straight,
                                    Category::Flush, Category::FullHouse, Category::FourOfAKind,
                                    Category::StraightFlush, Category::RoyalFlush};
    QStringList differences;
    for (Category category : paid) {
        const qint64 ours = here.winOf(category) / here.stake;
        const qint64 theirs = usual.winOf(category) / usual.stake;
        if (ours != theirs)
            differences.append(QStringLiteral("%1 pays %2 (usually %3)").arg(categoryHeading(category)).arg(ours).arg(theirs));
    }
    QString text = QStringLiteral("Where this strategy differs from the usual one (the one written for 9/6 Jacks or "
                                  "Better): for a stake of 1, %1.")
                       .arg(differences.join(QStringLiteral(", ")));
    if (here.wheelIsStraight != usual.wheelIsStraight) {
        text += here.wheelIsStraight ? QStringLiteral(" Here A-2-3-4-5 is a straight; there it is not.")
                                     : QStringLiteral(" Here the ace is only high, so A-2-3-4-5 is no straight; there it is one.");
    }
    return text + QStringLiteral(" What each hand is worth changes with the pays, and so do the holds kept.");
}

QString strategyDifferencesText(const std::vector<StrategyDifference> &differences, const StrategyChart &here,
                                const StrategyChart &usual)
{
    if (differences.empty())
        return {};
    QStringList text{QStringLiteral("Hands on which the two strategies keep different cards (worth at a stake of %1 credits here):")
                         .arg(here.rules().stake)};
    for (const StrategyDifference &difference : differences) {
        const Hand &dealt = difference.dealt;
        const QString usualLine = difference.usualLine
                                      ? usual.lines()[difference.usualLine - 1].text
                                      : QStringLiteral("no line");
        text.append(QStringLiteral("• %1: here keep %2 (line %3, %4), worth %5 credits; the usual strategy keeps "
                                   "%6 (%7), worth %8 credits here.")
                        .arg(holdText(dealt, Hold(kKeepAll)), holdText(dealt, Hold(difference.here)))
                        .arg(difference.hereLine)
                        .arg(here.lines()[difference.hereLine - 1].text,
                             creditsText(difference.analysis.holds[difference.here].expectedWin()),
                             holdText(dealt, Hold(difference.usual)), usualLine,
                             creditsText(difference.analysis.holds[difference.usual].expectedWin())));
    }
    return text.join(u'\n');
}

QString glossaryText(const DrawRules &rules)
{
    const QString lowest = rankText(rules.lowestPayingPair);
    return QStringLiteral(
               "Words of the chart:\n"
               "• High card: a card from %1 up to the ace; a pair of them pays.\n"
               "• Suited: of one suit.\n"
               "• Open straight draw (open-ended): four cards in a row that a card at either end makes a straight, "
               "such as 5-6-7-8, which a 4 or a 9 completes.\n"
               "• Inside straight draw: four cards that only one rank completes, such as 5-6-8-9, which needs a 7%2.\n"
               "• Possible straights: for cards to a straight or a straight flush, how many runs of five ranks they fit in; "
               "the more, the better the draw.\n"
               "• Penalty card: a card thrown away that would have helped the cards kept, such as a third heart "
               "thrown away beside K♥ Q♥, which lowers the chance of a flush. The chart does not name them; "
               "the exact worth of every hold counts them.")
        .arg(lowest, rules.wheelIsStraight ? QString() : QStringLiteral(", or J-Q-K-A, which needs a 10, since the ace is only high"));
}
