#include "records/records_lock.h"

#include "records/replace_file.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kLockFileName[] = "/.quintdraw-lock";

// Someone may make files in it but not list it: the folder cannot be opened by all its users.
bool unlistableForSome(mode_t mode)
{
    for (const mode_t shift : {6, 3, 0}) {
        const mode_t bits = (mode >> shift) & 07;
        if ((bits & 03) == 03 && (bits & 04) == 0)
            return true;
    }
    return false;
}

// Opens the lock file, never through a link and never a FIFO or device; readable by all its
// users, since a lock needs no more.
int openLockFile(const QByteArray &folder)
{
    const QByteArray path = folder + kLockFileName;
    int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0444);
    if (fd >= 0) {
        ::fchmod(fd, 0444);
        return fd;
    }
    fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat found {};
    if (fd >= 0 && (::fstat(fd, &found) != 0 || !S_ISREG(found.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

QString RecordsLock::folderOf(const QString &file)
{
    return QFileInfo(finalTarget(file)).absolutePath();
}

RecordsLock::RecordsLock(const QString &folder, Wait wait)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat found {};
    if (::stat(name.constData(), &found) == 0 && unlistableForSome(found.st_mode))
        m_fd = openLockFile(name);
    if (m_fd < 0)
        m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    const int operation = wait == Wait::NotAtAll ? LOCK_EX | LOCK_NB : LOCK_EX;
    int result = 0;
    while ((result = ::flock(m_fd, operation)) != 0 && errno == EINTR) {
    }
    m_taken = result == 0 || errno != EWOULDBLOCK;
}

RecordsLock::~RecordsLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
