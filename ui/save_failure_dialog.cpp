#include "ui/save_failure_dialog.h"

#include "ui/dialog_look.h"
#include "ui/save_wait_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString leavingText(const QStringList &unsaved)
{
    QStringList names;
    for (const QString &path : unsaved)
        names.append(QFileInfo(path).fileName());
    if (names.size() == 2)
        return QStringLiteral("\"Leave without saving\" writes neither %1 nor %2.").arg(names[0], names[1]);
    return QStringLiteral("\"Leave without saving\" does not write %1.").arg(names.join(QStringLiteral(", ")));
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
    QPushButton *retry = box.addButton(QStringLiteral("Try again"), QMessageBox::AcceptRole);
    QPushButton *leave = box.addButton(QStringLiteral("Leave without saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    // Escape leaves as closing the main window does: without saving.
    box.setEscapeButton(leave);
    giveGameLook(box);
    box.exec();
    return box.clickedButton() == retry ? Choice::TryAgain : Choice::LeaveWithoutSaving;
}

SaveFailurePrompt::Choice SaveFailureDialog::askWhileAnotherSaves(const QString &folder, const QStringList &unsaved)
{
    return ::askWhileAnotherSaves(folder, unsaved);
}
