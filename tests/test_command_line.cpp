// The game's command line, run as a player runs it: the built program, with no display at all
// (neither DISPLAY nor QT_QPA_PLATFORM), so that an answer that needs no window is proven to
// come without one.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

Run run(const QStringList &arguments)
{
    QProcess game;
    game.setProcessEnvironment(withoutDisplay());
    game.start(QStringLiteral(QUINTDRAW_EXE), arguments);
    if (!game.waitForFinished(10000)) {
        game.kill();
        game.waitForFinished();
        return {};
    }
    return {game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1,
            QString::fromLocal8Bit(game.readAllStandardOutput()), QString::fromLocal8Bit(game.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // a pattern the whole standard output matches
        QTest::addColumn<QString>("err");   // and standard error
        const QString usage = QStringLiteral("Usage: quintdraw \\[OPTION\\]\\.\\.\\.\n(.|\n)*--data-folder\\[=FOLDER\\](.|\n)*");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << "";
        QTest::newRow("--help beside the game's options") << QStringList{"--coach", "--help"} << 0 << usage << "";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QStringLiteral("quintdraw \\d+\\.\\d+\\.\\d+\n") << "";
        QTest::newRow("-v") << QStringList{"-v"} << 0 << QStringLiteral("quintdraw \\d+\\.\\d+\\.\\d+\n") << "";
        const auto refused = [&usage](const char *reason) { return QStringLiteral("quintdraw: %1\n\n").arg(QLatin1String(reason)) + usage; };
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << "" << refused("unknown option '--bogus'");
        QTest::newRow("unknown option after --help") << QStringList{"--help", "--bogus"} << 2 << "" << refused("unknown option '--bogus'");
        QTest::newRow("unknown short option") << QStringList{"-x"} << 2 << "" << refused("unknown option '-x'");
        QTest::newRow("Qt's own option") << QStringList{"-platform", "xcb"} << 2 << "" << refused("unknown option '-platform'");
        QTest::newRow("stray argument") << QStringList{"hi.dat"} << 2 << "" << refused("unexpected argument 'hi.dat'");
        QTest::newRow("a folder after a space") << QStringList{"--data-folder", "/tmp"} << 2 << ""
                                                << refused("unexpected argument '/tmp'");
        QTest::newRow("an empty folder") << QStringList{"--data-folder="} << 2 << ""
                                         << refused("'--data-folder=' needs a FOLDER");
        QTest::newRow("a value for a switch") << QStringList{"--coach=yes"} << 2 << ""
                                              << refused("'--coach' takes no value");
        QTest::newRow("a value for four colours") << QStringList{"--four-colour=yes"} << 2 << ""
                                                  << refused("'--four-colour' takes no value");
        QTest::newRow("a lone dash") << QStringList{"-"} << 2 << "" << refused("unexpected argument '-'");
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        const Run result = run(arguments);
        QTEST(result.exitCode, "exitCode");
        QFETCH(QString, out);
        QFETCH(QString, err);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(result.out).hasMatch(), qPrintable(result.out));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(err)).match(result.err).hasMatch(), qPrintable(result.err));
    }

    // --data-folder=FOLDER is taken: the folder is made, private, before any window.
    void dataFolderIsTaken()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("records/quintdraw"));
        QProcess game;
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(environment);
        game.setWorkingDirectory(scratch.path());
        game.start(QStringLiteral(QUINTDRAW_EXE), {QStringLiteral("--data-folder=records/quintdraw")});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(folder).isDir(), 10000);
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QCOMPARE(game.state(), QProcess::Running);
        game.kill();
        game.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
