#include "records/save_each_file.h"

#include "records/records_lock.h"
#include "records/save_failure_prompt.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>

namespace {

constexpr int kPollMs = 50;

QStringList pathsFrom(const QList<RecordsFileSave> &files, qsizetype first)
{
    QStringList paths;
    for (qsizetype i = first; i < files.size(); ++i)
        paths.append(files[i].path);
    return paths;
}

// The lock of `folder`, or nothing when the player chose to leave rather than wait.
std::unique_ptr<RecordsLock> lockWaiting(const QString &folder, SaveFailurePrompt &prompt, const QStringList &unsaved,
                                         std::chrono::milliseconds patience)
{
    for (QDeadlineTimer asked(patience);;) {
        auto lock = std::make_unique<RecordsLock>(folder, RecordsLock::Wait::NotAtAll);
        if (lock->taken())
            return lock;
        if (asked.hasExpired()) {
            if (prompt.askWhileAnotherSaves(folder, unsaved) == SaveFailurePrompt::Choice::LeaveWithoutSaving)
                return {};
            asked.setRemainingTime(patience);
            continue;
        }
        QEventLoop pause;
        QTimer::singleShot(kPollMs, &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace

void saveEachFile(const QList<RecordsFileSave> &files, SaveFailurePrompt &prompt, std::chrono::milliseconds patience)
{
    for (qsizetype i = 0; i < files.size(); ++i) {
        for (;;) {
            QString error;
            {
                const auto lock = lockWaiting(RecordsLock::folderOf(files[i].path), prompt, pathsFrom(files, i), patience);
                if (!lock)
                    return;
                if (files[i].save(&error))
                    break;
            }
            if (prompt.askAfterFailure(files[i].path, error, {files[i].path}) == SaveFailurePrompt::Choice::LeaveWithoutSaving)
                break;
        }
    }
}
