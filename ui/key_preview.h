#pragma once

#include <QObject>

class QKeyEvent;
class QWindow;

// Table position 1..5 for a press of the keys 1 to 5, 0 for any other key. A digit-row key is
// recognised by where it sits, not by the character it types: Shift+3 on a US layout and the
// unshifted 3 key of a French layout both give 3. The keypad's digits count as well, as long as
// they type digits (Num Lock on); otherwise they move like arrow keys.
int cardKeyPosition(const QKeyEvent &event);

// Sees every key press of a window before the control that has the focus, and lets it go on.
// While the focus is in a control that takes text, the digits are text and mark no card. (The
// repeats of a held key never come this far: KeyRepeatFilter drops them.)
class KeyPreview : public QObject {
    Q_OBJECT
public:
    explicit KeyPreview(QWindow *window);

signals:
    void digitPressed(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
