#include "app/game.h"

#include "records/hiscore_file.h"
#include "records/records_lock.h"
#include "records/save_failure_prompt.h"
#include "records/settings_file.h"
#include "ui/about_window.h"
#include "ui/game_tab.h"
#include "ui/hiscore_tab.h"
#include "ui/main_window.h"
#include "ui/records_notice.h"
#include "ui/startup_window.h"

#include <QPushButton>

Game::Game(const Platform &platform)
    : m_platform(platform),
      m_mainWindow(std::make_unique<MainWindow>(
          MainWindow::Models{m_money, m_statistics, m_settings, m_payoff, platform.random, m_gate})),
      m_table(*m_mainWindow->gameTab(), platform.clock, platform.random, m_settings),
      m_round(m_table, m_payoff, m_money, m_statistics, *m_mainWindow->gameTab())
{
    connectWindow();
}

Game::~Game() = default;

void Game::connectWindow()
{
    GameTab *tab = m_mainWindow->gameTab();
    connect(tab, &GameTab::betPressed, this, [this, tab] {
        m_gate.runClick(tab->betButton(), [this] { m_round.PlaceBet(); });
    });
    connect(tab, &GameTab::dealPressed, this, [this, tab] {
        m_gate.runClick(tab->dealButton(), [this] {
            if (m_table.DealPhase() != Table::DrawPending)
                return;   // a late press after the draw: nothing was dealt, nothing to tell
            const Hand dealt = m_table.cards();
            unsigned kept = 0;
            for (int position = 1; position <= kPositions; ++position)
                kept |= unsigned(m_table.KeepCard(position)) << (position - 1);
            m_round.DrawAndPay();
            emit handDrawn(dealt, kept, m_payoff.BetUnits());
        });
    });
    connect(tab, &GameTab::betChosen, this, [this](int option) { m_payoff.ChooseBet(option); });
    connect(tab, &GameTab::faceClicked, this, [this](int position) {
        m_gate.run([this, position] { m_table.toggleMark(position, Table::Trigger::Face); });
    });
    connect(tab, &GameTab::coverClicked, this, [this](int position) {
        m_table.toggleMark(position, Table::Trigger::Cover);
    });
    connect(m_mainWindow.get(), &MainWindow::digitPressed, this, [this](int position) {
        m_table.toggleMark(position, Table::Trigger::Key);
    });

    // Shortcuts reach the menu without passing the gate's event filter; a command chosen while
    // cards are dealt waits for the deal.
    connect(m_mainWindow.get(), &MainWindow::newChosen, this, [this] { m_gate.whenIdle([this] { newCommand(); }); });
    connect(m_mainWindow.get(), &MainWindow::exitChosen, this, [this] { m_gate.whenIdle([this] { exitCommand(); }); });
    connect(m_mainWindow.get(), &MainWindow::aboutChosen, this, [this] { m_gate.whenIdle([this] { aboutCommand(); }); });
    // Closing the window through the window system ends the program at once, saving nothing.
    connect(m_mainWindow.get(), &MainWindow::closedByWindowSystem, this, &Game::finished);

    connect(m_mainWindow->hiScoreTab(), &HiScoreTab::resetPressed, &m_hiScores, &HiScores::ResetHiScores);
    connect(&m_hiScores, &HiScores::changed, this, &Game::FillHiScoreList);
}

QString Game::hiScoreFile() const
{
    return m_platform.folder.filePath(QStringLiteral("hi.dat"));
}

QString Game::settingsFile() const
{
    return m_platform.folder.filePath(QStringLiteral("cfg.dat"));
}

void Game::StartUp(std::unique_ptr<StartupWindow> startupWindow)
{
    m_startupWindow = startupWindow ? std::move(startupWindow) : std::make_unique<StartupWindow>();
    connect(m_startupWindow.get(), &StartupWindow::handOver, this, &Game::handOver);
    m_startupWindow->show();
    NewGame();
    const FileStamp settingsStamp = FileStamp::of(settingsFile());
    m_settingsKeeper = FileKeeper(LoadSettings(m_settings, m_statistics, settingsFile()), settingsStamp);
    const FileStamp hiScoreStamp = FileStamp::of(hiScoreFile());
    m_hiScoreKeeper = FileKeeper(LoadHiScores(m_hiScores, hiScoreFile()), hiScoreStamp);
    FillHiScoreList();
}

void Game::handOver()
{
    m_mainWindow->show();
    m_mainWindow->activateWindow();
    m_mainWindow->gameTab()->focusRoundButton();
    QStringList notices{m_hiScoreKeeper.startNotice(hiScoreFile()), m_settingsKeeper.startNotice(settingsFile())};
    notices.removeAll(QString());
    if (!notices.isEmpty())
        showRecordsNotice(m_mainWindow.get(), notices.join(QStringLiteral("\n\n")));
}

void Game::NewGame()
{
    m_round.NewGame(m_settings.startSum());
    m_table.setCardRowTop(m_mainWindow->gameTab()->coverTop(1));
}

void Game::FillHiScoreList()
{
    m_mainWindow->hiScoreTab()->showLines(m_hiScores.lines());
}

void Game::newCommand()
{
    m_hiScores.CheckHiScore(m_money.GameResult(), m_platform.namePrompt, m_settings.defaultName());
    NewGame();
}

void Game::exitCommand()
{
    m_hiScores.CheckHiScore(m_money.GameResult(), m_platform.namePrompt, m_settings.defaultName());
    saveRecords();
    emit finished();
}

void Game::saveRecords()
{
    bool hiScoresSaved = false;
    for (;;) {
        QString error;
        QString failedFile;
        {
            const RecordsLock lock(m_platform.folder.path());
            if (!hiScoresSaved) {
                hiScoresSaved = saveHiScores(&error);
                if (!hiScoresSaved)
                    failedFile = hiScoreFile();
            }
            if (hiScoresSaved) {
                if (saveSettings(&error))
                    return;
                failedFile = settingsFile();
            }
        }
        QStringList unsaved;
        if (!hiScoresSaved)
            unsaved.append(hiScoreFile());
        unsaved.append(settingsFile());
        if (m_platform.saveFailurePrompt.askAfterFailure(failedFile, error, unsaved)
            == SaveFailurePrompt::Choice::LeaveWithoutSaving)
            return;
    }
}

bool Game::saveHiScores(QString *error)
{
    const QString file = hiScoreFile();
    const auto readAgain = [&] {
        HiScores found;
        const FileCondition condition = LoadHiScores(found, file);
        if (condition != FileCondition::Unreadable)
            m_hiScores.putChangesOnto(found.entries());
        return condition;
    };
    return m_hiScoreKeeper.save(file, readAgain, [&](QString *why) { return SaveHiScores(m_hiScores, file, why); },
                                error);
}

bool Game::saveSettings(QString *error)
{
    const QString file = settingsFile();
    const auto readAgain = [&] {
        Settings foundSettings;
        Statistics found;
        const FileCondition condition = LoadSettings(foundSettings, found, file);
        if (condition != FileCondition::Unreadable)
            m_statistics.putChangesOnto(found);
        return condition;
    };
    return m_settingsKeeper.save(
        file, readAgain, [&](QString *why) { return SaveSettings(m_settings, m_statistics, file, why); }, error);
}

AboutWindow &Game::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<AboutWindow>(m_mainWindow.get());
    return *m_aboutWindow;
}

void Game::aboutCommand()
{
    aboutWindow().exec();
}
