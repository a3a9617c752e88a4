#pragma once

#include "core/card.h"

#include <QStringList>
#include <QWidget>
#include <array>

class PictureBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The coach's Practice page: a hand to hold, the hold marked with the keys 1 to 5 or by clicking
// a card, Return to confirm, and the answer at once. Nothing here touches the game: it shows what
// it is told and reports what the player did.
class PracticePage : public QWidget {
    Q_OBJECT
public:
    explicit PracticePage(QWidget *parent = nullptr);

    // The choices of what to practise: the first is the lines the player gets wrong most.
    void showLines(const QStringList &lines);
    void showHand(const Hand &dealt, const QString &heading);
    // The answer to the hand shown; the best hold is framed on its cards.
    void showAnswer(unsigned best, const QString &answer);
    void showScore(const QString &score);
    unsigned hold() const { return m_hold; }

signals:
    void lineChosen(int index);
    void holdConfirmed(unsigned hold);
    void nextHandWanted();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void toggle(int position);
    void showMarks();
    void confirm();

    QComboBox *m_lines = nullptr;
    QLabel *m_heading = nullptr;
    std::array<PictureBox *, kPositions> m_cards{};
    std::array<QLabel *, kPositions> m_marks{};
    QPushButton *m_confirm = nullptr;
    QPushButton *m_next = nullptr;
    QPlainTextEdit *m_answer = nullptr;
    QLabel *m_score = nullptr;
    Hand m_dealt{};
    unsigned m_hold = 0;
    bool m_answered = true;
    bool m_dealtOnce = false;
};
