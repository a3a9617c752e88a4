#pragma once

#include <QGroupBox>

// A three-dimensional frame whose caption sits on its top line, inside the frame's place, as
// such frames show it: the style's group box puts the caption above the line instead, outside a
// frame that begins in the tab row.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT
public:
    CaptionedFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};
