#include "ui/readable_line.h"

#include <QLabel>

QLabel *readableLine(QWidget *parent, const char *name, Qt::FocusPolicy focus)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(focus);
    return label;
}
