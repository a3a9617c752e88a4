#include "ui/records_notice.h"

#include "ui/dialog_look.h"

#include <QMessageBox>

void showRecordsNotice(QWidget *parent, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Quintdraw records"), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("RecordsNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    giveGameLook(*box);
    box->show();
}
