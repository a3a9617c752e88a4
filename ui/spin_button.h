#pragma once

#include <QWidget>

class QToolButton;

// A pair of up and down arrows with no value of its own: it only reports presses.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent);

signals:
    void up();
    void down();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
