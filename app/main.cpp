#include "app/game.h"
#include "app/system_random.h"
#include "ui/event_loop_clock.h"
#include "ui/name_prompt_dialog.h"
#include "ui/save_failure_dialog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintdraw"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quintdraw.Quintdraw"));
    // Only the menu's "&Exit" and the window's close command end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    EventLoopClock clock;
    SystemRandom random;
    NamePromptDialog namePrompt;
    SaveFailureDialog saveFailurePrompt;
    Game game({clock, random, namePrompt, saveFailurePrompt, QDir::current()});
    QObject::connect(&game, &Game::finished, &application, &QApplication::quit, Qt::DirectConnection);
    game.StartUp();
    return application.exec();
}
