#pragma once

#include "core/card.h"
#include "core/coach_session.h"
#include "ui/coach_window.h"

#include <QObject>
#include <QPointer>

class Game;

// Plays the coach beside a game: after every draw it works out what each hold of the dealt hand
// was worth and shows it. Made only when the player asks for it.
class Coach : public QObject {
    Q_OBJECT
public:
    explicit Coach(Game &game);
    ~Coach() override;

    CoachWindow *window() const { return m_window; }

private:
    void handDrawn(const Hand &dealt, unsigned kept, int units);

    Game &m_game;
    CoachSession m_session;
    QPointer<CoachWindow> m_window;
};
