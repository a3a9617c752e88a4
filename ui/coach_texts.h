#pragma once

#include "core/chart_writer.h"
#include "core/coach_session.h"
#include "core/coach_verdict.h"
#include "ui/coach_window.h"

#include <QString>
#include <QStringList>

// The coach's words: every sentence the coach shows. Cards are written as a player reads them ("Q♥", "10♠"), in table order.
QString cardText(Card card);
// "Q♥ 10♥ A♥" for a hold of a hand; "nothing" for none.
QString holdText(const Hand &dealt, Hold hold);
// "2.31" credits.
QString creditsText(double credits);
// A text shown by the coach as a screen reader should say it: each card written as a player reads
// it ("K♦", "10♠") becomes its name ("King of diamonds"); a synthesizer would say "K diamond suit".
QString spokenText(const QString &shown);
// The verdict told once after the draw, while the player stays on the game: "Best play." or
// "Gave up 12.96: best keep 5 of hearts, 5 of spades, line 20."; the page holds the rest.
QString verdictNewsText(const CoachVerdict &verdict);

// Why the best hold is best, in the chart's words: "Best: keep 9♣ 9♠ — line 9, Low pair. You
// kept K♣ Q♠ — line 14, Two high cards." Where the chart's hold is not a best hold, it says that
// the exact count decides, and by how much.
QString reasonText(const CoachVerdict &verdict, const StrategyChart &chart);
// The warning before a draw to a hold that is not a best one.
QString warningText(const CoachVerdict &verdict, const StrategyChart &chart);
// The last hand's page after a draw, with the session's figures.
CoachHandTexts handTexts(const CoachVerdict &verdict, const CoachSession &session, const StrategyChart &chart);
// A card of the last hand: "kept" or "exchanged", and whether it is in the best hold.
QString cardStateText(bool kept, bool inBest);
QString keptMarkText(bool kept);
// The last hand's heading: told, or greyed once the next hand is dealt.
QString lastHandHeading();
QString lastHandToldHeading();
QString lastHandStaleHeading();
QString coachSpeaksLaterText();
QString coachKeysText();
// The line that says the game is coached, or nothing.
QString coachedText(bool coached);
// What the Mistakes page says without a choice.
QString mistakesHintText(bool any);
// Every hold of a hand with its worth, best first.
QString allHoldsText(const Hand &dealt, const HandAnalysis &analysis);

// The strategy page: the chart's lines, its exact return and cost, where it differs from the
// usual strategy (with `examples` of it where given), and the chart's terms.
QString chartPageText(const WrittenChart &written, const QString &examples = {});
// The strategy page until the chart is written.
QString chartBeingWrittenText();
