#include "ui/panel.h"

#include "ui/palette.h"

Panel::Panel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kLightGrey);
    setPalette(colours);
}
