// Saves the coach's log in a folder the way a coached game does, for the power-cut test.
//   coach_writer FOLDER save VERSION   reads coach.dat, then saves version 0 or 1 of the log onto it

#include "records/coach_file.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || args[2] != QStringLiteral("save"))
        return 2;
    CoachLogFile file(QDir(args[1]).filePath(QStringLiteral("coach.dat")));
    // The versions differ in length as well as in bytes: version 1 logs many more hands.
    CoachLogData version;
    version.runs = 7;
    version.tallies[5] = {10, 7, 1'250'000};
    for (int hand = 0; hand < (args[3] == QStringLiteral("1") ? 300 : 3); ++hand)
        version.hands.push_back({QDate(2026, 12, 1), {{{11, 1}, {11, 3}, {2, 2}, {7, 0}, {9, 3}}}, 28, 3, hand, 20});
    file.log().setData(version);
    file.log().countRun();   // a change to save
    QString error;
    if (file.save(&error))
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}
