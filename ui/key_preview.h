#pragma once

#include <QObject>

class QKeyEvent;
class QWindow;

// Table position 1..5 for a press of the digit-row keys 1 to 5, 0 for any other key. The key is
// recognised by where it sits, not by the character it types: Shift+3 on a US layout and the
// unshifted 3 key of a French layout both give 3; the numeric keypad gives 0.
int digitRowPosition(const QKeyEvent &event);

// Sees every key press of a window before the control that has the focus, and lets it go on.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    explicit KeyPreview(QWindow *window);

signals:
    void digitPressed(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
