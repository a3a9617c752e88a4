#pragma once

#include "core/card.h"

// What the table shows: for each position index 0..4 a face image with a cover above it.
// Tops are in twips; a face or cover only ever moves up and down, keeping its left edge.
class TableView {
public:
    virtual ~TableView() = default;

    virtual void showCardBack(int index) = 0;
    // Puts the card's picture on the face and paints it at once, so that it is visible during
    // the pause that follows.
    virtual void showCard(int index, Card card) = 0;
    virtual void setCoverVisible(int index, bool visible) = 0;
    // The player marked the card for exchange or unmarked it; its cover already shows it.
    virtual void cardMarked(int index, bool exchanged) = 0;
    virtual void moveFace(int index, int top) = 0;
    virtual void moveCover(int index, int top) = 0;
    virtual int coverTop(int index) const = 0;
};
