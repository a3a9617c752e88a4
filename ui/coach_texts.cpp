#include "ui/coach_texts.h"

#include "ui/training_texts.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

QString cardText(Card card)
{
    static const QChar suits[] = {u'♦', u'♥', u'♣', u'♠'};
    return rankText(card.rank) + suits[card.suit];
}

QString holdText(const Hand &dealt, unsigned hold)
{
    QStringList cards;
    for (int i = 0; i < kPositions; ++i) {
        if (hold & (1U << i))
            cards.append(cardText(dealt[i]));
    }
    return cards.isEmpty() ? QStringLiteral("nothing") : cards.join(u' ');
}

QString creditsText(double credits)
{
    return QString::number(credits, 'f', 2);
}

namespace {

// A hold on no line is told by its worth against the hold of the line the hand matches.
QString lineText(const StrategyChart &chart, const Hand &dealt, unsigned hold, const HandAnalysis &analysis)
{
    const int line = chartLineOf(chart, dealt, hold);
    if (line)
        return QStringLiteral("line %1, %2").arg(line).arg(chart.lines()[line - 1].text);
    const ChartMatch charted = chart.lineFor(dealt);
    const double difference = analysis.holds[hold].expectedWin() - analysis.holds[charted.hold].expectedWin();
    return QStringLiteral("on no line: worth %1 credits, %2 %3 than line %4's hold")
        .arg(creditsText(analysis.holds[hold].expectedWin()), creditsText(std::abs(difference)),
             difference < 0 ? QStringLiteral("less") : QStringLiteral("more"))
        .arg(charted.line + 1);
}

} // namespace

QString reasonText(const Hand &dealt, unsigned kept, const HandAnalysis &analysis, const StrategyChart &chart)
{
    const unsigned best = namedBestHold(dealt, analysis, chart);
    QString text = QStringLiteral("Best: keep %1 — %2.").arg(holdText(dealt, best), lineText(chart, dealt, best, analysis));
    if (kept != best)
        text += QStringLiteral(" You kept %1 — %2.").arg(holdText(dealt, kept), lineText(chart, dealt, kept, analysis));
    const unsigned charted = chart.lineFor(dealt).hold;
    if (!analysis.isBest(charted)) {
        text += QStringLiteral(" The chart says keep %1 (%2), but the exact count decides: "
                               "the best hold is worth %3 credits more.")
                    .arg(holdText(dealt, charted), lineText(chart, dealt, charted, analysis),
                         creditsText(analysis.gaveUp(charted)));
    }
    return text;
}

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
                                                             holdText(dealt, hold)));
    return text.join(u'\n');
}
