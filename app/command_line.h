#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the player asked for on the command line. Every option is one row of the table in
// command_line.cpp: a new option is a field here and a row there.
struct CommandLine {
    bool showHelp = false;
    bool showVersion = false;
    bool coach = false;
    // The hand --analyse names, as typed: analysed on standard output instead of playing.
    std::optional<QString> analyse;
    bool fourColour = false;
    // Where hi.dat and cfg.dat live: the current folder unless --data-folder was given; then the
    // folder it names, or the player's data folder when it names none.
    bool useDataFolder = false;
    QString dataFolder;   // absolute; empty: the player's data folder
    // Why the command line was refused; empty when it was taken.
    QString error;
};

// Reads the arguments after the program's name. It needs no application object, so --help and
// --version answer without a display.
CommandLine parseCommandLine(const QStringList &arguments);

// The usage line and every option with its help, for --help and after a refused command line.
QString usageText();
// The program's name and version, for --version.
QString versionText();
