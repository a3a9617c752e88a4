#pragma once

#include "ui/picture.h"

#include <QWidget>

// An image control: shows one Picture, reports clicks. Unless it stretches its picture, it takes
// the size of the picture put into it and keeps its top-left corner.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent, bool stretch = false);

    const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);
    // Sets the picture and paints it at once, even while the event loop is not running.
    void showPictureNow(const Picture &picture);

    // Extra words for a screen reader, e.g. "face down, will be exchanged".
    void setStateDescription(const QString &description);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click is a press and a release of the left button over this control.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Picture m_picture;
    bool m_stretch;
    bool m_pressed = false;
};
