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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF target = m_stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), m_picture.size());
    m_picture.paint(painter, target);
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
