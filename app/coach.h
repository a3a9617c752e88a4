#pragma once

#include "core/card.h"
#include "core/chart_writer.h"
#include "core/coach_session.h"
#include "core/coach_verdict.h"
#include "core/draw_rules.h"
#include "ui/coach_window.h"

#include <QObject>
#include <QPointer>
#include <future>
#include <optional>

class CoachTraining;
class Game;

// Plays the coach beside a game: its window opens beside the main window; after every draw it
// tells what each hold of the dealt hand was worth and why, and, when the player asks for it,
// warns before a draw to a hold that is not a best one. Each hand is judged once (a
// CoachVerdict), for the warning and the page after the draw alike. Made only when the player
// asks.
class Coach : public QObject {
    Q_OBJECT
public:
    explicit Coach(Game &game);
    ~Coach() override;

    CoachWindow *window() const { return m_window; }
    const CoachSession &session() const { return m_session; }
    CoachTraining &training() const { return *m_training; }
    // The strategy chart of the game's table, written in a thread of its own once the coach
    // opens; waits for it when it is not ready yet.
    const WrittenChart &chart();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();
    void place();
    // Starts writing the chart in its own thread, unless it is written or being written.
    void startChart();
    QMargins windowFrame() const;
    // A frame for a window of that size on the main window's screen that leaves the table, and
    // rather also `alsoInSight`, in sight.
    QRect placeBesideGame(const CoachSizes &contents, const QRect &alsoInSight = {}) const;
    void switchToCoach();
    void switchToGame();
    // The verdict on the hand for the hold kept, the hand counted only the first time it is asked.
    const CoachVerdict &verdict(const Hand &dealt, Hold kept, int units);
    bool mayDraw(const Hand &dealt, Hold kept);
    // Judges the hand and, when the player asked for warnings, warns of a hold that is not a best one.
    bool askedToDraw(const Hand &dealt, Hold kept);
    void handDrawn(const Hand &dealt, Hold kept, int units);

    Game &m_game;
    CoachSession m_session;
    CoachTraining *m_training = nullptr;
    // The window belongs to the main window, which it stays above; it goes with it.
    QPointer<CoachWindow> m_window;
    std::future<WrittenChart> m_writing;
    std::optional<WrittenChart> m_chart;
    std::optional<CoachVerdict> m_verdict;   // of the hand on the table or last drawn
    int m_verdictUnits = 0;
    bool m_placed = false;
};
