#include "core/table.h"

#include "core/clock.h"
#include "core/random_source.h"
#include "core/table_view.h"
#include "records/settings.h"

Table::Table(TableView &view, Clock &clock, RandomSource &random, const Settings &settings)
    : m_view(view), m_clock(clock), m_random(random), m_settings(settings)
{
    m_faceTop.fill(kDesignRowTop);
}

void Table::ShowCardBacks()
{
    for (int i = 0; i < kPositions; ++i)
        m_view.showCardBack(i);
}

void Table::NewDeck()
{
    ShowCardBacks();
    m_deck.refill();
    for (int i = 0; i < kPositions; ++i)
        m_view.setCoverVisible(i, true);
    m_phase = NewDeckDealPending;
    m_keep.fill(false);
}

void Table::DealCards()
{
    m_random.reseed();
    for (int position = 1; position <= kPositions; ++position) {
        if (m_keep[position - 1] || m_phase <= 0)
            continue;
        const Card card = m_deck.draw(m_random);
        m_cards[position - 1] = card;
        m_view.showCard(position - 1, card);
        RevealCard(position);
        m_clock.pause(kCardPause);
    }
    m_keep.fill(true);
    --m_phase;
}

void Table::RevealCard(int position)
{
    const int index = position - 1;
    if (!m_settings.slow() || m_phase == NewDeckDealPending) {
        m_view.setCoverVisible(index, false);
        return;
    }
    // The card rises from behind the frame below the row, shows its top edge for a moment,
    // then jumps into its place.
    int top = m_faceTop[index] + 900;
    m_view.setCoverVisible(index, false);
    for (int step = 0; step < 28; ++step) {
        top -= 11;
        m_faceTop[index] = top;
        m_view.moveFace(index, top);
    }
    m_clock.pause(kRisePause);
    m_faceTop[index] = m_rowTop;
    m_view.moveFace(index, m_rowTop);
}

void Table::toggleMark(int position, Trigger trigger)
{
    if (m_phase != DrawPending)
        return;
    const int index = position - 1;
    bool &keep = m_keep[index];
    if (keep) {
        keep = false;
        m_view.setCoverVisible(index, true);
        m_view.cardMarked(index, true);
        if (trigger != Trigger::Cover)
            m_view.moveCover(index, m_rowTop);
    } else {
        keep = true;
        m_view.setCoverVisible(index, false);
        m_view.cardMarked(index, false);
        if (trigger == Trigger::Face)
            RevealCard(position);
    }
}

void Table::uncoverAll()
{
    for (int index = 0; index < kPositions; ++index) {
        m_view.setCoverVisible(index, false);
        m_view.moveCover(index, m_rowTop);
    }
}
