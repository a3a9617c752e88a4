#pragma once

#include "core/coach_session.h"
#include "core/hold_analysis.h"

#include <QWidget>
#include <array>

class PictureBox;
class QLabel;

// The coach: a small window beside the main one that tells, once a hand is over, what each
// choice was worth. It shows figures only; it never sees the rules' objects.
class CoachWindow : public QWidget {
    Q_OBJECT
public:
    explicit CoachWindow(QWidget *parent = nullptr);

    // The dealt hand, the hold the player drew to, its analysis and the session so far.
    void showHand(const Hand &dealt, unsigned hold, const HandAnalysis &analysis,
                  const CoachSession &session);

private:
    QLabel *addLine(const char *name);

    std::array<PictureBox *, kPositions> m_cards{};
    std::array<QLabel *, kPositions> m_kept{};
    QLabel *m_yourHold;
    QLabel *m_bestHold;
    QLabel *m_verdict;
    QLabel *m_handsPlayed;
    QLabel *m_playedBest;
    QLabel *m_worthKept;
};

// "JH JS" for a hold of a hand; "nothing" for none.
QString holdText(const Hand &dealt, unsigned hold);
