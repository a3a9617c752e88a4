#include "records/replace_file.h"

#include "records/player_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40;  // as many as the system follows
// A file written in place is first kept in memory whole; no records file comes near this size.
constexpr qint64 kMaxInPlaceBytes = 64 * 1024 * 1024;
const QString kNewFileInfix = QStringLiteral(".saving");

QByteArray native(const QString &path) { return QFile::encodeName(path); }

QString reasonOf(int error) { return qt_error_string(error); }

QString folderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

// The name of a new file beside `target`; another program's file there is never touched.
QString newFileName(const QString &target)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters) - 1)]);
    return target + kNewFileInfix + u'.' + suffix;
}

// Created exclusively and never through a link, so neither a FIFO nor a link at the name is
// opened; -1 with errno set on failure.
int createNewFile(const QString &target, QString &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = newFileName(target);
        const int fd = ::open(native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

bool writeAt(int fd, QByteArrayView bytes, off_t &at)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), size_t(bytes.size()), at);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
        at += written;
    }
    return true;
}

bool readWhole(int fd, qint64 size, QByteArray &bytes)
{
    bytes.resize(size);
    for (qint64 at = 0; at < size;) {
        const ssize_t got = ::pread(fd, bytes.data() + at, size_t(size - at), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        at += got;
    }
    return true;
}

// Where the link at `path` leads, one step; `path` itself when it is no link.
QString nextLink(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(native(path).constData(), buffer, sizeof buffer);
    if (length <= 0 || length == ssize_t(sizeof buffer))
        return path;
    const QString next = QFile::decodeName(QByteArray(buffer, length));
    return QDir::cleanPath(QDir(folderOf(path)).absoluteFilePath(next));
}

// Lets a test hold a save between writing the new file and putting it in place.
void pauseForTest()
{
    static const int pause = qEnvironmentVariableIntValue("QUINTDRAW_TEST_SAVE_PAUSE_MS");
    if (pause > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
}

// Writes the new file and renames it over `target`, never through a link at `target`. The new
// file gets `mode`, or else the permissions of the plain file it replaces, or those of a new file
// of this program. False with `inPlaceInstead` set when the folder allows neither a new file nor
// the rename but the file itself may still be written.
bool replaceByRename(const QString &target, std::optional<mode_t> mode, const FillFile &fill, QString &reason,
                     bool &inPlaceInstead)
{
    struct stat old {};
    const bool exists = ::lstat(native(target).constData(), &old) == 0 && S_ISREG(old.st_mode);
    QString name;
    const int fd = createNewFile(target, name);
    if (fd < 0) {
        inPlaceInstead = exists && (errno == EACCES || errno == EPERM);
        reason = reasonOf(errno);
        return false;
    }
    // As open to others as the file it replaces, or as a new file of this program would be; only
    // this file, just made, ever has its permissions changed.
    bool ok = ::fchmod(fd, mode ? *mode : exists ? old.st_mode & 07777 : 0666 & ~currentUmask()) == 0;
    off_t at = 0;
    ok = ok && fill([&](QByteArrayView bytes) { return writeAt(fd, bytes, at); }, reason);
    ok = ok && ::fsync(fd) == 0;
    const int writeError = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok && reason.isEmpty())
        reason = reasonOf(writeError != 0 ? writeError : errno);
    if (ok) {
        pauseForTest();
        ok = std::rename(native(name).constData(), native(target).constData()) == 0;
        if (!ok) {
            inPlaceInstead = errno == EPERM && exists;
            reason = reasonOf(errno);
        }
    }
    if (!ok)
        ::unlink(native(name).constData());
    else
        syncFolder(folderOf(target));
    return ok;
}

bool replaceAt(const QString &target, std::optional<mode_t> mode, const FillFile &fill, QString &reason);

// A cut while a file is written in place may tear it: its bytes as they were go first, durably, to
// the player's own state folder, named after the file's folder. Failing that, the write goes on
// (its bytes are still held in memory to be written back should it fail) and the player is told.
void keepBeforeWritingInPlace(const QString &target, const QByteArray &previous)
{
    QString reason;
    const QString folder = keptElsewhereFolder(folderOf(target), &reason);
    const QString kept = folder + u'/' + QFileInfo(target).fileName();
    const auto fill = [&](const WriteBytes &write, QString &) { return write(previous); };
    if (!folder.isEmpty() && replaceAt(kept, mode_t(0600), fill, reason))
        return;
    std::fprintf(stderr, "quintdraw: %s is written in place, and its previous content could not be kept in %s: %s\n",
                 qPrintable(QDir::toNativeSeparators(target)), qPrintable(QDir::toNativeSeparators(kept)),
                 qPrintable(reason));
}

bool replaceInPlace(const QString &target, const FillFile &fill, QString &reason)
{
    const int fd = ::open(native(target).constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = reasonOf(errno);
        return false;
    }
    struct stat found {};
    QByteArray previous;
    bool ok = ::fstat(fd, &found) == 0;
    if (ok && (!S_ISREG(found.st_mode) || found.st_nlink != 1 || found.st_size > kMaxInPlaceBytes)) {
        reason = QStringLiteral("it cannot be replaced as a whole here, and it is not a single plain file of a size that can be written in place");
        ok = false;
    }
    ok = ok && readWhole(fd, found.st_size, previous);
    const bool kept = ok;
    if (kept)
        keepBeforeWritingInPlace(target, previous);
    off_t at = 0;
    ok = ok && fill([&](QByteArrayView bytes) { return writeAt(fd, bytes, at); }, reason);
    ok = ok && ::ftruncate(fd, at) == 0 && ::fsync(fd) == 0;
    if (!ok && reason.isEmpty())
        reason = reasonOf(errno);
    if (!ok && kept) {
        off_t back = 0;
        const bool restored = writeAt(fd, previous, back) && ::ftruncate(fd, back) == 0 && ::fsync(fd) == 0;
        reason += restored ? QStringLiteral(". Its previous content was written back")
                           : QStringLiteral(". It may now be cut: its previous content could not be written back");
    }
    const int closed = ::close(fd);
    if (ok && closed != 0) {
        reason = reasonOf(errno);
        ok = false;
    }
    return ok;
}

// A sticky folder lets only the owner of a file (or of the folder) rename over it; such a file is
// written in place, which must not write through a second name kept for its old bytes.
bool renameRefused(const QString &target, const struct stat &file)
{
    struct stat folder {};
    const uid_t user = ::geteuid();
    return ::stat(native(folderOf(target)).constData(), &folder) == 0 && (folder.st_mode & S_ISVTX) != 0
        && user != 0 && file.st_uid != user && folder.st_uid != user;
}

// Replaces the file at `target` itself, a link there included.
bool replaceAt(const QString &target, std::optional<mode_t> mode, const FillFile &fill, QString &reason)
{
    bool inPlace = false;
    if (replaceByRename(target, mode, fill, reason, inPlace))
        return true;
    if (!inPlace)
        return false;
    reason.clear();
    return replaceInPlace(target, fill, reason);
}

} // namespace

void syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString finalTarget(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        const QString next = nextLink(current);
        if (next == current)
            return current;
        current = next;
    }
    return current;
}

bool mayWriteThrough(const QString &path, QString *error)
{
    const uid_t user = ::geteuid();
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        struct stat found {};
        if (::lstat(native(current).constData(), &found) != 0)
            return true;   // nothing there yet (the file made will be the player's), or it fails later
        if (!S_ISLNK(found.st_mode))
            return hop == 0 || found.st_uid == user;
        if (found.st_uid != user)
            break;
        current = nextLink(current);
    }
    if (error)
        *error = QStringLiteral("Cannot save %1: it is a link, and the link or the file it leads to belongs to "
                                "another user. The game saves through a link only when both are yours.")
                     .arg(QDir::toNativeSeparators(path));
    return false;
}

bool replaceFile(const QString &path, const FillFile &fill, QString *error)
{
    if (!mayWriteThrough(path, error))
        return false;
    QString reason;
    const bool ok = replaceAt(finalTarget(path), {}, fill, reason);
    if (!ok && error)
        *error = QStringLiteral("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), reason);
    return ok;
}

bool keepFileAs(const QString &path, const QString &keptPath, QString *error, Keeping keeping)
{
    const QString source = finalTarget(path);
    // The name kept is this program's own: a link there is replaced, never followed.
    const QString kept = QFileInfo(keptPath).absoluteFilePath();
    struct stat sourceFound {};
    struct stat keptFound {};
    const bool sourceFile = ::stat(native(source).constData(), &sourceFound) == 0;
    if (sourceFile && ::lstat(native(kept).constData(), &keptFound) == 0 && sourceFound.st_dev == keptFound.st_dev
        && sourceFound.st_ino == keptFound.st_ino)
        return true;
    const QString name = newFileName(kept);
    if (sourceFile && keeping == Keeping::SecondName && !renameRefused(source, sourceFound) && ::link(native(source).constData(), native(name).constData()) == 0) {
        if (std::rename(native(name).constData(), native(kept).constData()) == 0) {
            syncFolder(folderOf(kept));
            return true;
        }
        ::unlink(native(name).constData());
    }
    // No second name here (another file system, or one without links): a copy, as private as
    // the file it keeps.
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const auto fill = [&](const WriteBytes &write, QString &reason) {
        for (;;) {
            const QByteArray chunk = file.read(64 * 1024);
            if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
                reason = file.errorString();
            if (chunk.isEmpty())
                return file.error() == QFileDevice::NoError;
            if (!write(chunk))
                return false;
        }
    };
    QString reason;
    if (replaceAt(kept, mode_t(sourceFound.st_mode & 0777), fill, reason))
        return true;
    if (error)
        *error = QStringLiteral("Cannot save %1: %2").arg(QDir::toNativeSeparators(keptPath), reason);
    return false;
}

void removeLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QRegularExpression ours(QStringLiteral("^%1%2(\\.[A-Za-z0-9]{6})?$")
                                      .arg(QRegularExpression::escape(target.fileName()), kNewFileInfix));
    const QDir folder = target.absoluteDir();
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (!ours.match(name).hasMatch())
            continue;
        const QByteArray leftover = native(folder.filePath(name));
        struct stat found {};
        if (::lstat(leftover.constData(), &found) == 0 && S_ISREG(found.st_mode) && found.st_uid == ::geteuid())
            ::unlink(leftover.constData());
    }
}
