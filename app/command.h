#pragma once

// What a player can tell the game to do, by click, key or menu.
struct Command {
    enum class Kind {
        Bet,         // "&Bet >>"
        Deal,        // "&Deal"
        Face,        // a click on a card's face
        Cover,       // a click on a card's cover
        Digit,       // the keys 1 to 5
        ChooseBet,   // a bet choice
        New,         // the menu's "&New"
        Exit,        // the menu's "&Exit"
        About,       // the menu's "&About"
    };

    Kind kind;
    int value = 0;   // the position 1..5 of Face, Cover and Digit; the option 1..6 of ChooseBet
};
