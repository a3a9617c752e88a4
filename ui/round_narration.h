#pragma once

#include "core/card.h"

#include <QString>
#include <array>
#include <optional>

class Money;
class QPushButton;
class PictureBox;

// What a screen reader hears of the Game tab, built from what the tab is told: each card's
// name and state, the whole table on both round buttons ("where am I"), and the news of a step
// sent on the focused button. A screen reader voices a changed description only on the control
// with the focus, so the news goes there.
class RoundNarration {
public:
    struct Controls {
        std::array<PictureBox *, kPositions> faces;
        std::array<PictureBox *, kPositions> covers;
        QPushButton *bet;
        QPushButton *deal;
    };

    RoundNarration(const Controls &controls, const Money &money);

    // What the table shows; each retells the table.
    void cardShown(int index, std::optional<Card> card);   // empty: the card back
    void coverShown(int index, bool covered);
    void handNamed(const QString &name);
    void stakeChosen(qint64 stake);
    void describeTable();

    // The steps of a round.
    // "&Deal" takes the focus as the bet begins the deal; a screen reader hears of it once the
    // cards are dealt and reads it out with the dealt table.
    void dealBegins();
    void cardsDealt();
    void cardMarked(int index, bool exchanged);
    // A new game between rounds leaves the focus on "&Bet >>", so nothing else would tell it:
    // the button's description, which now tells the new game, is sent as news.
    void newGameBegan(bool betKeptFocus);

private:
    void describeCard(int index);
    void tell(QPushButton *button, const QString &news);

    Controls m_controls;
    const Money &m_money;
    std::array<std::optional<Card>, kPositions> m_cards{};   // what each face shows
    std::array<bool, kPositions> m_covered{};
    QString m_handName;
    qint64 m_stakeChosen = 0;
};
