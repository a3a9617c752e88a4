#include "core/table.h"

#include "core/clock.h"
#include "core/random_source.h"
#include "records/settings.h"

Table::Table(TableEvents &events, Clock &clock, RandomSource &random, const Settings &settings)
    : m_events(events), m_clock(clock), m_random(random), m_settings(settings)
{
}

void Table::NewDeck()
{
    m_deck.refill();
    m_dealt.fill(false);
    m_faceDown.fill(true);
    m_phase = NewDeckDealPending;
    m_keep.fill(false);
}

void Table::DealCards()
{
    m_random.reseed();
    for (int position = 1; position <= kPositions; ++position) {
        if (m_keep[position - 1] || m_phase == RoundComplete)
            continue;
        const Card card = m_deck.draw(m_random);
        m_cards[position - 1] = card;
        m_dealt[position - 1] = true;
        RevealCard(position);
        m_clock.pause(kCardPause);
    }
    m_keep.fill(true);
    m_phase = m_phase == NewDeckDealPending ? DrawPending : RoundComplete;
}

std::optional<Card> Table::shownCard(int position) const
{
    if (!m_dealt[position - 1])
        return std::nullopt;
    return m_cards[position - 1];
}

void Table::RevealCard(int position)
{
    m_faceDown[position - 1] = false;
    // A card of the draw rises from behind the frame below the row, shows its top edge for a
    // moment, then jumps into its place.
    if (m_settings.slow() && m_phase != NewDeckDealPending) {
        m_events.cardRising(position);
        m_clock.pause(kRisePause);
    }
    m_events.cardDealt(position);
}

void Table::toggleMark(int position, Trigger trigger)
{
    if (m_phase != DrawPending)
        return;
    bool &keep = m_keep[position - 1];
    keep = !keep;
    m_faceDown[position - 1] = !keep;
    m_events.cardMarked(position);
    if (keep && trigger == Trigger::Face)
        RevealCard(position);
}

void Table::uncoverAll()
{
    m_faceDown.fill(false);
}
