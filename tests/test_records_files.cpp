#include "app/data_folder.h"
#include "records/records_lock.h"
#include "records/save_each_file.h"
#include "support/file_bytes.h"
#include "support/test_game.h"
#include "ui/startup_window.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kFolder = "<a folder>";   // a folder stands where the file should be

// hi.dat as the game writes it: scores bare, names quoted, highest score first.
QByteArray hiBytes(const QByteArray &fifthName = "Zo\xeb", const QByteArray &nameQuote = "\"")
{
    QByteArray bytes;
    for (int rank = 1; rank <= 100; ++rank) {
        const QByteArray name = rank == 5 ? fifthName : "N" + QByteArray::number(rank);
        bytes += QByteArray::number(5000 - 10 * rank) + "\r\n" + nameQuote + name + nameQuote + "\r\n";
    }
    return bytes;
}

QByteArray cfgBytes(const QByteArray &startSum = "250", const QByteArray &firstTotal = "41")
{
    return firstTotal + "\r\n0\r\n7\r\n3\r\n12\r\n1\r\n0\r\n2\r\n5\r\n1\r\n" + startSum + "\r\n\"Ad,a \"\"A\"\"\"\r\n";
}

void place(const QString &path, const QByteArray &found)
{
    if (found == kFolder)
        QVERIFY(QDir().mkdir(path));
    else
        writeBytes(path, found);
}

QString writer() { return QStringLiteral(RECORDS_WRITER); }

// The two files the writer saves for a version, byte for byte.
QPair<QByteArray, QByteArray> version(int number)
{
    QTemporaryDir folder;
    QProcess::execute(writer(), {folder.path(), QStringLiteral("save"), QString::number(number)});
    return {readBytes(folder.filePath(QStringLiteral("hi.dat"))), readBytes(folder.filePath(QStringLiteral("cfg.dat")))};
}

// A copy of the writer in `home` that another user may run, and the environment it runs in.
QString writerFor(const QTemporaryDir &home)
{
    const QString program = home.filePath(QStringLiteral("writer"));
    if (!QFile::exists(program))
        QFile::copy(writer(), program);
    ::chmod(qPrintable(home.path()), 0755);
    ::chmod(qPrintable(program), 0755);
    return program;
}

// Runs `program` as nobody when the test runs as root (dropping root's right to write anywhere),
// else as the test's own user.
// Its own folders live under `home` when given; an environment set on `process` is kept.
void startAsPlayer(QProcess &process, const QString &program, const QStringList &arguments, const QString &home = {})
{
    QProcessEnvironment environment = process.processEnvironment();
    if (environment.isEmpty())
        environment = QProcessEnvironment::systemEnvironment();
    if (!home.isEmpty())
        environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
    if (geteuid() != 0) {
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        return;
    }
    // nobody may not read a sanitizer's suppressions kept in root's folders.
    environment.remove(QStringLiteral("LSAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                         QStringLiteral("--clear-groups"), program} + arguments);
}

constexpr uid_t kPlayer = 65534;   // nobody: the player when the tests run as root

// Every name under `folder` but those under `except`, with its kind, owner, permissions and bytes.
QStringList stateOf(const QString &folder, const QString &except)
{
    QStringList state;
    QDirIterator names(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (names.hasNext()) {
        const QString name = names.next();
        if (name.startsWith(except + u'/'))
            continue;
        struct stat found {};
        ::lstat(qPrintable(name), &found);
        state.append(QStringLiteral("%1 %2 %3 %4 ").arg(name).arg(found.st_mode, 0, 8).arg(found.st_uid)
                     + (S_ISREG(found.st_mode) ? QString::fromLatin1(QCryptographicHash::hash(readBytes(name), QCryptographicHash::Sha1).toHex())
                                               : QFile::symLinkTarget(name)));
    }
    state.sort();
    return state;
}

} // namespace

class RecordsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void exitKeepsWhatItCannotWriteBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("found");
        QTest::addColumn<QByteArray>("readableOnRetry");   // empty: the player leaves without saving
        QTest::addColumn<bool>("backedUp");
        QTest::addColumn<bool>("replaced");
        // What else stands in the folder: a leftover at a new file's name, a chain of links, a
        // file made read-only, or the file grown sparse to 8 GiB.
        QTest::addColumn<QString>("setup");
        // Bytes the saved file must hold: values read from the player's file.
        QTest::addColumn<QByteArray>("kept");
        const QByteArray hi = hiBytes();
        QByteArray swapped = hi;
        swapped.replace("4990\r\n", "4979\r\n");
        QByteArray lineFeeds = hi;
        lineFeeds.replace("\r\n", "\n");
        QTest::newRow("hi as written") << "hi.dat" << hi << QByteArray() << false << true << QString() << QByteArray();
        QTest::newRow("hi cut in a line") << "hi.dat" << hi.left(hi.size() / 2 + 3) << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi out of order") << "hi.dat" << swapped << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi name in UTF-8") << "hi.dat" << hiBytes("Zo\xc3\xab") << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi names bare") << "hi.dat" << hiBytes("Zo\xeb", "") << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi line feeds") << "hi.dat" << lineFeeds << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi more lines") << "hi.dat" << hi + "\"x\"\r\n" << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi empty") << "hi.dat" << QByteArray() << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("hi unreadable") << "hi.dat" << kFolder << QByteArray() << false << false << QString() << QByteArray();
        QTest::newRow("hi readable on retry") << "hi.dat" << kFolder << QByteArray("old") << true << true << QString() << QByteArray();
        QTest::newRow("cfg as written") << "cfg.dat" << cfgBytes() << QByteArray() << false << true << QString() << QByteArray();
        QTest::newRow("cfg start sum held") << "cfg.dat" << cfgBytes("9999999999999999999") << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("cfg damaged total") << "cfg.dat" << cfgBytes("250", "4x1") << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("cfg cut") << "cfg.dat" << cfgBytes().chopped(5) << QByteArray() << true << true << QString() << QByteArray();
        QTest::newRow("cfg unreadable") << "cfg.dat" << kFolder << QByteArray() << false << false << QString() << QByteArray();
        const QByteArray firstKept = "4990\r\n\"N1\"\r\n";
        QByteArray crOnly = hi;
        crOnly.replace("\r\n", "\r");
        QTest::newRow("hi byte order mark") << "hi.dat" << "\xEF\xBB\xBF" + hi << QByteArray() << true << true << QString() << firstKept;
        QTest::newRow("hi CR alone") << "hi.dat" << crOnly << QByteArray() << true << true << QString() << firstKept;
        QTest::newRow("hi sparse 8 GiB") << "hi.dat" << hi << QByteArray() << true << true << "sparse" << firstKept;
        QTest::newRow("hi list readable on retry") << "hi.dat" << kFolder << hi << false << true << QString() << firstKept;
        QTest::newRow("hi FIFO and link left") << "hi.dat" << hi << QByteArray() << false << true << "leftovers" << firstKept;
        QTest::newRow("hi chain of links") << "hi.dat" << hi << QByteArray() << false << true << "chain" << firstKept;
        QTest::newRow("hi made read-only") << "hi.dat" << hi << QByteArray() << false << false << "read-only" << QByteArray();
        QTest::newRow("cfg byte order mark") << "cfg.dat" << "\xEF\xBB\xBF" + cfgBytes() << QByteArray() << true << true << QString() << QByteArray("41\r\n0\r\n7\r\n");
        QTest::newRow("cfg readable on retry") << "cfg.dat" << kFolder << cfgBytes() << false << true << QString() << QByteArray("41\r\n0\r\n7\r\n");
    }
    void exitKeepsWhatItCannotWriteBack()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, found);
        QFETCH(QByteArray, readableOnRetry);
        QFETCH(bool, backedUp);
        QFETCH(bool, replaced);
        QFETCH(QString, setup);
        QFETCH(QByteArray, kept);
        TestGame t(TestGame::BeforeStartUp);
        const QString path = t.folder.filePath(file);
        const QString backup = path + QStringLiteral(".bak");
        const QString outside = t.folder.filePath(QStringLiteral("outside"));
        const QString link2 = t.folder.filePath(QStringLiteral("link2"));
        constexpr qint64 kSparseSize = qint64(8) << 30;
        place(path, found);
        if (setup == "leftovers") {
            QCOMPARE(::mkfifo(qPrintable(path + ".saving"), 0600), 0);
            writeBytes(outside, "outside");
            QVERIFY(QFile::link(outside, path + ".saving.AAAAAA"));
        } else if (setup == "chain") {
            QVERIFY(QFile::rename(path, outside));
            QVERIFY(QFile::link(QStringLiteral("outside"), link2));
            QVERIFY(QFile::link(QStringLiteral("link2"), path));
        } else if (setup == "read-only") {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        } else if (setup == "sparse") {
            QCOMPARE(::truncate(qPrintable(path), kSparseSize), 0);
        }
        if (!readableOnRetry.isEmpty()) {
            t.saveFailurePrompt.choices = {SaveFailurePrompt::Choice::TryAgain};
            t.saveFailurePrompt.beforeAnswer = [&] {
                QDir().rmdir(path);
                writeBytes(path, readableOnRetry);
            };
        }
        t.game.StartUp();
        t.game.money().PayWin(100000);
        t.game.settings().setDefaultName(QStringLiteral("Kim"));
        t.game.exitCommand();

        const QByteArray original = readableOnRetry.isEmpty() ? found : readableOnRetry;
        QCOMPARE(QFileInfo::exists(backup), backedUp);
        if (setup == "sparse") {
            // Kept whole without copying: no disk space taken.
            struct stat kept {};
            QCOMPARE(::stat(qPrintable(backup), &kept), 0);
            QCOMPARE(qint64(kept.st_size), kSparseSize);
            QVERIFY(kept.st_blocks < 1024);
            QFile start(backup);
            QVERIFY(start.open(QIODevice::ReadOnly));
            QCOMPARE(start.read(original.size()), original);
        } else if (backedUp) {
            QCOMPARE(readBytes(backup), original);
        }
        if (!kept.isEmpty())
            QVERIFY2(readBytes(path).contains(kept), readBytes(path).left(60).constData());
        if (setup == "leftovers") {
            struct stat fifo {};
            QVERIFY(::lstat(qPrintable(path + ".saving"), &fifo) == 0 && S_ISFIFO(fifo.st_mode));
            QVERIFY(QFileInfo(path + ".saving.AAAAAA").isSymLink());
            QCOMPARE(readBytes(outside), QByteArray("outside"));
        } else if (setup == "chain") {
            QVERIFY(QFileInfo(path).isSymLink() && QFileInfo(link2).isSymLink());
        }
        if (replaced) {
            QVERIFY(readBytes(path) != original);
            return;
        }
        if (found == kFolder)
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(readBytes(path), original);
        QCOMPARE(t.saveFailurePrompt.failures.size(), 1);
        QVERIFY(t.saveFailurePrompt.failures[0].endsWith(setup == "read-only"
            ? QStringLiteral("is read-only; saving would replace it.")
            : QStringLiteral("could not be read at start; saving would replace it.")));
        // One refused file costs the other nothing: leaving leaves only it unsaved.
        QCOMPARE(t.saveFailurePrompt.unsavedFiles[0], QStringList{path});
        const QString other = file == QStringLiteral("hi.dat") ? t.game.settingsFile() : t.game.hiScoreFile();
        QVERIFY(QFileInfo(other).isFile());
    }

    // `--data-folder` follows the XDG rules: an empty or relative XDG_DATA_HOME is ignored, and
    // without a usable HOME the home is the password database's (never "/.local/share").
    void dataFolderFollowsTheXdgRules_data()
    {
        QTest::addColumn<QByteArray>("home");        // "-": unset
        QTest::addColumn<QByteArray>("dataHome");    // "-": unset
        QTest::addColumn<QString>("expected");       // "~": the password database's home
        QTest::newRow("home") << QByteArray("/home/kim") << QByteArray("-") << "/home/kim/.local/share/quintdraw";
        QTest::newRow("data home") << QByteArray("/home/kim") << QByteArray("/srv/d/") << "/srv/d/quintdraw";
        QTest::newRow("data home relative") << QByteArray("/home/kim") << QByteArray("d") << "/home/kim/.local/share/quintdraw";
        QTest::newRow("data home empty") << QByteArray("/home/kim") << QByteArray("") << "/home/kim/.local/share/quintdraw";
        QTest::newRow("no home") << QByteArray("-") << QByteArray("-") << "~/.local/share/quintdraw";
        QTest::newRow("home empty") << QByteArray("") << QByteArray("") << "~/.local/share/quintdraw";
        QTest::newRow("home relative") << QByteArray("kim") << QByteArray("-") << "~/.local/share/quintdraw";
    }
    void dataFolderFollowsTheXdgRules()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, expected);
        const QByteArray savedHome = qgetenv("HOME");
        const bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
        const auto set = [](const char *name, const QByteArray &value) {
            if (value == "-")
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("HOME", home);
        set("XDG_DATA_HOME", dataHome);
        const QString found = playerDataFolder();
        qputenv("HOME", savedHome);
        set("XDG_DATA_HOME", hadDataHome ? savedDataHome : QByteArray("-"));
        const passwd *entry = ::getpwuid(::geteuid());
        QVERIFY(entry);
        QCOMPARE(found, QDir::cleanPath(expected.replace(u'~', QFile::decodeName(entry->pw_dir))));
    }

    // Another program holds the lock: after the patience the player is asked; "Leave without
    // saving" leaves every file not saved yet, "Try again" once the other is done saves them.
    void waitForAnotherSave_data()
    {
        QTest::addColumn<bool>("tryAgain");
        QTest::newRow("leave") << false;
        QTest::newRow("try again") << true;
    }
    void waitForAnotherSave()
    {
        QFETCH(bool, tryAgain);
        QTemporaryDir folder;
        const QStringList paths{folder.filePath(QStringLiteral("hi.dat")), folder.filePath(QStringLiteral("cfg.dat"))};
        auto other = std::make_unique<RecordsLock>(folder.path());
        FakeSaveFailurePrompt prompt;
        prompt.choices = {tryAgain ? SaveFailurePrompt::Choice::TryAgain : SaveFailurePrompt::Choice::LeaveWithoutSaving};
        prompt.beforeAnswer = [&] { other.reset(); };
        QStringList saved;
        const auto save = [&](const QString &path) { return [&saved, path](QString *) { saved.append(path); return true; }; };
        saveEachFile({{paths[0], save(paths[0])}, {paths[1], save(paths[1])}}, prompt, std::chrono::milliseconds(100));
        QCOMPARE(prompt.waits, QStringList{folder.path()});
        QCOMPARE(prompt.unsavedFiles, QList<QStringList>{paths});
        QCOMPARE(saved, tryAgain ? paths : QStringList());
    }

    // hi.dat could not be read at start and can be by the end of the game: a result that beats
    // only the real list (not the built-in one) is offered and entered, at New and at Exit.
    void resultJudgedAgainstTheListAsItIs_data()
    {
        QTest::addColumn<bool>("byNew");
        QTest::newRow("ended by New") << true;
        QTest::newRow("ended by Exit") << false;
    }
    void resultJudgedAgainstTheListAsItIs()
    {
        QFETCH(bool, byNew);
        TestGame t(TestGame::BeforeStartUp);
        const QString path = t.game.hiScoreFile();
        place(path, kFolder);
        t.game.StartUp();
        QVERIFY(QDir().rmdir(path));
        QByteArray low;
        for (int rank = 1; rank <= HiScores::kRanks; ++rank)
            low += "-" + QByteArray::number(1000 + rank) + "\r\n\"Low\"\r\n";
        writeBytes(path, low);
        t.game.money().TakeStake(10);   // a result of -10: below the built-in list, above this one
        t.namePrompt.answers = {QStringLiteral("Kim")};
        if (byNew)
            t.game.newCommand();
        t.game.exitCommand();
        QCOMPARE(t.namePrompt.offers.size(), byNew ? 2 : 1);   // the new game's 0 beats this list too
        QVERIFY2(readBytes(path).contains("-10\r\n\"Kim\"\r\n-1001\r\n"), readBytes(path).left(40).constData());
    }

    // The folder forbids new files, the files allow writing: both are written in place, each after
    // its bytes were kept in the player's state folder, and a damaged file's .bak goes there too
    // (no later save is refused for want of room for it). A shared sticky folder allows new files
    // but refuses to rename over another user's file: both files are written in place, after a
    // copy of a damaged one beside it.
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("sticky");
        QTest::newRow("as written") << false << false;
        QTest::newRow("damaged, no room for a copy") << true << false;
        QTest::newRow("sticky, as written") << false << true;
        QTest::newRow("sticky, damaged") << true << true;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, damaged);
        QFETCH(bool, sticky);
        const bool root = geteuid() == 0;
        if (sticky && !root)
            QSKIP("only root can leave files of its own for another user to write");
        if (root && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("setpriv is needed to drop root's right to write anywhere");
        const auto [hi0, cfg0] = version(0);
        const auto [hi1, cfg1] = version(1);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("records"));
        const QString state = home.filePath(QStringLiteral("state"));
        const QString program = writerFor(home);
        QVERIFY(QDir().mkdir(folder) && QDir().mkdir(state));
        const QString hi = folder + QStringLiteral("/hi.dat");
        const QString cfg = folder + QStringLiteral("/cfg.dat");
        const QByteArray hiFound = damaged ? hi0.left(40) : hi0;
        writeBytes(hi, hiFound);
        writeBytes(cfg, cfg0);
        QCOMPARE(::chmod(qPrintable(folder), sticky ? 01777 : root ? 0755 : 0555), 0);
        if (root) {
            // nobody: may write the files it owns, not the folder root owns.
            QCOMPARE(::chown(qPrintable(state), kPlayer, kPlayer), 0);
            if (sticky) {
                QCOMPARE(::chmod(qPrintable(hi), 0666), 0);
                QCOMPARE(::chmod(qPrintable(cfg), 0666), 0);
            } else {
                QCOMPARE(::chown(qPrintable(hi), kPlayer, kPlayer), 0);
                QCOMPARE(::chown(qPrintable(cfg), kPlayer, kPlayer), 0);
            }
        }
        QProcess save;
        startAsPlayer(save, program, {folder, QStringLiteral("save"), QStringLiteral("1")}, home.path());
        QVERIFY(save.waitForFinished(60000));
        ::chmod(qPrintable(folder), 0755);
        QVERIFY2(save.exitCode() == 0, save.readAllStandardError().constData());
        QCOMPARE(readBytes(hi), hi1);
        QCOMPARE(readBytes(cfg), cfg1);
        QStringList names{QStringLiteral("cfg.dat"), QStringLiteral("hi.dat")};
        const QString kept = state + QStringLiteral("/quintdraw/kept/") + QUrl::toPercentEncoding(folder);
        if (sticky && damaged) {
            names.append(QStringLiteral("hi.dat.bak"));
            QCOMPARE(readBytes(hi + QStringLiteral(".bak")), hiFound);
        } else if (damaged) {
            QCOMPARE(readBytes(kept + QStringLiteral("/hi.dat.bak")), hiFound);
        }
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), names);
        QCOMPARE(readBytes(kept + QStringLiteral("/hi.dat")), hiFound);
        QCOMPARE(readBytes(kept + QStringLiteral("/cfg.dat")), cfg0);
    }

    // Another user plants a link in a shared sticky folder (world-writable, not the player's) at
    // a name the game makes for itself, or at hi.dat: no file outside the folder is written,
    // made, or has its permissions changed, and what the game keeps it keeps in the folder.
    void linksLeadNowhereOutside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("link");   // to a file of the player's, to none, or through a second link
        for (const char *name : {"hi.dat.bak", "cfg.dat.bak", "hi.dat"})
            for (const char *link : {"file", "dangling", "chain"})
                QTest::addRow("%s %s", name, link) << QString::fromLatin1(name) << QString::fromLatin1(link);
    }
    void linksLeadNowhereOutside()
    {
        QFETCH(QString, name);
        QFETCH(QString, link);
        const bool root = geteuid() == 0;
        if (!root && name == QStringLiteral("hi.dat"))
            QSKIP("only root can plant a link of another user's");
        const auto [hi0, cfg0] = version(0);
        const auto [hi1, cfg1] = version(1);
        QTemporaryDir home;
        const QString program = writerFor(home);
        const QString folder = home.filePath(QStringLiteral("shared"));
        const QString profile = home.filePath(QStringLiteral("profile"));
        const QString keys = home.filePath(QStringLiteral("keys"));
        const QString state = home.filePath(QStringLiteral("state"));
        QVERIFY(QDir().mkdir(folder) && QDir().mkdir(keys) && QDir().mkdir(state));
        writeBytes(profile, "the player's own file");
        const QString hi = folder + QStringLiteral("/hi.dat");
        const QString cfg = folder + QStringLiteral("/cfg.dat");
        // Both damaged, so that the game keeps each as .bak before replacing it.
        writeBytes(hi, hi0.left(40));
        writeBytes(cfg, cfg0.chopped(5));
        const QString planted = folder + u'/' + name;
        QFile::remove(planted);
        const QString target = link == QStringLiteral("dangling") ? keys + QStringLiteral("/authorized_keys") : profile;
        if (link == QStringLiteral("chain")) {
            QVERIFY(QFile::link(target, folder + QStringLiteral("/link2")));
            QVERIFY(QFile::link(QStringLiteral("link2"), planted));
        } else {
            QVERIFY(QFile::link(target, planted));
        }
        QCOMPARE(::chmod(qPrintable(folder), 01777), 0);
        QCOMPARE(::chmod(qPrintable(profile), 0600), 0);
        for (const QString &path : {hi, cfg, profile, keys, state})
            if (!QFileInfo(path).isSymLink())
                QCOMPARE(::chown(qPrintable(path), root ? kPlayer : geteuid(), root ? kPlayer : getegid()), 0);
        const QStringList outside = stateOf(home.path(), folder).filter(QRegularExpression(QStringLiteral("^(?!%1/)").arg(state)));

        QProcess save;
        startAsPlayer(save, program, {folder, QStringLiteral("save"), QStringLiteral("1")}, home.path());
        QVERIFY(save.waitForFinished(60000));
        const QByteArray said = save.readAllStandardError();

        QCOMPARE(stateOf(home.path(), folder).filter(QRegularExpression(QStringLiteral("^(?!%1/)").arg(state))), outside);
        if (name == QStringLiteral("hi.dat")) {
            QVERIFY2(said.contains("belongs to another user"), said.constData());
            QVERIFY(QFileInfo(hi).isSymLink());
            QVERIFY(!QFileInfo::exists(hi + QStringLiteral(".bak")));
            QCOMPARE(readBytes(cfg), cfg1);   // saved on its own
            return;
        }
        QVERIFY2(save.exitCode() == 0, said.constData());
        QCOMPARE(readBytes(hi), hi1);
        QCOMPARE(readBytes(cfg), cfg1);
        // Where another user's link may not be replaced, the player's state folder keeps the file.
        const QString kept = QFileInfo(planted).isSymLink()
            ? state + QStringLiteral("/quintdraw/kept/") + QUrl::toPercentEncoding(folder) + u'/' + name
            : planted;
        QVERIFY(!QFileInfo(kept).isSymLink());
        QCOMPARE(readBytes(kept), name.startsWith(QStringLiteral("hi")) ? hi0.left(40) : cfg0.chopped(5));
    }

    // A second save into the same files waits for the first, held half-way through hi.dat, and puts
    // its own version in place after it: through links from two folders to the same files (it
    // locks where they are replaced), and in a folder its players may write but not list (mode
    // 0311). Each file is locked on its own, so cfg.dat may be saved in either order.
    void savesIntoTheSameFilesTakeTurns_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("two folders linking the same files") << true;
        QTest::newRow("folder that cannot be listed") << false;
    }
    void savesIntoTheSameFilesTakeTurns()
    {
        QFETCH(bool, linked);
        const auto [hi0, cfg0] = version(0);
        const auto [hi1, cfg1] = version(1);
        QTemporaryDir home;
        const QString program = writerFor(home);
        const QString files = home.filePath(QStringLiteral("files"));
        const QString first = linked ? home.filePath(QStringLiteral("first")) : files;
        const QString second = linked ? home.filePath(QStringLiteral("second")) : files;
        for (const QString &folder : {files, first, second}) {
            QDir().mkpath(folder);
            if (folder != files)
                for (const char *name : {"/hi.dat", "/cfg.dat"}) {
                    QVERIFY(QFile::link(files + QLatin1String(name), folder + QLatin1String(name)));
                    QCOMPARE(::lchown(qPrintable(folder + QLatin1String(name)), geteuid() == 0 ? kPlayer : geteuid(), -1), 0);
                }
            QCOMPARE(::chown(qPrintable(folder), geteuid() == 0 ? kPlayer : geteuid(), geteuid() == 0 ? kPlayer : getegid()), 0);
        }
        if (!linked)
            QCOMPARE(::chmod(qPrintable(files), 0311), 0);
        QProcess held;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUINTDRAW_TEST_SAVE_PAUSE_MS"), QStringLiteral("1500"));
        held.setProcessEnvironment(environment);
        startAsPlayer(held, program, {first, QStringLiteral("save"), QStringLiteral("0")});
        QVERIFY(held.waitForStarted());
        QThread::msleep(500);
        QProcess next;
        startAsPlayer(next, program, {second, QStringLiteral("save"), QStringLiteral("1")});
        QVERIFY(next.waitForFinished(60000));
        QVERIFY(held.waitForFinished(60000));
        QVERIFY2(held.exitCode() == 0, held.readAllStandardError().constData());
        QVERIFY2(next.exitCode() == 0, next.readAllStandardError().constData());
        ::chmod(qPrintable(files), 0755);
        QCOMPARE(readBytes(files + QStringLiteral("/hi.dat")), hi1);
        const QByteArray cfg = readBytes(files + QStringLiteral("/cfg.dat"));
        QVERIFY(cfg == cfg0 || cfg == cfg1);
        const QStringList left = QDir(files).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(left, linked ? QStringList({QStringLiteral("cfg.dat"), QStringLiteral("hi.dat")})
                              : QStringList({QStringLiteral(".quintdraw-lock"), QStringLiteral("cfg.dat"), QStringLiteral("hi.dat")}));
    }

    // Killed at any moment of saving, each file is one whole version and nothing else is left.
    void killedSaveLeavesOneWholeVersion()
    {
        const auto [hi0, cfg0] = version(0);
        const auto [hi1, cfg1] = version(1);
        QVERIFY(hi0 != hi1 && cfg0 != cfg1 && !hi0.isEmpty() && !cfg0.isEmpty());
        QTemporaryDir folder;
        writeBytes(folder.filePath(QStringLiteral("hi.dat")), hi0);
        writeBytes(folder.filePath(QStringLiteral("cfg.dat")), cfg0);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int kill = 0; kill < 200; ++kill) {
            QProcess loop;
            loop.start(writer(), {folder.path(), QStringLiteral("loop")});
            QVERIFY(loop.waitForReadyRead(60000));
            QThread::usleep(random.bounded(3000));
            ::kill(pid_t(loop.processId()), SIGKILL);
            QVERIFY(loop.waitForFinished(60000));
            const QByteArray hi = readBytes(folder.filePath(QStringLiteral("hi.dat")));
            const QByteArray cfg = readBytes(folder.filePath(QStringLiteral("cfg.dat")));
            QVERIFY2(hi == hi0 || hi == hi1, qPrintable(QStringLiteral("hi.dat, kill %1, seed %2").arg(kill).arg(seed)));
            QVERIFY2(cfg == cfg0 || cfg == cfg1, qPrintable(QStringLiteral("cfg.dat, kill %1, seed %2").arg(kill).arg(seed)));
            // At most the half-written new file of one save, which the next save removes.
            static const QRegularExpression expected(QStringLiteral("^(cfg|hi)\\.dat(\\.saving\\.[A-Za-z0-9]{6})?$"));
            for (const QString &name : QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
                QVERIFY2(expected.match(name).hasMatch(), qPrintable(name));
        }
        QCOMPARE(QProcess::execute(writer(), {folder.path(), QStringLiteral("save"), QStringLiteral("1")}), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("cfg.dat"), QStringLiteral("hi.dat")}));
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("hi.dat"))), hi1);
    }
};

QTEST_MAIN(RecordsFilesTest)
#include "test_records_files.moc"
