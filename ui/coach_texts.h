#pragma once

#include "core/chart_lines.h"
#include "core/chart_writer.h"
#include "core/hold_analysis.h"

#include <QString>

// The coach's words. Cards are written as a player reads them ("Q♥", "10♠"), in table order.
QString cardText(Card card);
// "Q♥ 10♥ A♥" for a hold of a hand; "nothing" for none.
QString holdText(const Hand &dealt, unsigned hold);
// "2.31" credits.
QString creditsText(double credits);

// Why the best hold is best, in the chart's words: "Best: keep 9♣ 9♠ — line 9, Low pair. You
// kept K♣ Q♠ — line 14, Two high cards." Where the chart's hold is not a best hold, it says that
// the exact count decides, and by how much.
QString reasonText(const Hand &dealt, unsigned kept, const HandAnalysis &analysis, const StrategyChart &chart);

// The strategy page: the chart's lines, its exact return and cost, where it differs from the
// usual strategy (with `examples` of it where given), and the chart's terms.
QString chartPageText(const WrittenChart &written, const QString &examples = {});
// Every hold of a hand with its worth, best first.
QString allHoldsText(const Hand &dealt, const HandAnalysis &analysis);
