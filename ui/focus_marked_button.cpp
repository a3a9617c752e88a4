#include "ui/focus_marked_button.h"

#include <QStyleOptionButton>

void FocusMarkedButton::initStyleOption(QStyleOptionButton *option) const
{
    QPushButton::initStyleOption(option);
    // Styles draw the mark only for a focus that came from the keyboard.
    if (hasFocus())
        option->state |= QStyle::State_KeyboardFocusChange;
}
