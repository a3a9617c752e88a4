#pragma once

class QDialog;

// Makes a dialog of the game look like the game's own windows: the game's window icon in its
// caption, its texts in the windows' family, and its buttons plain and bold like the About
// window's "Ok", without the style's stock pictures. Call once the dialog holds its buttons.
void giveGameLook(QDialog &dialog);
