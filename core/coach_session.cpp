#include "core/coach_session.h"

#include <algorithm>

void CoachSession::record(const Hand &dealt, const HandAnalysis &analysis, unsigned hold)
{
    ++m_hands;
    m_best += analysis.isBest(hold);
    m_keptWorth += analysis.holds[hold].expectedWin();
    m_bestWorth += analysis.best().expectedWin();
    if (analysis.isBest(hold))
        return;
    CoachMistake mistake{dealt, hold, analysis};
    const auto place = std::upper_bound(m_mistakes.begin(), m_mistakes.end(), mistake.gaveUp(),
                                        [](double cost, const CoachMistake &m) { return cost > m.gaveUp(); });
    m_mistakes.insert(place, std::move(mistake));
}
