#include "app/game.h"

#include "records/hiscore_file.h"
#include "records/save_each_file.h"
#include "records/settings_file.h"
#include "ui/about_window.h"
#include "ui/game_tab.h"
#include "ui/hiscore_tab.h"
#include "ui/main_window.h"
#include "ui/records_notice.h"
#include "ui/startup_window.h"


Game::Game(const Platform &platform)
    : m_platform(platform),
      m_mainWindow(std::make_unique<MainWindow>(
          MainWindow::Models{m_money, m_statistics, m_settings, m_payoff, platform.random})),
      m_round(m_payoff, m_money, m_statistics, *m_mainWindow->gameTab(), platform.clock, platform.random, m_settings)
{
    connectWindow();
}

Game::~Game() = default;

void Game::connectWindow()
{
    GameTab *tab = m_mainWindow->gameTab();
    const auto command = [this](Command::Kind kind) { return [this, kind] { perform({kind}); }; };
    const auto commandAt = [this](Command::Kind kind) { return [this, kind](int value) { perform({kind, value}); }; };
    connect(tab, &GameTab::betPressed, this, command(Command::Kind::Bet));
    connect(tab, &GameTab::dealPressed, this, command(Command::Kind::Deal));
    connect(tab, &GameTab::betChosen, this, commandAt(Command::Kind::ChooseBet));
    connect(tab, &GameTab::faceClicked, this, commandAt(Command::Kind::Face));
    connect(tab, &GameTab::coverClicked, this, commandAt(Command::Kind::Cover));
    connect(m_mainWindow.get(), &MainWindow::digitPressed, this, commandAt(Command::Kind::Digit));
    connect(m_mainWindow.get(), &MainWindow::newChosen, this, command(Command::Kind::New));
    connect(m_mainWindow.get(), &MainWindow::exitChosen, this, command(Command::Kind::Exit));
    connect(m_mainWindow.get(), &MainWindow::aboutChosen, this, command(Command::Kind::About));
    // Closing the window through the window system ends the program at once, saving nothing.
    connect(m_mainWindow.get(), &MainWindow::closedByWindowSystem, this, &Game::finished);
    connect(&m_gate, &InputGate::busyChanged, tab, &GameTab::holdBlink);

    connect(m_mainWindow->hiScoreTab(), &HiScoreTab::resetPressed, &m_hiScores, &HiScores::ResetHiScores);
    connect(&m_hiScores, &HiScores::changed, this, &Game::FillHiScoreList);
}

void Game::perform(const Command &command)
{
    m_gate.perform(command, [this, command] { carryOut(command); });
}

void Game::carryOut(const Command &command)
{
    switch (command.kind) {
    case Command::Kind::Bet:
        if (m_round.PlaceBet())
            emit handDealt();
        break;
    case Command::Kind::Deal:
        drawAndPay();
        break;
    case Command::Kind::Face:
        m_round.toggleMark(command.value, Table::Trigger::Face);
        break;
    case Command::Kind::Cover:
        m_round.toggleMark(command.value, Table::Trigger::Cover);
        break;
    case Command::Kind::Digit:
        m_round.toggleMark(command.value, Table::Trigger::Key);
        break;
    case Command::Kind::ChooseBet:
        m_payoff.ChooseBet(command.value);
        break;
    case Command::Kind::New:
        newCommand();
        break;
    case Command::Kind::Exit:
        exitCommand();
        break;
    case Command::Kind::About:
        aboutCommand();
        break;
    }
}

void Game::drawAndPay()
{
    const Hand dealt = table().cards();
    const Hold kept = keptPositions();
    // The check may ask the player; a press held back by the gate comes here only once it is
    // idle, so it asks only then, and only where the round would draw.
    if (m_round.DrawAndPay([&] { return !m_drawCheck || m_drawCheck(dealt, kept); }))
        emit handDrawn(dealt, kept, m_payoff.BetUnits());
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

Hold Game::keptPositions() const
{
    Hold kept;
    for (int position = 1; position <= kPositions; ++position) {
        if (table().KeepCard(position))
            kept = kept.keeping(position);
    }
    return kept;
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
    m_keptFromHiScores = false;
    emit gameStarted();
}

void Game::FillHiScoreList()
{
    m_mainWindow->hiScoreTab()->showLines(m_hiScores.lines());
}

void Game::offerToHiScores()
{
    if (m_keptFromHiScores)
        return;
    // A list unreadable at start may be readable now: the result is judged against it.
    m_hiScoreKeeper.readAgainIfUnreadable(hiScoreFile(), [this] { return readHiScoresAgain(); });
    m_hiScores.CheckHiScore(m_money.GameResult(), m_platform.namePrompt, m_settings.defaultName());
}

void Game::newCommand()
{
    offerToHiScores();
    NewGame();
}

void Game::exitCommand()
{
    offerToHiScores();
    saveRecords();
    emit finished();
}

void Game::saveRecords()
{
    saveEachFile({{hiScoreFile(), [this](QString *error) { return saveHiScores(error); }},
                  {settingsFile(), [this](QString *error) { return saveSettings(error); }}},
                 m_platform.saveFailurePrompt);
}

FileCondition Game::readHiScoresAgain()
{
    HiScores found;
    const FileCondition condition = LoadHiScores(found, hiScoreFile());
    if (condition != FileCondition::Unreadable)
        m_hiScores.putChangesOnto(found.entries());
    return condition;
}

bool Game::saveHiScores(QString *error)
{
    const QString file = hiScoreFile();
    return m_hiScoreKeeper.save(file, [this] { return readHiScoresAgain(); },
                                [&](QString *why) { return SaveHiScores(m_hiScores, file, why); }, error);
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
