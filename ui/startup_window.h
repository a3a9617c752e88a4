#pragma once

#include <QWidget>

class QTimer;

// The start-up window: a picture without title bar, shown while the program loads its files.
// It times itself from the moment it is created and hands over to the main window once, after
// kHandOverMs. For tests only, QUINTDRAW_TEST_STARTUP_MS (milliseconds) shortens that wait;
// the game ignores the variable when it is unset or asks for no less.
class StartupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHandOverMs = 5000;

    StartupWindow();

signals:
    // The window has hidden itself for good; the main window takes over now.
    void handOver();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void timerTick();
    void tellShown();

    QTimer *m_timer;
};
