#include "app/analyse_command.h"
#include "app/coach.h"
#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/game.h"
#include "app/system_random.h"
#include "ui/dialog_look.h"
#include "ui/game_fonts.h"
#include "ui/event_loop_clock.h"
#include "ui/name_prompt_dialog.h"
#include "ui/save_failure_dialog.h"
#include "ui/startup_window.h"
#include "ui/suit_colours.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTextStream>
#include <QThread>
#include <QWindow>

#include <cstdio>

namespace {

QStringList argumentsAfterName(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before the application exists, which needs a display: --help and --version answer
    // without one, and a refused command line starts nothing.
    const CommandLine options = parseCommandLine(argumentsAfterName(argc, argv));
    if (!options.error.isEmpty()) {
        print(stderr, QStringLiteral("quintdraw: %1\n\n%2").arg(options.error, usageText()));
        return 2;
    }
    if (options.showHelp) {
        print(stdout, usageText());
        return 0;
    }
    if (options.showVersion) {
        print(stdout, versionText());
        return 0;
    }
    // A hand analysed for a script: no display, no window, no file read or written.
    if (options.analyse) {
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return analyseCommand(*options.analyse, out, errors);
    }

    QDir folder = QDir::current();
    QString folderError;
    if (options.useDataFolder) {
        folder.setPath(options.dataFolder.isEmpty() ? playerDataFolder() : options.dataFolder);
        QString reason;
        if (!makePrivateFolder(folder.path(), &reason)) {
            folderError = QStringLiteral("Quintdraw cannot keep its records in %1: %2")
                              .arg(QDir::toNativeSeparators(folder.path()), reason);
            print(stderr, folderError + QLatin1Char('\n'));
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintdraw"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quintdraw.Quintdraw"));
    // Only the menu's "&Exit" and the window's close command end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    useGameFonts();
    if (options.fourColour)
        useSuitColours(SuitColours::FourColour);

    if (!folderError.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Quintdraw"), folderError, QMessageBox::Ok);
        giveGameLook(box);
        box.exec();
        return 1;
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
    if (options.coach)
        new Coach(game);   // owned by the game
    QObject::connect(&game, &Game::finished, &application, &QApplication::quit, Qt::DirectConnection);
    game.StartUp(std::move(startupWindow));
    return application.exec();
}
