#include "ui/save_wait_dialog.h"

#include "ui/dialog_look.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

SaveFailurePrompt::Choice askWhileAnotherSaves(const QString &folder, const QStringList &unsaved)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quintdraw"),
                    QStringLiteral("Another Quintdraw is saving into %1.").arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("SaveWait"));
    QStringList names;
    for (const QString &path : unsaved)
        names.append(QFileInfo(path).fileName());
    box.setInformativeText(names.size() == 1
        ? QStringLiteral("\"Try again\" waits for it. \"Leave without saving\" leaves %1 as it is.").arg(names[0])
        : QStringLiteral("\"Try again\" waits for it. \"Leave without saving\" leaves %1 as they are.")
              .arg(names.join(QStringLiteral(" and "))));
    QPushButton *retry = box.addButton(QStringLiteral("Try again"), QMessageBox::AcceptRole);
    QPushButton *leave = box.addButton(QStringLiteral("Leave without saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    // Escape leaves, as it does in the dialog after a failed save.
    box.setEscapeButton(leave);
    giveGameLook(box);
    box.exec();
    return box.clickedButton() == retry ? SaveFailurePrompt::Choice::TryAgain
                                        : SaveFailurePrompt::Choice::LeaveWithoutSaving;
}
