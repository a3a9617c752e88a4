#include "ui/coach_texts.h"

#include "ui/training_texts.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

QString cardText(Card card)
{
    static const QChar suits[] = {u'♦', u'♥', u'♣', u'♠'};
    return rankText(card.rank) + suits[card.suit];
}

QString holdText(const Hand &dealt, Hold hold)
{
    QStringList cards;
    for (int position = 1; position <= kPositions; ++position) {
        if (hold.keeps(position))
            cards.append(cardText(dealt[position - 1]));
    }
    return cards.isEmpty() ? QStringLiteral("nothing") : cards.join(u' ');
}

QString creditsText(double credits)
{
    return QString::number(credits, 'f', 2);
}

QString spokenText(const QString &shown)
{
    static const QRegularExpression written(QStringLiteral("(?<![\\w])(10|[2-9JQKA])([♦♥♣♠])"));
    static const QString suits = QStringLiteral("♦♥♣♠");
    static const QString ranks = QStringLiteral("JQKA");
    QString said;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &card : written.globalMatch(shown)) {
        const QString rank = card.captured(1);
        const int value = ranks.contains(rank) ? 11 + int(ranks.indexOf(rank)) : rank.toInt();
        said += shown.mid(from, card.capturedStart() - from) + cardName(Card{value, int(suits.indexOf(card.captured(2)))});
        from = card.capturedEnd();
    }
    return said + shown.mid(from);
}

QString verdictNewsText(const CoachVerdict &verdict)
{
    if (verdict.playedBest())
        return QStringLiteral("Best play.");
    QStringList cards;
    for (int position = 1; position <= kPositions; ++position) {
        if (verdict.best.keeps(position))
            cards.append(cardName(verdict.dealt[position - 1]));
    }
    const QString best = cards.isEmpty() ? QStringLiteral("draw five") : QStringLiteral("keep ") + cards.join(QStringLiteral(", "));
    return verdict.bestLine ? QStringLiteral("Gave up %1: best %2, line %3.").arg(creditsText(verdict.gaveUp()), best).arg(verdict.bestLine)
                            : QStringLiteral("Gave up %1: best %2.").arg(creditsText(verdict.gaveUp()), best);
}

namespace {

QString percentText(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" %");
}

// A hold on no line is told by its worth against the hold of the line the hand matches.
QString lineText(const CoachVerdict &verdict, const StrategyChart &chart, Hold hold, int line)
{
    if (line)
        return QStringLiteral("line %1, %2").arg(line).arg(chart.lines()[line - 1].text);
    const double worth = verdict.analysis.holds[hold.bits()].expectedWin();
    const double difference = worth - verdict.analysis.holds[verdict.charted.bits()].expectedWin();
    return QStringLiteral("on no line: worth %1 credits, %2 %3 than line %4's hold")
        .arg(creditsText(worth), creditsText(std::abs(difference)),
             difference < 0 ? QStringLiteral("less") : QStringLiteral("more"))
        .arg(verdict.chartedLine);
}

} // namespace

QString allHoldsText(const Hand &dealt, const HandAnalysis &analysis)
{
    std::array<unsigned, kHolds> order;
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
        return compareWorth(analysis.holds[a], analysis.holds[b]) > 0;
    });
    QStringList text;
    for (unsigned hold : order)
        text.append(QStringLiteral("%1 credits: keep %2").arg(creditsText(analysis.holds[hold].expectedWin()),
                                                             holdText(dealt, Hold(hold))));
    return text.join(u'\n');
}

QString reasonText(const CoachVerdict &verdict, const StrategyChart &chart)
{
    const Hand &dealt = verdict.dealt;
    QString text = QStringLiteral("Best: keep %1 — %2.").arg(holdText(dealt, verdict.best), lineText(verdict, chart, verdict.best, verdict.bestLine));
    if (verdict.kept != verdict.best)
        text += QStringLiteral(" You kept %1 — %2.").arg(holdText(dealt, verdict.kept), lineText(verdict, chart, verdict.kept, verdict.keptLine));
    if (!verdict.chartIsBest()) {
        text += QStringLiteral(" The chart says keep %1 (%2), but the exact count decides: "
                               "the best hold is worth %3 credits more.")
                    .arg(holdText(dealt, verdict.charted), lineText(verdict, chart, verdict.charted, verdict.chartedLine),
                         creditsText(verdict.analysis.gaveUp(verdict.charted.bits())));
    }
    return text;
}

QString warningText(const CoachVerdict &verdict, const StrategyChart &chart)
{
    return QStringLiteral("The best hold is %1, worth %2 credits on average.\n"
                          "Your hold, %3, gives up %4 credits on average.\n\n%5")
        .arg(holdText(verdict.dealt, verdict.best), creditsText(verdict.analysis.best().expectedWin()),
             holdText(verdict.dealt, verdict.kept), creditsText(verdict.gaveUp()), reasonText(verdict, chart));
}

CoachHandTexts handTexts(const CoachVerdict &verdict, const CoachSession &session, const StrategyChart &chart)
{
    const Hand &dealt = verdict.dealt;
    const HandAnalysis &analysis = verdict.analysis;
    CoachHandTexts texts;
    texts.yourHold = QStringLiteral("Your hold: %1, %2 credits on average")
                         .arg(holdText(dealt, verdict.kept), creditsText(analysis.holds[verdict.kept.bits()].expectedWin()));
    // The best hold every page names comes first.
    QStringList bests{holdText(dealt, verdict.best)};
    for (unsigned top : analysis.bestHolds) {
        if (Hold(top) != verdict.best)
            bests.append(holdText(dealt, Hold(top)));
    }
    texts.bestHold = QStringLiteral("Best hold: %1, %2 credits on average")
                         .arg(bests.join(QStringLiteral(" or ")), creditsText(analysis.best().expectedWin()));
    texts.verdict = verdict.playedBest() ? QStringLiteral("Best play")
                                         : QStringLiteral("Gave up %1 credits on average").arg(creditsText(verdict.gaveUp()));
    texts.reason = reasonText(verdict, chart);
    texts.handsPlayed = QStringLiteral("Hands played: %1").arg(session.handsPlayed());
    texts.playedBest = QStringLiteral("Played best: %1").arg(percentText(session.shareBest()));
    texts.worthKept = QStringLiteral("Expected win kept: %1 of the best").arg(percentText(session.worthKept()));
    return texts;
}

QString cardStateText(bool kept, bool inBest)
{
    return (kept ? QStringLiteral("kept") : QStringLiteral("exchanged"))
           + (inBest ? QStringLiteral(", in the best hold") : QString());
}

QString keptMarkText(bool kept)
{
    return kept ? QStringLiteral("kept") : QString();
}

QString lastHandHeading() { return QStringLiteral("Last hand"); }
QString lastHandToldHeading() { return QStringLiteral("Last hand: the best hold is framed"); }
QString lastHandStaleHeading()
{
    return QStringLiteral("Last hand (the hand before the one now dealt: no advice for the new cards)");
}
QString coachSpeaksLaterText() { return QStringLiteral("The coach speaks after each draw."); }
QString coachKeysText() { return QStringLiteral("F6 moves between the game and the coach; Esc closes the coach."); }

QString coachedText(bool coached)
{
    return coached ? QStringLiteral("This game is coached: its result will not enter the hi-score list") : QString();
}

QString mistakesHintText(bool any)
{
    return any ? QStringLiteral("Choose a hand to see every hold's worth.") : QStringLiteral("No mistakes yet.");
}

QString chartBeingWrittenText() { return QStringLiteral("The chart for this table is being written…"); }

QString chartPageText(const WrittenChart &written, const QString &examples)
{
    const DrawRules &rules = written.chart.rules();
    QStringList text;
    text.append(QStringLiteral("Strategy for this game's table: keep the cards of the first line your hand matches."));
    text.append(QStringLiteral("Following it returns %1 %; best play returns %2 %; the chart costs %3 %.")
                    .arg(QString::number(written.chartReturn.percent(), 'f', 3),
                         QString::number(written.bestReturn.percent(), 'f', 3),
                         QString::number(written.costPercent(), 'f', 3)));
    text.append(tableDifferencesText(rules, usualRules()));
    if (!examples.isEmpty())
        text.append(QStringLiteral("\n") + examples);
    text.append(QString());
    const std::vector<ChartLine> &lines = written.chart.lines();
    for (size_t line = 0; line < lines.size(); ++line)
        text.append(QStringLiteral("%1. %2").arg(line + 1).arg(lines[line].text));
    text.append(QString());
    text.append(glossaryText(rules));
    return text.join(u'\n');
}
