#pragma once

class QWidget;

// Holds back what a screen reader is told when `control` takes the focus, until
// releaseFocusNews: a round's button takes the focus as its step begins (the bet's deal), before
// it has anything to say, and a screen reader reads a control out when it hears of its focus,
// at once or a moment later. Told once the step is done, the control is read out once, whole.
// Only the screen reader's news waits; the focus itself moves at once.
void holdFocusNews(QWidget *control);
// Tells the held focus now, if the control took it meanwhile and still has it.
void releaseFocusNews(QWidget *control);
