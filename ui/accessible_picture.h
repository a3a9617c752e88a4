#pragma once

class PictureBox;
class QAccessibleInterface;

// A picture as a screen reader sees it: named by what it shows, and a picture of text (a help
// topic, the About text) readable as text, line by line, one sentence a line.
QAccessibleInterface *accessiblePicture(PictureBox *picture);

// Marks `picture` as saying again what `original` says: while both are shown with the same
// name (two parts of one title, a cover over a card place that shows the back), a screen
// reader's review skips `picture`, so that each thing is read once.
void markRepeating(PictureBox *picture, PictureBox *original);
