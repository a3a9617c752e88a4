#include "app/coach.h"

#include "app/game.h"
#include "core/hold_analysis.h"
#include "ui/coach_window.h"
#include "ui/main_window.h"

#include <QScreen>

Coach::Coach(Game &game) : QObject(&game), m_game(game)
{
    connect(&game, &Game::handDrawn, this, &Coach::handDrawn);
}

Coach::~Coach()
{
    delete m_window;
}

void Coach::handDrawn(const Hand &dealt, unsigned kept, int units)
{
    const HandAnalysis analysis = analyseHand(dealt, m_game.payoff(), units);
    m_session.record(analysis, kept);
    const bool first = !m_window;
    if (first)
        m_window = new CoachWindow(&m_game.mainWindow());
    m_window->showHand(dealt, kept, analysis, m_session);
    if (first) {
        const QRect main = m_game.mainWindow().frameGeometry();
        m_window->move(main.right() + 8, main.top());
    }
    m_window->show();
}
