#pragma once

#include <QColor>

// The inks of the suits on the faces of the cards the game deals (the Game and Help tabs, the
// coach). Two colours, red and black, unless the player asks for four: clubs green and diamonds
// blue, each with a contrast of at least 4.5:1 on the white face and all four told apart with
// each kind of colour blindness. Decorations (the fanned hands, chips, icon) keep red and black.
enum class SuitColours { TwoColour, FourColour };

// Chosen once, at start-up, before any card is drawn (pictures drawn are kept).
void useSuitColours(SuitColours colours);

// The ink of a suit (core/card.h: Diamonds .. Spades) in the colours chosen.
QColor cardInk(int suit);
// The same in the given colours.
QColor suitInk(SuitColours colours, int suit);

inline const QColor kCardFaceColour{255, 255, 255};
