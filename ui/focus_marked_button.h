#pragma once

#include <QPushButton>

// A push button that shows its focus mark whenever it has the focus, however it got it: the
// round moves the focus between its buttons by program, and the keyboard player must still see
// what Space will press. Return and keypad Enter press it too, as they press a dialog's buttons.
class FocusMarkedButton : public QPushButton {
    Q_OBJECT
public:
    FocusMarkedButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

protected:
    void initStyleOption(QStyleOptionButton *option) const override;
    void keyPressEvent(QKeyEvent *event) override;
};
