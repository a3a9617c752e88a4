#pragma once

// Maps the fonts the windows name to the families installed with the game: Arial is found as
// Liberation Sans through fontconfig's metric aliases, but "MS Sans Serif" has no counterpart
// there and would fall back to another family. Call once, after the application exists.
void useGameFonts();
