#include "ui/game_tab.h"

#include "core/money.h"
#include "ui/accessible_picture.h"
#include "ui/bus_events.h"
#include "ui/controls.h"
#include "ui/focus_marked_button.h"
#include "ui/image_list.h"
#include "ui/input_gate.h"
#include "ui/palette.h"
#include "ui/picture_box.h"
#include "ui/round_narration.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

constexpr int kCardLeft = 120;
constexpr int kCardSpacing = 1440;
constexpr int kCardLeftOf(int index) { return kCardLeft + kCardSpacing * index; }

// Labels show their text from the top of the control, so a value lines up with its caption
// whatever the two controls' heights.
constexpr Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

QLabel *label(QWidget *parent, const QString &name, const QString &text, qreal points,
              const QColor &colour = {})
{
    auto *result = named(new QLabel(text, parent), name);
    result->setFont(arial(points));
    result->setAlignment(topLeft);
    if (colour.isValid()) {
        QPalette colours = result->palette();
        colours.setColor(QPalette::WindowText, colour);
        result->setPalette(colours);
    }
    return result;
}

// The stake of each bet choice SSOption2(k), k = 1..6.
constexpr std::array<int, 7> kChoiceStakes{0, 10, 20, 30, 40, 100, 200};

QString moneyText(qint64 amount)
{
    return QString::number(amount);
}

} // namespace

GameTab::GameTab(const CardPictures &pictures, const Money &money, const InputGate &gate, QWidget *parent)
    : QWidget(parent), m_pictures(pictures), m_money(money), m_gate(gate)
{
    auto *titleFirst = named(new PictureBox(this), QStringLiteral("Image8"));
    placeTwips(titleFirst, 1200, 480, 1305, 375);
    titleFirst->setPicture(Picture::of(Picture::Kind::TitleFirst));
    auto *titleRest = named(new PictureBox(this), QStringLiteral("Image7"));
    placeTwips(titleRest, 2400, 480, 2670, 540);
    titleRest->setPicture(Picture::of(Picture::Kind::TitleRest));
    markRepeating(titleRest, titleFirst);

    buildCards();
    buildFrame();

    label(this, QStringLiteral("Label1"), QStringLiteral("Balance:"), 15.75, kRed)->setGeometry(twipsRect(360, 3840, 1335, 375));
    m_balance = label(this, QStringLiteral("Label7"), QStringLiteral("0"), 15.75);
    placeTwips(m_balance, 1800, 3840, 2415, 375);

    auto *hand = named(new PictureBox(this), QStringLiteral("Image6"));
    placeTwips(hand, 4800, 3240, 1920, 1365);
    hand->setPicture(Picture::of(Picture::Kind::FannedHand));

    m_deal = named(new FocusMarkedButton(QStringLiteral("&Deal"), this), QStringLiteral("SSCommand2"));
    placeTwips(m_deal, 240, 5280, 1695, 615);
    m_deal->setFont(arial(12));
    m_deal->setEnabled(false);
    m_bet = named(new FocusMarkedButton(QStringLiteral("&Bet >>"), this), QStringLiteral("SSCommand1"));
    placeTwips(m_bet, 3600, 5280, 1695, 615);
    m_bet->setFont(arial(12));
    for (QPushButton *button : {m_deal, m_bet})
        button->setAutoDefault(false);
    connect(m_bet, &QPushButton::clicked, this, &GameTab::betPressed);
    connect(m_deal, &QPushButton::clicked, this, &GameTab::dealPressed);
    m_focusTarget = m_bet;
    m_narration = std::make_unique<RoundNarration>(RoundNarration::Controls{m_faces, m_covers, m_bet, m_deal}, m_money);

    buildBetChoice();

    m_blinkTimer = named(new QTimer(this), QStringLiteral("Timer1"));
    connect(m_blinkTimer, &QTimer::timeout, this, &GameTab::blink);

    connect(&m_money, &Money::changed, this, &GameTab::showMoney);
}

GameTab::~GameTab() = default;

void GameTab::buildCards()
{
    for (int i = 0; i < kPositions; ++i) {
        m_faces[i] = named(new PictureBox(this), member("Image1", i));
        placeTwips(m_faces[i], kCardLeftOf(i), 1200, 1335, 855);
        connect(m_faces[i], &PictureBox::clicked, this, [this, i] { emit faceClicked(i + 1); });
    }
    // Created after the faces, so each cover lies above its face.
    for (int i = 0; i < kPositions; ++i) {
        m_covers[i] = named(new PictureBox(this), member("Image2", i));
        placeTwips(m_covers[i], kCardLeftOf(i), 1200, 1395, 810);
        m_covers[i]->setPicture(m_pictures.back->picture());
        m_covers[i]->hide();
        markRepeating(m_covers[i], m_faces[i]);
        connect(m_covers[i], &PictureBox::clicked, this, [this, i] { emit coverClicked(i + 1); });
    }
}

void GameTab::buildFrame()
{
    // Created after the cards, so a card rising from below the row stays behind the frame.
    auto *frame = named(new QGroupBox(this), QStringLiteral("Frame1"));
    placeTwips(frame, 120, 2040, 7215, 1095);
    frame->setAutoFillBackground(true);
    label(frame, QStringLiteral("Label3"), QStringLiteral("Bet:"), 12, kRed)->setGeometry(twipsRect(120, 480, 495, 255));
    m_stake = label(frame, QStringLiteral("Label5"), QStringLiteral("0"), 12);
    placeTwips(m_stake, 720, 480, 735, 375);
    m_handName = label(frame, QStringLiteral("Label4"), QStringLiteral("Label4"), 12, kBlue);
    placeTwips(m_handName, 1680, 480, 3255, 375);
    m_handName->hide();
    label(frame, QStringLiteral("Label2"), QStringLiteral("Won:"), 12, kRed)->setGeometry(twipsRect(5040, 480, 615, 255));
    m_won = label(frame, QStringLiteral("Label6"), QStringLiteral("0"), 12);
    placeTwips(m_won, 5760, 480, 1335, 375);
}

void GameTab::buildBetChoice()
{
    struct Choice {
        QRect button;
        QRect caption;
    };
    static const Choice choices[] = {
        {{5640, 5130, 255, 255}, {5880, 5115, 375, 255}},
        {{6600, 5130, 255, 255}, {6855, 5115, 375, 300}},
        {{5640, 5415, 240, 300}, {5895, 5430, 375, 285}},
        {{6600, 5445, 255, 255}, {6855, 5430, 375, 285}},
        {{5640, 5760, 255, 255}, {5865, 5745, 495, 255}},
        {{6600, 5760, 255, 255}, {6840, 5745, 495, 255}},
    };
    m_betGroup = new QButtonGroup(this);
    for (int k = 1; k <= 6; ++k) {
        const Choice &choice = choices[k - 1];
        const QString stake = QString::number(kChoiceStakes[k]);
        auto *button = named(new QRadioButton(this), member("SSOption2", k));
        placeTwips(button, choice.button.x(), choice.button.y(), choice.button.width(), choice.button.height());
        button->setAccessibleName(QStringLiteral("Bet %1").arg(stake));
        m_betGroup->addButton(button, k);
        m_betChoices[k] = button;
        auto *caption = label(this, QStringLiteral("Label%1").arg(10 + k), stake, 12);
        // Not the button's buddy: a screen reader would say the amount before the button's
        // name, which says it already ("10. Bet 10.").
        placeTwips(caption, choice.caption.x(), choice.caption.y(), choice.caption.width(), choice.caption.height());
    }
    connect(m_betGroup, &QButtonGroup::idClicked, this, &GameTab::betChosen);
    connect(m_betGroup, &QButtonGroup::idToggled, this, &GameTab::showChosenStake);
    showChosenStake();
}

void GameTab::showChosenStake()
{
    m_narration->stakeChosen(kChoiceStakes[qMax(m_betGroup->checkedId(), 1)]);
}

void GameTab::showCardBack(int index)
{
    m_faces[index]->setPicture(m_pictures.back->picture());
    m_narration->cardShown(index, std::nullopt);
    sendShowingState(m_covers[index]);
}

void GameTab::showCard(int index, Card card)
{
    m_faces[index]->showPictureNow(m_pictures.lists[card.suit]->picture(card.rank - 1));
    m_narration->cardShown(index, card);
}

void GameTab::setCoverVisible(int index, bool visible)
{
    m_covers[index]->setVisible(visible);
    m_narration->coverShown(index, visible);
    sendShowingState(m_covers[index]);
}

void GameTab::cardMarked(int index, bool exchanged)
{
    m_narration->cardMarked(index, exchanged);
}

void GameTab::moveFace(int index, int top)
{
    m_faces[index]->move(px(kCardLeftOf(index)), px(top));
    m_faces[index]->repaint();
}

void GameTab::moveCover(int index, int top)
{
    m_covers[index]->move(px(kCardLeftOf(index)), px(top));
}

int GameTab::coverTop(int index) const
{
    return m_covers[index]->y() * kTwipsPerPixel;
}

// The phase's button is enabled and takes the focus before the other one is disabled: a
// focused button that is disabled would pass the focus on along the tab order, through the bet
// options or the tab captions. A control of a hidden tab never takes the focus; the button gets
// it when the tab is shown.
void GameTab::showPhase(Phase phase)
{
    const bool betting = phase == Phase::Bet;
    QPushButton *button = betting ? m_bet : m_deal;
    QPushButton *other = betting ? m_deal : m_bet;
    if (!betting)
        m_narration->dealBegins();
    button->setEnabled(true);
    m_focusTarget = button;
    if (isVisible())
        button->setFocus();
    other->setEnabled(false);
    for (int k = 1; k <= 6; ++k)
        m_betChoices[k]->setEnabled(betting);
}

void GameTab::cardsDealt()
{
    m_narration->cardsDealt();
}

void GameTab::newGameBegan()
{
    const bool betKeepsFocus = m_bet->isEnabled() && m_bet->hasFocus();
    m_betChoices[1]->setChecked(true);
    // Tab enters a group of choices at the one that last had the focus (Qt gives Tab to that one
    // alone); the stake chosen anew is where it must enter.
    for (int k = 1; k <= 6; ++k) {
        const Qt::FocusPolicy policy = m_betChoices[k]->focusPolicy();
        m_betChoices[k]->setFocusPolicy(k == 1 ? Qt::FocusPolicy(policy | Qt::TabFocus) : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
    setBlinkInterval(0);
    showHandName(std::nullopt);
    showPhase(Phase::Bet);
    m_narration->newGameBegan(betKeepsFocus);
}

void GameTab::focusRoundButton()
{
    if (m_focusTarget->isEnabled())
        m_focusTarget->setFocus();
}

void GameTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    focusRoundButton();
}

void GameTab::showHandName(std::optional<Category> category)
{
    m_handName->setText(category ? handLabel(*category) : QString());
    m_narration->handNamed(category ? categoryName(*category) : QString());
}

void GameTab::setBlinkInterval(int milliseconds)
{
    if (milliseconds > 0)
        m_blinkTimer->start(milliseconds);
    else
        m_blinkTimer->stop();
}

void GameTab::blink()
{
    // A tick that comes while a deal pauses is not acted upon.
    if (m_gate.isBusy())
        return;
    m_handName->setVisible(!m_handName->isVisibleTo(this));
}

void GameTab::showMoney()
{
    m_balance->setText(moneyText(m_money.balance()));
    m_stake->setText(moneyText(m_money.stakeShown()));
    const auto win = m_money.winShown();
    m_won->setText(win ? moneyText(*win) : QString());
    m_narration->describeTable();
}
