#pragma once

#include <QColor>

// The inks of the suits on every card the game shows (dealt cards on the Game and Help tabs and
// in the coach, the fanned hands of the pictures). Two colours, red and black, unless the player
// asks for four: clubs green and diamonds blue, each with a contrast of at least 4.5:1 on the
// white face and all four told apart with each kind of colour blindness. Suit symbols that are
// no cards (the chips, the icon) keep red and black.
enum class SuitColours { TwoColour, FourColour };

// Chosen once, at start-up, before any card is drawn (pictures drawn are kept).
void useSuitColours(SuitColours colours);
SuitColours suitColoursUsed();

// The ink of a suit (core/card.h: Diamonds .. Spades) in the colours chosen.
QColor cardInk(int suit);
// The same in the given colours.
QColor suitInk(SuitColours colours, int suit);

inline const QColor kCardFaceColour{255, 255, 255};
