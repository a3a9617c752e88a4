#include "ui/suit_colours.h"

#include "core/card.h"
#include "ui/drawing.h"

namespace {

SuitColours chosen = SuitColours::TwoColour;

// Chosen by simulating protanopia, deuteranopia and tritanopia: the blue stays far from the
// black, and the green, a little bluish, keeps its distance from the red where a pure green
// would turn into the red's olive.
const QColor kFourColourBlue{0, 60, 180};
const QColor kFourColourGreen{0, 125, 96};

} // namespace

void useSuitColours(SuitColours colours)
{
    chosen = colours;
}

SuitColours suitColoursUsed()
{
    return chosen;
}

QColor cardInk(int suit)
{
    return suitInk(chosen, suit);
}

QColor suitInk(SuitColours colours, int suit)
{
    if (colours == SuitColours::FourColour && suit == Diamonds)
        return kFourColourBlue;
    if (colours == SuitColours::FourColour && suit == Clubs)
        return kFourColourGreen;
    return drawing::suitColour(suit);
}
