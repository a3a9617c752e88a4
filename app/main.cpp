#include "app/coach.h"
#include "app/data_folder.h"
#include "app/game.h"
#include "app/system_random.h"
#include "ui/event_loop_clock.h"
#include "ui/name_prompt_dialog.h"
#include "ui/save_failure_dialog.h"
#include "ui/startup_window.h"
#include "ui/suit_colours.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintdraw"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quintdraw.Quintdraw"));
    // Only the menu's "&Exit" and the window's close command end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Five-card draw poker for one player."));
    const QCommandLineOption helpOption = options.addHelpOption();
    const QCommandLineOption coachOption(
        QStringLiteral("coach"),
        QStringLiteral("Show a coach beside the game: after each draw what every hold was worth and why, the strategy chart, the session's mistakes, and on request a warning before the draw."));
    options.addOption(coachOption);
    const QCommandLineOption dataFolderOption(
        QStringLiteral("data-folder"),
        QStringLiteral("Keep hi.dat and cfg.dat in the player's data folder (made if missing) instead of the current folder."));
    options.addOption(dataFolderOption);
    const QCommandLineOption fourColourOption(
        QStringLiteral("four-colour"),
        QStringLiteral("Draw the cards in four colours: clubs green and diamonds blue, hearts red and spades black."));
    options.addOption(fourColourOption);
    // Arguments it does not know are left alone, as they always were.
    options.parse(QApplication::arguments());
    if (options.isSet(helpOption))
        options.showHelp();
    if (options.isSet(fourColourOption))
        useSuitColours(SuitColours::FourColour);

    QDir folder = QDir::current();
    if (options.isSet(dataFolderOption)) {
        folder.setPath(playerDataFolder());
        QString reason;
        if (!makePrivateFolder(folder.path(), &reason)) {
            QMessageBox::critical(nullptr, QStringLiteral("Quintdraw"),
                                  QStringLiteral("Quintdraw cannot keep its records in %1: %2")
                                      .arg(QDir::toNativeSeparators(folder.path()), reason));
            return 1;
        }
    }

    // The start-up window goes up first and is painted before the main window is built, so the
    // player sees something at once.
    auto startupWindow = std::make_unique<StartupWindow>();
    startupWindow->show();
    QElapsedTimer waited;
    waited.start();
    while (!startupWindow->windowHandle()->isExposed() && waited.elapsed() < 500) {
        QApplication::processEvents();
        QThread::msleep(1);
    }
    QApplication::processEvents();

    EventLoopClock clock;
    SystemRandom random;
    NamePromptDialog namePrompt;
    SaveFailureDialog saveFailurePrompt;
    Game game({clock, random, namePrompt, saveFailurePrompt, folder});
    if (options.isSet(coachOption))
        new Coach(game);   // owned by the game
    QObject::connect(&game, &Game::finished, &application, &QApplication::quit, Qt::DirectConnection);
    game.StartUp(std::move(startupWindow));
    return application.exec();
}
