#include "ui/save_failure_dialog.h"

#include "ui/dialog_look.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QStringList fileNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names.append(QFileInfo(path).fileName());
    return names;
}

QString leavingText(const QStringList &unsaved)
{
    const QStringList names = fileNames(unsaved);
    if (names.size() == 2)
        return QStringLiteral("\"Leave without saving\" writes neither %1 nor %2.").arg(names[0], names[1]);
    return QStringLiteral("\"Leave without saving\" does not write %1.").arg(names.join(QStringLiteral(", ")));
}

// Both questions of a save offer the same two answers. Escape leaves, as closing the main window
// does: without saving.
SaveFailurePrompt::Choice askTryAgainOrLeave(QMessageBox &box)
{
    QPushButton *retry = box.addButton(QStringLiteral("Try again"), QMessageBox::AcceptRole);
    QPushButton *leave = box.addButton(QStringLiteral("Leave without saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(leave);
    giveGameLook(box);
    box.exec();
    return box.clickedButton() == retry ? SaveFailurePrompt::Choice::TryAgain
                                        : SaveFailurePrompt::Choice::LeaveWithoutSaving;
}

} // namespace

SaveFailurePrompt::Choice SaveFailureDialog::askAfterFailure(const QString &fileName, const QString &reason,
                                                             const QStringList &unsaved)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quintdraw"),
                    QStringLiteral("%1 could not be saved.").arg(QDir::toNativeSeparators(fileName)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("SaveFailure"));
    const QString why = reason.isEmpty() ? QStringLiteral("The reason is unknown.") : reason;
    box.setInformativeText(unsaved.isEmpty() ? why : why + QStringLiteral("\n\n") + leavingText(unsaved));
    return askTryAgainOrLeave(box);
}

SaveFailurePrompt::Choice SaveFailureDialog::askWhileAnotherSaves(const QString &folder, const QStringList &unsaved)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quintdraw"),
                    QStringLiteral("Another Quintdraw is saving into %1.").arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("SaveWait"));
    const QStringList names = fileNames(unsaved);
    box.setInformativeText(names.size() == 1
        ? QStringLiteral("\"Try again\" waits for it. \"Leave without saving\" leaves %1 as it is.").arg(names[0])
        : QStringLiteral("\"Try again\" waits for it. \"Leave without saving\" leaves %1 as they are.")
              .arg(names.join(QStringLiteral(" and "))));
    return askTryAgainOrLeave(box);
}
