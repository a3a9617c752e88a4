#include "ui/save_failure_dialog.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

SaveFailurePrompt::Choice SaveFailureDialog::askAfterFailure(const QString &fileName, const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quintdraw"),
                    QStringLiteral("%1 could not be saved.").arg(QDir::toNativeSeparators(fileName)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("SaveFailure"));
    box.setInformativeText(reason.isEmpty() ? QStringLiteral("The reason is unknown.") : reason);
    QPushButton *retry = box.addButton(QStringLiteral("Try again"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Leave without saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry ? Choice::TryAgain : Choice::LeaveWithoutSaving;
}
