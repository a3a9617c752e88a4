#include "ui/dialog_look.h"

#include "ui/controls.h"
#include "ui/picture.h"

#include <QAbstractButton>
#include <QDialog>

void giveGameLook(QDialog &dialog)
{
    dialog.setWindowIcon(Picture::windowIcon());
    dialog.setFont(arial(9.75, false));
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        button->setIcon(QIcon());
        button->setFont(arial(9.75));
    }
}
