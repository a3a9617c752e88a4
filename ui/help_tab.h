#pragma once

#include "records/category.h"

#include <QWidget>

#include <array>

class PictureBox;
class QPushButton;
class RandomSource;

// The "Help" tab: four text topics shown in one picture, and nine buttons that deal a random
// example of each hand category onto five example places. It never touches the game: the
// examples come from the picture store, not from the deck. Coordinates are the tab control's,
// the caption row included.
class HelpTab : public QWidget {
    Q_OBJECT
public:
    HelpTab(RandomSource &random, QWidget *parent);

private:
    // Every example place shows the card back again.
    void ClearExampleHand();
    // Deals an example and tells it on the button that asked for it.
    void showExample(Category category, QPushButton *button);

    RandomSource &m_random;
    std::array<PictureBox *, 5> m_places{};   // Image2(5..9): example place - 1
    PictureBox *m_topic = nullptr;            // Image4
};
