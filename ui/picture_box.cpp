#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent, bool stretch) : QWidget(parent), m_stretch(stretch)
{
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    if (!m_stretch && !picture.isEmpty())
        resize(picture.size());
    // Qt tells a screen reader of every name set, changed or not.
    if (accessibleName() != picture.accessibleName())
        setAccessibleName(picture.accessibleName());
    update();
}

void PictureBox::showPictureNow(const Picture &picture)
{
    setPicture(picture);
    repaint();
}

void PictureBox::setStateDescription(const QString &description)
{
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isEmpty())
        return;
    // Drawn once for its size and the screen's pixel ratio, then copied: a card rising repaints
    // many times.
    const QRect target = m_stretch ? rect() : QRect(QPoint(0, 0), m_picture.size());
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), m_picture.rendering(target.size(), devicePixelRatioF()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
