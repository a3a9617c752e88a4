#include "ui/training_texts.h"

#include "ui/coach_texts.h"

QString stakesText(qint64 micros)
{
    return QString::number(micros / 1e6, 'f', 3) + QStringLiteral(" times the stake");
}

QString loggedMistakeText(const Hand &dealt, unsigned kept, unsigned best, qint64 lostMicros, QDate day)
{
    return QStringLiteral("%1 (%2): you kept %3, best %4; gave up %5")
        .arg(holdText(dealt, kKeepAll), day.toString(Qt::ISODate), holdText(dealt, kept), holdText(dealt, best),
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
    const QString text = chart.lines()[line - 1].text;
    return picked ? QStringLiteral("Practising line %1, %2: what do you keep?").arg(line).arg(text)
                  : QStringLiteral("What do you keep? (a line you get wrong: line %1, %2)").arg(line).arg(text);
}

QString practiceAnswerText(const Hand &dealt, const PracticeAnswer &answer, const HandAnalysis &analysis,
                           const StrategyChart &chart)
{
    QStringList text;
    text.append(answer.right ? QStringLiteral("Right.") : QStringLiteral("Not the best hold."));
    text.append(QStringLiteral("Best hold: %1, worth %2 credits on average.")
                    .arg(holdText(dealt, answer.best), creditsText(answer.bestWorth)));
    text.append(QStringLiteral("Your hold: %1, worth %2 credits on average%3.")
                    .arg(holdText(dealt, answer.kept), creditsText(answer.keptWorth),
                         answer.right ? QString() : QStringLiteral(", giving up %1").arg(stakesText(answer.lostMicros))));
    text.append(reasonText(dealt, answer.kept, analysis, chart));
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
    text.append(QStringLiteral("Last hand: won %1 credits = %2 your hold was expected to win + %3 luck.")
                    .arg(credits(hand.won), credits(hand.keptExpected), credits(hand.luck())));
    text.append(QStringLiteral("The best hold was expected to win %1: your play gave up %2.")
                    .arg(credits(hand.bestExpected), credits(hand.givenUp())));
    text.append(QStringLiteral("A perfect player, drawing to the best hold with the same new cards, would have won %1; "
                               "your hold won %2.")
                    .arg(credits(hand.shadowWon), credits(hand.won)));
    const HandSplit &total = run.total();
    text.append(QString());
    text.append(QStringLiteral("This run: won %1 credits = %2 your holds were expected to win + %3 luck.")
                    .arg(credits(total.won), credits(total.keptExpected), credits(total.luck())));
    text.append(QStringLiteral("Best holds were expected to win %1: your play gave up %2.")
                    .arg(credits(total.bestExpected), credits(total.givenUp())));
    text.append(QStringLiteral("The perfect player's shadow won %1; you won %2.").arg(credits(total.shadowWon), credits(total.won)));
    text.append(QString());
    text.append(QStringLiteral("Grade: %1 hands, %2 errors, %3 stakes given up per 100 hands, %4 % of best play's return.")
                    .arg(run.hands())
                    .arg(run.errors())
                    .arg(QString::number(run.givenUpPerHundred(), 'f', 2))
                    .arg(QString::number(run.percentOfBest(), 'f', 1)));
    return text.join(u'\n');
}
