#pragma once

#include "core/round_view.h"
#include "ui/round_narration.h"

#include <QWidget>
#include <array>

class ImageList;
class PictureBox;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The "Game" tab: the five cards with their covers, the stake, hand name, win and balance, the
// bet choice and the two buttons of a round. It draws the snapshot the round tells it and
// reports the player's clicks; it holds no rule.
class GameTab : public QWidget, public RoundView {
    Q_OBJECT
public:
    struct CardPictures {
        std::array<const ImageList *, 4> lists;   // index = suit
        const PictureBox *back;                   // holds the card-back picture
    };

    static constexpr int kBlinkInterval = 250;   // milliseconds

    GameTab(const CardPictures &pictures, QWidget *parent);

    // RoundView
    void newGame(const TableSnapshot &table) override;
    void betPlaced(const TableSnapshot &table) override;
    void dealt(int position, const TableSnapshot &table) override;
    void rising(int position, const TableSnapshot &table) override;
    void marked(int position, const TableSnapshot &table) override;
    void handDealt(const TableSnapshot &table) override;
    void paid(const TableSnapshot &table) override;

    // While an operation runs (a deal pauses) the hand name does not blink.
    void holdBlink(bool held) { m_blinkHeld = held; }

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
    // Draws the whole table as the snapshot has it.
    void draw(const TableSnapshot &table);
    // Enables the phase's button and gives it the focus, then disables the other.
    void showPhase(RoundPhase phase);
    void showBlinking(bool blinking);
    void blink();
    // Describes the table on the round's button after the event and sends its news.
    void narrate(narration::Event event);
    qint64 chosenStake() const;
    QPushButton *phaseButton() const;

    CardPictures m_pictures;
    std::array<PictureBox *, 5> m_faces{};
    std::array<PictureBox *, 5> m_covers{};
    QLabel *m_stake = nullptr;
    QLabel *m_handName = nullptr;
    QLabel *m_won = nullptr;
    QLabel *m_balance = nullptr;
    QPushButton *m_bet = nullptr;
    QPushButton *m_deal = nullptr;
    std::array<QRadioButton *, 7> m_betChoices{};   // index = bet option 1..6; 0 unused
    QButtonGroup *m_betGroup = nullptr;
    QTimer *m_blinkTimer = nullptr;
    bool m_blinkHeld = false;

    TableSnapshot m_shown;                       // what the tab draws
    QPushButton *m_focusTarget = nullptr;       // the button of the phase shown
};
