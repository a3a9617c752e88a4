#include "ui/focus_marked_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

void FocusMarkedButton::initStyleOption(QStyleOptionButton *option) const
{
    QPushButton::initStyleOption(option);
    // Styles draw the mark only for a focus that came from the keyboard.
    if (hasFocus())
        option->state |= QStyle::State_KeyboardFocusChange;
}

void FocusMarkedButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && !(event->modifiers() & ~Qt::KeypadModifier))
        click();
    else
        QPushButton::keyPressEvent(event);
}
