#include "app/analyse_command.h"

#include "core/best_play.h"
#include "core/hand_text.h"
#include "ui/coach_texts.h"

#include <algorithm>

namespace {

QString keptLetters(const Hand &dealt, unsigned hold)
{
    QStringList cards;
    for (int i = 0; i < kPositions; ++i) {
        if (hold & (1U << i))
            cards.append(cardLetters(dealt[i]));
    }
    return cards.isEmpty() ? QStringLiteral("nothing") : cards.join(u' ');
}

} // namespace

QStringList analysedHoldLines(const Hand &dealt, const HandAnalysis &analysis, const StrategyChart &chart)
{
    const qint64 stake = chart.rules().stake;
    struct Columns {
        QString kept, fraction, decimal, line;
    };
    std::vector<Columns> rows;
    qsizetype keptWidth = 0;
    qsizetype fractionWidth = 0;
    for (unsigned hold : holdsBestFirst(analysis)) {
        const HoldValue &value = analysis.holds[hold];
        const Fraction worth = worthPerStake(value, stake);
        const int line = chartLineOf(chart, dealt, Hold(hold));
        rows.push_back(Columns{keptLetters(dealt, hold), QString::fromStdString(worth.text()),
                               QString::number(double(value.totalWin) / double(value.draws) / double(stake), 'f', 6),
                               line ? QStringLiteral("line %1, %2").arg(line).arg(chart.lines()[line - 1].text)
                                    : QStringLiteral("on no line of the chart")});
        keptWidth = std::max(keptWidth, rows.back().kept.size());
        fractionWidth = std::max(fractionWidth, rows.back().fraction.size());
    }
    QStringList lines;
    for (const Columns &row : rows) {
        lines.append(QStringLiteral("%1  %2  %3  %4")
                         .arg(row.kept, -int(keptWidth))
                         .arg(row.fraction, int(fractionWidth))
                         .arg(row.decimal, row.line));
    }
    return lines;
}

int analyseCommand(QStringView cards, QTextStream &out, QTextStream &errors)
{
    const ParsedHand parsed = parseHand(cards);
    if (!parsed.ok()) {
        errors << "quintdraw --analyse: " << parsed.error << '\n';
        return 2;
    }
    const DrawRules rules = gameRules(Payoff(), 1);
    const WrittenChart written = writeChart(rules);
    for (const QString &line : analysedHoldLines(parsed.hand, analyseHand(parsed.hand, rules), written.chart))
        out << line << '\n';
    return 0;
}
