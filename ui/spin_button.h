#pragma once

#include <QWidget>

class QToolButton;

// A pair of up and down arrows with no value of its own: it only reports presses, of the
// arrows or, with the focus, of the Up and Down keys, and then shows the focus mark. It shows
// screen readers the value it changes.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent);

    void setShownValue(qint64 value);
    qint64 shownValue() const { return m_value; }

signals:
    void up();
    void down();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    QWidget *m_focusMark;
    qint64 m_value = 0;
};
