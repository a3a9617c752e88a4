#include "ui/round_narration.h"

#include "core/money.h"
#include "ui/bus_events.h"
#include "ui/held_focus.h"
#include "ui/picture_box.h"
#include "ui/spoken_texts.h"

#include <QPushButton>

RoundNarration::RoundNarration(const Controls &controls, const Money &money)
    : m_controls(controls), m_money(money)
{
}

void RoundNarration::cardShown(int index, std::optional<Card> card)
{
    m_cards[index] = card;
    describeCard(index);
}

void RoundNarration::coverShown(int index, bool covered)
{
    m_covered[index] = covered;
    describeCard(index);
}

void RoundNarration::handNamed(const QString &name)
{
    m_handName = name;
    describeTable();
}

void RoundNarration::stakeChosen(qint64 stake)
{
    m_stakeChosen = stake;
    describeTable();
}

void RoundNarration::describeCard(int index)
{
    QString state;
    if (!m_cards[index])
        state = spoken::noCardDealt();
    else if (m_covered[index])
        state = spoken::faceDown();
    else
        state = spoken::faceUp();
    PictureBox *face = m_controls.faces[index];
    if (m_cards[index])
        face->setAccessibleName(spoken::faceName(cardName(*m_cards[index]), m_covered[index]));
    face->setStateDescription(state);
    m_controls.covers[index]->setStateDescription(spoken::coverOf(index + 1));
    describeTable();
}

// Both round buttons describe the whole table, so that the focused one answers "where am I" and
// is read out so as the focus arrives. The news of a step is told apart (tell).
void RoundNarration::describeTable()
{
    QStringList faces;
    for (int index = 0; index < kPositions; ++index) {
        if (m_cards[index])
            faces << spoken::faceName(cardName(*m_cards[index]), m_covered[index]);
    }
    const QString said = faces.isEmpty()
        ? spoken::newGame(m_money.balance(), m_stakeChosen)
        : spoken::table(faces, m_handName, m_money.stakeShown(), m_money.winShown(), m_money.balance());
    for (QPushButton *button : {m_controls.bet, m_controls.deal})
        button->setAccessibleDescription(said);
}

void RoundNarration::dealBegins()
{
    holdFocusNews(m_controls.deal);
}

void RoundNarration::cardsDealt()
{
    releaseFocusNews(m_controls.deal);
}

void RoundNarration::cardMarked(int index, bool exchanged)
{
    if (m_cards[index])
        tell(m_controls.deal, spoken::marked(cardName(*m_cards[index]), exchanged));
}

void RoundNarration::newGameBegan(bool betKeptFocus)
{
    if (betKeptFocus)
        tell(m_controls.bet, m_controls.bet->accessibleDescription());
}

// News for the focused button is sent to the screen reader at once; a button that gets the focus
// is read out with its description.
void RoundNarration::tell(QPushButton *button, const QString &news)
{
    if (button->hasFocus())
        sendDescriptionChanged(button, news);
}
