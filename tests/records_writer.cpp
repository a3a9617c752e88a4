// Saves hi.dat and cfg.dat in a folder the way &Exit does, for tests that must run the saving in
// a process of its own (to kill it, or to run it as another user).
//   records_writer FOLDER save VERSION   reads both files, then saves version 0 or 1 of the records
//   records_writer FOLDER loop           saves versions 0 and 1 in turn until killed; prints a line
//                                        once both files have been saved once
//   records_writer FOLDER cut            cuts the power to the file system holding FOLDER: it stops
//                                        at once, losing whatever was not yet synced

#include "records/file_keeper.h"
#include "records/hiscore_file.h"
#include "records/hiscores.h"
#include "records/records_lock.h"
#include "records/settings.h"
#include "records/settings_file.h"
#include "records/statistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <linux/types.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

struct Records {
    HiScores hiScores;
    Settings settings;
    Statistics statistics;
};

// The two versions differ in every file's length as well as in its bytes.
void fill(Records &records, int version)
{
    HiScores::Entries entries;
    for (int rank = 0; rank < HiScores::kRanks; ++rank)
        entries[rank] = {QString::number((1000 - rank) * (version + 1) * 1000),
                         version == 0 ? QStringLiteral("Ann") : QStringLiteral("Börje")};
    records.hiScores.setEntries(entries);
    for (int category = 0; category < kCategories; ++category)
        records.statistics.setTotal(category, version == 0 ? category : 100000 + category);
    records.settings.setSlow(version == 1);
    records.settings.setStartSum(version == 0 ? 100 : 25000);
    records.settings.setDefaultName(version == 0 ? QStringLiteral("Ann") : QStringLiteral("Börje B."));
}

// Each version is saved whole, whatever another program saved meanwhile.
bool saveKept(const Records &records, const QDir &folder, FileKeeper &hiKeeper, FileKeeper &cfgKeeper)
{
    const QString hi = folder.filePath(QStringLiteral("hi.dat"));
    const QString cfg = folder.filePath(QStringLiteral("cfg.dat"));
    const auto readHiScores = [&] {
        HiScores found;
        return LoadHiScores(found, hi);
    };
    const auto readSettings = [&] {
        Records found;
        return LoadSettings(found.settings, found.statistics, cfg);
    };
    QString error;
    bool saved = false;
    {
        const RecordsLock lock(RecordsLock::folderOf(hi));
        saved = hiKeeper.save(hi, readHiScores, [&](QString *why) { return SaveHiScores(records.hiScores, hi, why); }, &error);
    }
    if (!saved)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    // On its own: a refused hi.dat costs cfg.dat nothing.
    const RecordsLock lock(RecordsLock::folderOf(cfg));
    if (cfgKeeper.save(cfg, readSettings,
                       [&](QString *why) { return SaveSettings(records.settings, records.statistics, cfg, why); },
                       &error))
        return saved;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return false;
}

// The file systems' common "going down" request, with no flush of the journal: as a power cut.
bool cutPower(const QDir &folder)
{
    constexpr unsigned long kShutdown = _IOR('X', 125, __u32);
    __u32 withoutFlush = 2;
    const int fd = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
    const bool cut = fd >= 0 && ::ioctl(fd, kShutdown, &withoutFlush) == 0;
    if (!cut)
        std::perror("records_writer: cut");
    if (fd >= 0)
        ::close(fd);
    return cut;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QDir folder(args[1]);
    if (args[2] == QStringLiteral("save") && args.size() == 4) {
        Records found;
        const QString hi = folder.filePath(QStringLiteral("hi.dat"));
        const QString cfg = folder.filePath(QStringLiteral("cfg.dat"));
        const FileStamp hiStamp = FileStamp::of(hi);
        FileKeeper hiKeeper(LoadHiScores(found.hiScores, hi), hiStamp);
        const FileStamp cfgStamp = FileStamp::of(cfg);
        FileKeeper cfgKeeper(LoadSettings(found.settings, found.statistics, cfg), cfgStamp);
        Records records;
        fill(records, args[3].toInt());
        return saveKept(records, folder, hiKeeper, cfgKeeper) ? 0 : 1;
    }
    if (args[2] == QStringLiteral("cut"))
        return cutPower(folder) ? 0 : 1;
    if (args[2] != QStringLiteral("loop"))
        return 2;
    Records versions[2];
    fill(versions[0], 0);
    fill(versions[1], 1);
    for (long round = 0;; ++round) {
        FileKeeper hiKeeper(FileCondition::AsWritten, FileStamp::of(folder.filePath(QStringLiteral("hi.dat"))));
        FileKeeper cfgKeeper(FileCondition::AsWritten, FileStamp::of(folder.filePath(QStringLiteral("cfg.dat"))));
        if (!saveKept(versions[round % 2], folder, hiKeeper, cfgKeeper))
            return 1;
        if (round == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
