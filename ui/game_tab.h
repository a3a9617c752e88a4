#pragma once

#include "core/round_view.h"
#include "core/table_view.h"

#include <QWidget>
#include <array>
#include <optional>

class ImageList;
class InputGate;
class Money;
class PictureBox;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

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

    // TableView
    void showCardBack(int index) override;
    void showCard(int index, Card card) override;
    void setCoverVisible(int index, bool visible) override;
    void moveFace(int index, int top) override;
    void moveCover(int index, int top) override;
    int coverTop(int index) const override;

    // RoundView
    void setBetEnabled(bool enabled) override;
    void setDealEnabled(bool enabled) override;
    void setBetChoicesEnabled(bool enabled) override;
    void selectFirstBetChoice() override;
    void focusBet() override;
    void focusDeal() override;
    void showHandName(std::optional<Category> category) override;
    void setBlinkInterval(int milliseconds) override;

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
    void describeCard(int index);
    void switchButton(QPushButton *button, QPushButton *other, bool enabled);
    void focusButton(QPushButton *button);
    void describeTable();
    void tell(QPushButton *button, const QString &news);
    // The shown hand name as a screen reader says it; empty when none is shown.
    QString handNameSaid() const;

    CardPictures m_pictures;
    const Money &m_money;
    const InputGate &m_gate;
    std::array<PictureBox *, 5> m_faces{};
    std::array<PictureBox *, 5> m_covers{};
    QLabel *m_stake = nullptr;
    QLabel *m_handName = nullptr;
    std::optional<Category> m_handCategory;   // what m_handName names
    QLabel *m_won = nullptr;
    QLabel *m_balance = nullptr;
    QPushButton *m_bet = nullptr;
    QPushButton *m_deal = nullptr;
    std::array<QRadioButton *, 7> m_betChoices{};   // index 1..6; 0 unused
    QButtonGroup *m_betGroup = nullptr;
    QTimer *m_blinkTimer = nullptr;

    std::array<std::optional<Card>, 5> m_cards{};   // what each face shows; empty: the card back
    // The hand as dealt, while its cards can be marked; a cover that changes over one of these
    // cards is a mark, one over a newly drawn card is not.
    std::optional<std::array<std::optional<Card>, 5>> m_markable;
    bool m_newGameUntold = false;               // a new game began with "&Bet >>" focused
    QPushButton *m_focusTarget = nullptr;       // the button the round gave the focus to
    QPushButton *m_disablePending = nullptr;    // keeps the focus until the other button is enabled
};
