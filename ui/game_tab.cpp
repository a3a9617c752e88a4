#include "ui/game_tab.h"

#include "core/payoff.h"
#include "ui/accessible_picture.h"
#include "ui/controls.h"
#include "ui/focus_marked_button.h"
#include "ui/image_list.h"
#include "ui/palette.h"
#include "ui/picture_box.h"
#include "ui/spoken_texts.h"
#include "ui/held_focus.h"
#include "ui/bus_events.h"

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
constexpr int kCardTop = 1200;
// A rising card starts hidden behind the frame below the row and climbs in steps until its top
// edge shows; then, after the round's pause, it takes its place in the row.
constexpr int kRiseDepth = 900;
constexpr int kRiseSteps = 28;
constexpr int kRiseStep = 11;

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

QString moneyText(qint64 amount)
{
    return QString::number(amount);
}

} // namespace

GameTab::GameTab(const CardPictures &pictures, QWidget *parent)
    : QWidget(parent), m_pictures(pictures)
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

    buildBetChoice();

    m_blinkTimer = named(new QTimer(this), QStringLiteral("Timer1"));
    connect(m_blinkTimer, &QTimer::timeout, this, &GameTab::blink);
}

void GameTab::buildCards()
{
    for (int i = 0; i < kPositions; ++i) {
        m_faces[i] = named(new PictureBox(this), member("Image1", i));
        placeTwips(m_faces[i], kCardLeftOf(i), kCardTop, 1335, 855);
        connect(m_faces[i], &PictureBox::clicked, this, [this, i] { emit faceClicked(i + 1); });
    }
    // Created after the faces, so each cover lies above its face.
    for (int i = 0; i < kPositions; ++i) {
        m_covers[i] = named(new PictureBox(this), member("Image2", i));
        placeTwips(m_covers[i], kCardLeftOf(i), kCardTop, 1395, 810);
        m_covers[i]->setPicture(m_pictures.back->picture());
        m_covers[i]->setStateDescription(spoken::coverOf(i + 1));
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
    for (int k = 1; k <= Payoff::kBetOptions; ++k) {
        const Choice &choice = choices[k - 1];
        const QString stake = QString::number(Payoff::stakeForOption(k));
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
    connect(m_betGroup, &QButtonGroup::idToggled, this, [this] { narrate(narration::Event::StakeChosen); });
}

qint64 GameTab::chosenStake() const
{
    return Payoff::stakeForOption(qMax(m_betGroup->checkedId(), 1));
}

QPushButton *GameTab::phaseButton() const
{
    return m_shown.phase == RoundPhase::Bet ? m_bet : m_deal;
}

void GameTab::draw(const TableSnapshot &table)
{
    m_shown = table;
    for (int i = 0; i < kPositions; ++i) {
        const std::optional<Card> card = table.cards[i];
        const Picture picture = card ? m_pictures.lists[card->suit]->picture(card->rank - 1) : m_pictures.back->picture();
        // Set only when it changes: the picture names the face, and the narration may have named it more.
        const bool faceChanged = m_faces[i]->picture() != picture;
        if (faceChanged)
            m_faces[i]->setPicture(picture);
        const bool coverChanged = m_covers[i]->isVisibleTo(this) != table.faceDown[i];
        m_covers[i]->setVisible(table.faceDown[i]);
        // Whether a screen reader's review skips the cover depends on both pictures.
        if (faceChanged || coverChanged)
            sendShowingState(m_covers[i]);
    }
    m_handName->setText(table.category ? handLabel(*table.category) : QString());
    m_balance->setText(moneyText(table.balance));
    m_stake->setText(moneyText(table.stake));
    m_won->setText(table.win ? moneyText(*table.win) : QString());
}

void GameTab::newGame(const TableSnapshot &table)
{
    const bool betKeepsFocus = m_bet->isEnabled() && m_bet->hasFocus();
    draw(table);
    m_betChoices[1]->setChecked(true);
    // Tab enters a group of choices at the one that last had the focus (Qt gives Tab to that one
    // alone); the stake chosen anew is where it must enter.
    for (int k = 1; k <= 6; ++k) {
        const Qt::FocusPolicy policy = m_betChoices[k]->focusPolicy();
        m_betChoices[k]->setFocusPolicy(k == 1 ? Qt::FocusPolicy(policy | Qt::TabFocus) : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
    showBlinking(false);
    showPhase(RoundPhase::Bet);
    narrate(narration::Event::NewGame);
    // A new game between rounds leaves the focus on "&Bet >>", so nothing else would tell it.
    if (betKeepsFocus)
        sendDescriptionChanged(m_bet, narration::news(narration::Event::NewGame, 0, m_shown, chosenStake()));
}

void GameTab::betPlaced(const TableSnapshot &table)
{
    draw(table);
    showBlinking(false);
    // "&Deal" takes the focus now; a screen reader hears of it once the cards are dealt and
    // reads it out with the dealt table.
    holdFocusNews(m_deal);
    showPhase(RoundPhase::Draw);
}

void GameTab::dealt(int position, const TableSnapshot &table)
{
    draw(table);
    PictureBox *face = m_faces[position - 1];
    face->move(px(kCardLeftOf(position - 1)), px(kCardTop));
    // Painted at once, so that it is seen during the pause that follows.
    face->repaint();
    narrate(narration::Event::Dealt);
}

void GameTab::rising(int position, const TableSnapshot &table)
{
    draw(table);
    PictureBox *face = m_faces[position - 1];
    int top = kCardTop + kRiseDepth;
    for (int step = 0; step < kRiseSteps; ++step) {
        top -= kRiseStep;
        face->move(px(kCardLeftOf(position - 1)), px(top));
        face->repaint();
    }
    narrate(narration::Event::Rising);
}

void GameTab::marked(int position, const TableSnapshot &table)
{
    draw(table);
    narrate(narration::Event::Marked);
    if (m_deal->hasFocus())
        sendDescriptionChanged(m_deal, narration::news(narration::Event::Marked, position, m_shown, chosenStake()));
}

void GameTab::handDealt(const TableSnapshot &table)
{
    draw(table);
    showBlinking(table.handPays);
    narrate(narration::Event::HandDealt);
    releaseFocusNews(m_deal);
}

void GameTab::paid(const TableSnapshot &table)
{
    draw(table);
    showBlinking(table.handPays);
    // Described before "&Bet >>" takes the focus, so that it is read out with the result.
    narrate(narration::Event::Paid);
    showPhase(RoundPhase::Bet);
}

// The phase's button is enabled and takes the focus before the other one is disabled: a
// focused button that is disabled would pass the focus on along the tab order, through the bet
// options or the tab captions. A control of a hidden tab never takes the focus; the button gets
// it when the tab is shown.
void GameTab::showPhase(RoundPhase phase)
{
    const bool betting = phase == RoundPhase::Bet;
    QPushButton *button = betting ? m_bet : m_deal;
    QPushButton *other = betting ? m_deal : m_bet;
    button->setEnabled(true);
    m_focusTarget = button;
    if (isVisible())
        button->setFocus();
    other->setEnabled(false);
    for (int k = 1; k <= Payoff::kBetOptions; ++k)
        m_betChoices[k]->setEnabled(betting);
}

void GameTab::narrate(narration::Event event)
{
    if (!narration::describes(event))
        return;
    for (int p = 1; p <= kPositions; ++p) {
        const QString name = narration::faceName(m_shown, p);
        // Qt tells a screen reader of every name and description set, changed or not.
        if (!name.isEmpty() && m_faces[p - 1]->accessibleName() != name)
            m_faces[p - 1]->setAccessibleName(name);
        m_faces[p - 1]->setStateDescription(narration::faceState(m_shown, p));
    }
    // The other button is disabled and cannot have the focus; it is described when its phase comes.
    const QString description = narration::tableDescription(m_shown, chosenStake());
    if (phaseButton()->accessibleDescription() != description)
        phaseButton()->setAccessibleDescription(description);
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

void GameTab::showBlinking(bool blinking)
{
    if (blinking)
        m_blinkTimer->start(kBlinkInterval);
    else
        m_blinkTimer->stop();
}

void GameTab::blink()
{
    // A tick that comes while a deal pauses is not acted upon.
    if (m_blinkHeld)
        return;
    m_handName->setVisible(!m_handName->isVisibleTo(this));
}
