#include "core/coach_session.h"

void CoachSession::record(const HandAnalysis &analysis, unsigned hold)
{
    ++m_hands;
    m_best += analysis.isBest(hold);
    m_keptWorth += analysis.holds[hold].expectedWin();
    m_bestWorth += analysis.best().expectedWin();
}
