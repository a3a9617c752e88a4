#include "ui/draw_warning_dialog.h"

#include "ui/dialog_look.h"

#include <QMessageBox>
#include <QPushButton>

bool askDrawAnyway(QWidget *parent, const QString &warning)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Coach: before the draw"), warning, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("CoachWarning"));
    box.setTextFormat(Qt::PlainText);
    QPushButton *change = box.addButton(QStringLiteral("&Change my hold"), QMessageBox::RejectRole);
    change->setObjectName(QStringLiteral("CoachChangeHold"));
    QPushButton *draw = box.addButton(QStringLiteral("Draw &anyway"), QMessageBox::AcceptRole);
    draw->setObjectName(QStringLiteral("CoachDrawAnyway"));
    box.setDefaultButton(change);
    box.setEscapeButton(change);
    giveGameLook(box);
    box.exec();
    return box.clickedButton() == draw;
}
