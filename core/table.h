#pragma once

#include "core/card.h"
#include "core/deck.h"

#include <array>

class Clock;
class RandomSource;
class Settings;
class TableView;

// The card table: the deck, the five positions with their keep flags, and the round phase.
// Positions are 1..5 from left to right; the view's index is position - 1.
class Table {
public:
    enum Phase { RoundComplete = 0, DrawPending = 1, NewDeckDealPending = 2 };
    enum class Trigger { Face, Cover, Key };

    static constexpr int kDesignRowTop = 1200;   // twips
    static constexpr double kCardPause = 0.1;    // seconds after each dealt card
    static constexpr double kRisePause = 1.3;    // seconds a rising card shows its top edge

    Table(TableView &view, Clock &clock, RandomSource &random, const Settings &settings);

    void ShowCardBacks();
    void NewDeck();
    // Deals every position whose keep flag is 0 while the phase is above 0, then keeps all
    // five and lowers the phase by one.
    void DealCards();
    void RevealCard(int position);
    // Marks or unmarks a card for exchange; ignored outside the draw-pending phase.
    void toggleMark(int position, Trigger trigger);
    // End of a round: every cover hidden and back in the card row, so the whole hand shows.
    void uncoverAll();

    int DealPhase() const { return m_phase; }
    bool KeepCard(int position) const { return m_keep[position - 1]; }
    const Hand &cards() const { return m_cards; }
    const Deck &deck() const { return m_deck; }
    int CardRowTop() const { return m_rowTop; }
    void setCardRowTop(int top) { m_rowTop = top; }

private:
    TableView &m_view;
    Clock &m_clock;
    RandomSource &m_random;
    const Settings &m_settings;

    Deck m_deck;
    Hand m_cards{};
    std::array<bool, kPositions> m_keep{};
    std::array<int, kPositions> m_faceTop;
    int m_phase = NewDeckDealPending;
    int m_rowTop = kDesignRowTop;
};
