#pragma once

#include "core/round_view.h"
#include "core/table_view.h"

#include <QWidget>
#include <array>
#include <memory>

class ImageList;
class InputGate;
class Money;
class PictureBox;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class RoundNarration;

// The "Game" tab: the five cards with their covers, the stake, hand name, win and balance, the
// bet choice and the two buttons of a round. It shows what the round tells it and reports the
// player's clicks; it holds no rule.
class GameTab : public QWidget, public TableView, public RoundView {
    Q_OBJECT
public:
    struct CardPictures {
        std::array<const ImageList *, 4> lists;   // index = suit
        const PictureBox *back;                   // holds the card-back picture
    };

    GameTab(const CardPictures &pictures, const Money &money, const InputGate &gate, QWidget *parent);
    ~GameTab() override;

    // TableView
    void showCardBack(int index) override;
    void showCard(int index, Card card) override;
    void setCoverVisible(int index, bool visible) override;
    void moveFace(int index, int top) override;
    void moveCover(int index, int top) override;
    void cardMarked(int index, bool exchanged) override;
    int coverTop(int index) const override;

    // RoundView
    void showPhase(Phase phase) override;
    void cardsDealt() override;
    void newGameBegan() override;
    void showHandName(std::optional<Category> category) override;
    void setBlinkInterval(int milliseconds) override;

    // Gives the focus to the button of the phase, as the window is first shown.
    void focusRoundButton();

    QPushButton *betButton() const { return m_bet; }
    QPushButton *dealButton() const { return m_deal; }

protected:
    // The focus comes back to the button the round left it on.
    void showEvent(QShowEvent *event) override;

signals:
    void betPressed();
    void dealPressed();
    void betChosen(int option);          // 1..6
    void faceClicked(int position);      // 1..5
    void coverClicked(int position);     // 1..5

private:
    void buildCards();
    void buildFrame();
    void buildBetChoice();
    void showMoney();
    void blink();
    void showChosenStake();

    CardPictures m_pictures;
    const Money &m_money;
    const InputGate &m_gate;
    std::array<PictureBox *, 5> m_faces{};
    std::array<PictureBox *, 5> m_covers{};
    QLabel *m_stake = nullptr;
    QLabel *m_handName = nullptr;
    QLabel *m_won = nullptr;
    QLabel *m_balance = nullptr;
    QPushButton *m_bet = nullptr;
    QPushButton *m_deal = nullptr;
    std::array<QRadioButton *, 7> m_betChoices{};   // index 1..6; 0 unused
    QButtonGroup *m_betGroup = nullptr;
    QTimer *m_blinkTimer = nullptr;

    std::unique_ptr<RoundNarration> m_narration;
    QPushButton *m_focusTarget = nullptr;       // the button of the phase shown
};
