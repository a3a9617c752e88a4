#pragma once

#include <QMainWindow>

class GameTab;
class HiScoreTab;
class Money;
class Payoff;
class QAction;
class RandomSource;
class Settings;
class Statistics;
class TabControl;

// The main window: the menu and the six tabs. It reports the player's commands; the
// application decides what they do.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Models {
        Money &money;
        Statistics &statistics;
        Settings &settings;
        const Payoff &payoff;
        RandomSource &random;
    };

    explicit MainWindow(const Models &models);

    GameTab *gameTab() const { return m_game; }
    HiScoreTab *hiScoreTab() const { return m_hiScores; }
    TabControl *tabs() const { return m_tabs; }

signals:
    void newChosen();
    void exitChosen();
    void aboutChosen();
    void digitPressed(int position);
    void closedByWindowSystem();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void addDesktopKeys(QAction *exit);

    TabControl *m_tabs;
    GameTab *m_game;
    HiScoreTab *m_hiScores;
};
