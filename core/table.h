#pragma once

#include "core/card.h"
#include "core/deck.h"

#include <array>
#include <optional>

class Clock;
class RandomSource;
class Settings;

// What the table tells the round as it deals and marks, position by position (1..5).
class TableEvents {
public:
    virtual ~TableEvents() = default;
    virtual void cardDealt(int position) = 0;
    // Slow speed: the card begins to rise; the table pauses, then tells cardDealt.
    virtual void cardRising(int position) = 0;
    virtual void cardMarked(int position) = 0;
};

// The card table: the deck, the five positions with their keep flags, and the round phase.
// Positions are 1..5 from left to right.
class Table {
public:
    // Where the deal stands; each DealCards goes one step down.
    enum Phase : int { RoundComplete = 0, DrawPending = 1, NewDeckDealPending = 2 };
    enum class Trigger { Face, Cover, Key };

    static constexpr double kCardPause = 0.1;    // seconds after each dealt card
    static constexpr double kRisePause = 1.3;    // seconds a rising card shows its top edge

    Table(TableEvents &events, Clock &clock, RandomSource &random, const Settings &settings);

    // Card backs on every position, a full deck, nothing kept.
    void NewDeck();
    // Deals every position whose keep flag is 0 unless the round is complete, then keeps all
    // five and goes to the next phase.
    void DealCards();
    // Marks or unmarks a card for exchange; ignored outside the draw-pending phase.
    void toggleMark(int position, Trigger trigger);
    // End of a round: every card face up, so the whole hand shows.
    void uncoverAll();

    Phase DealPhase() const { return m_phase; }
    bool KeepCard(int position) const { return m_keep[position - 1]; }
    const Hand &cards() const { return m_cards; }
    const Deck &deck() const { return m_deck; }
    // What each position shows: its card, or none where the back shows.
    std::optional<Card> shownCard(int position) const;
    // Whether the card back lies over the card at the position.
    bool faceDown(int position) const { return m_faceDown[position - 1]; }

private:
    void RevealCard(int position);

    TableEvents &m_events;
    Clock &m_clock;
    RandomSource &m_random;
    const Settings &m_settings;

    Deck m_deck;
    Hand m_cards{};
    std::array<bool, kPositions> m_keep{};
    std::array<bool, kPositions> m_dealt{};
    std::array<bool, kPositions> m_faceDown{};
    Phase m_phase = NewDeckDealPending;
};
