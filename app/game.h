#pragma once

#include "core/money.h"
#include "core/hold.h"
#include "core/payoff.h"
#include "core/round.h"
#include "core/table.h"
#include "records/file_keeper.h"
#include "records/hiscores.h"
#include "records/settings.h"
#include "records/statistics.h"
#include "app/input_gate.h"
#include "ui/key_repeat_filter.h"

#include <QDir>
#include <QObject>
#include <functional>
#include <memory>

class AboutWindow;
class Clock;
class MainWindow;
class NamePrompt;
class RandomSource;
class SaveFailurePrompt;
class StartupWindow;

// The whole program: its records, the game core, the three windows, and the order in which
// they start, play and end.
class Game : public QObject {
    Q_OBJECT
public:
    struct Platform {
        Clock &clock;
        RandomSource &random;
        NamePrompt &namePrompt;
        SaveFailurePrompt &saveFailurePrompt;
        QDir folder;   // where hi.dat and cfg.dat live
    };

    explicit Game(const Platform &platform);
    ~Game() override;

    // Shows the start-up window, starts the first game with the built-in start sum, then reads
    // the settings and the hi-scores. The main window follows when the start-up window's timer
    // fires. A start-up window already on the screen may be handed in, so that it shows while
    // the rest of the program is built.
    void StartUp(std::unique_ptr<StartupWindow> startupWindow = {});
    void NewGame();
    // Every command a player gives comes in here; the input gate decides when it is carried out.
    void perform(const Command &command);
    // The menu commands: "&New" and "&Exit" end the game and offer its result to the hi-scores.
    void newCommand();
    void exitCommand();
    void aboutCommand();

    MainWindow &mainWindow() const { return *m_mainWindow; }
    StartupWindow &startupWindow() const { return *m_startupWindow; }
    AboutWindow &aboutWindow();
    const Table &table() const { return m_round.table(); }
    Money &money() { return m_money; }
    Payoff &payoff() { return m_payoff; }
    Statistics &statistics() { return m_statistics; }
    Settings &settings() { return m_settings; }
    HiScores &hiScores() { return m_hiScores; }
    InputGate &gate() { return m_gate; }

    // Asked once "&Deal" has passed the input gate, before the draw: whether to draw now (the
    // hand as dealt, the positions kept). It may open a modal dialog.
    using DrawCheck = std::function<bool(const Hand &dealt, Hold kept)>;
    void setDrawCheck(DrawCheck check) { m_drawCheck = std::move(check); }
    // Keeps the game in play from the hi-score list at "&New" and "&Exit"; a new game ends it.
    void keepFromHiScores() { m_keptFromHiScores = true; }
    bool keptFromHiScores() const { return m_keptFromHiScores; }

    QString hiScoreFile() const;
    QString settingsFile() const;

signals:
    // The program is to end now.
    void finished();
    // A bet's hand is dealt: the round is in its draw phase.
    void handDealt();
    // A round is over: the hand as dealt, the positions kept for the draw and the bet units it was played for.
    void handDrawn(const Hand &dealt, Hold kept, int units);
    // A new game has started.
    void gameStarted();

private:
    void connectWindow();
    void carryOut(const Command &command);
    // "&Deal": the draw and the payout of the round, then the hand told to whoever coaches.
    void drawAndPay();
    void FillHiScoreList();
    void handOver();
    // The positions marked to keep, bit p - 1 for position p.
    Hold keptPositions() const;
    void offerToHiScores();
    // Writes hi.dat, then cfg.dat, each on its own and onto what another game saved there
    // meanwhile; after a failure asks whether to try that file again or leave it unsaved.
    void saveRecords();
    // One file each, once its keeper lets it be replaced; false with a reason otherwise. Call only
    // while holding the RecordsLock.
    bool saveHiScores(QString *error);
    // hi.dat as it is now, with this run's changes put onto it (unless it cannot be read).
    FileCondition readHiScoresAgain();
    bool saveSettings(QString *error);

    Platform m_platform;
    Settings m_settings;
    Statistics m_statistics;
    HiScores m_hiScores;
    FileKeeper m_hiScoreKeeper;
    FileKeeper m_settingsKeeper;
    Payoff m_payoff;
    Money m_money;
    KeyRepeatFilter m_keyRepeats;
    InputGate m_gate;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<StartupWindow> m_startupWindow;
    std::unique_ptr<AboutWindow> m_aboutWindow;
    Round m_round;
    DrawCheck m_drawCheck;
    bool m_keptFromHiScores = false;
};
