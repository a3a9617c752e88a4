#include "ui/drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace drawing {

namespace {

const QColor kGold(222, 178, 64);
const QColor kDarkGold(140, 100, 20);

} // namespace

void portrait(QPainter &painter)
{
    // A friendly card dealer in an eyeshade, waistcoat and bow tie, in a gilt frame.
    QLinearGradient sky(0, 0, 0, 118);
    sky.setColorAt(0, QColor(120, 180, 230));
    sky.setColorAt(1, QColor(40, 90, 150));
    painter.fillRect(QRectF(0, 0, 79, 118), sky);

    const QColor skin(244, 200, 160);
    const QColor skinShade(214, 160, 120);
    const QColor hair(110, 62, 30);

    // Shoulders, shirt, waistcoat and bow tie.
    QPainterPath body;
    body.moveTo(4, 118);
    body.cubicTo(4, 96, 18, 86, 39.5, 86);
    body.cubicTo(61, 86, 75, 96, 75, 118);
    body.closeSubpath();
    painter.fillPath(body, QColor(150, 24, 36));
    QPainterPath shirt;
    shirt.moveTo(29, 87);
    shirt.lineTo(50, 87);
    shirt.lineTo(44, 118);
    shirt.lineTo(35, 118);
    shirt.closeSubpath();
    painter.fillPath(shirt, Qt::white);
    painter.setBrush(QColor(240, 210, 90));
    for (int button = 0; button < 2; ++button)
        painter.drawEllipse(QPointF(39.5, 102 + button * 9), 1.3, 1.3);
    QPainterPath bow;
    bow.moveTo(39.5, 91);
    bow.lineTo(30, 86);
    bow.lineTo(30, 96);
    bow.closeSubpath();
    bow.moveTo(39.5, 91);
    bow.lineTo(49, 86);
    bow.lineTo(49, 96);
    bow.closeSubpath();
    bow.addEllipse(QPointF(39.5, 91), 2.6, 2.6);
    painter.fillPath(bow, QColor(25, 25, 30));

    // Hair behind, neck, ears, head.
    painter.setBrush(hair);
    painter.drawEllipse(QPointF(39.5, 48), 22, 21);
    painter.fillRect(QRectF(33, 72, 13, 15), skinShade);
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(19.5, 58), 4.5, 6);
    painter.drawEllipse(QPointF(59.5, 58), 4.5, 6);
    painter.drawEllipse(QPointF(39.5, 55), 19, 22);

    // A fringe swept to one side.
    QPainterPath fringe;
    fringe.moveTo(20, 50);
    fringe.cubicTo(18, 34, 28, 28, 41, 29);
    fringe.cubicTo(52, 30, 60, 36, 59, 50);
    fringe.cubicTo(54, 42, 46, 40, 38, 43);
    fringe.cubicTo(31, 45, 25, 44, 20, 50);
    painter.fillPath(fringe, hair);

    // The green eyeshade: a band round the head and a translucent brim.
    QPainterPath band;
    band.addRoundedRect(QRectF(18.5, 38, 42, 6), 3, 3);
    painter.fillPath(band, QColor(20, 120, 60));
    QPainterPath brim;
    brim.moveTo(14, 43);
    brim.cubicTo(24, 38.5, 55, 38.5, 65, 43);
    brim.cubicTo(58, 51, 21, 51, 14, 43);
    painter.fillPath(brim, QColor(40, 190, 90, 170));
    painter.strokePath(brim, QPen(QColor(10, 80, 40), 1));

    // Face: eyes, cheeks, nose, smile.
    painter.setBrush(QColor(40, 30, 30));
    painter.drawEllipse(QPointF(32, 57), 2.2, 2.8);
    painter.drawEllipse(QPointF(47, 57), 2.2, 2.8);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(32.7, 56), 0.8, 0.8);
    painter.drawEllipse(QPointF(47.7, 56), 0.8, 0.8);
    painter.setBrush(QColor(240, 120, 120, 110));
    painter.drawEllipse(QPointF(27, 65), 4, 2.6);
    painter.drawEllipse(QPointF(52, 65), 4, 2.6);
    painter.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(39.5, 58.5);
    nose.quadTo(37, 64, 40.5, 65);
    painter.strokePath(nose, QPen(QColor(170, 100, 70), 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(31.5, 69);
    smile.quadTo(39.5, 76, 47.5, 69);
    painter.strokePath(smile, QPen(QColor(150, 40, 40), 1.8, Qt::SolidLine, Qt::RoundCap));

    // The gilt frame.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGold, 3));
    painter.drawRect(QRectF(1.5, 1.5, 76, 115));
    painter.setPen(QPen(kDarkGold, 1));
    painter.drawRect(QRectF(3.5, 3.5, 72, 111));
    painter.setPen(Qt::NoPen);
}

void clubEmblem(QPainter &painter)
{
    const QRectF plaque(2, 6, 146, 75);
    QRadialGradient felt(plaque.center(), 80);
    felt.setColorAt(0, QColor(34, 150, 80));
    felt.setColorAt(1, QColor(10, 70, 36));
    QPainterPath outline;
    outline.addRoundedRect(plaque, 16, 16);
    painter.fillPath(outline, felt);
    painter.strokePath(outline, QPen(kGold, 3));
    QPainterPath inner;
    inner.addRoundedRect(plaque.adjusted(5, 5, -5, -5), 12, 12);
    painter.strokePath(inner, QPen(QColor(222, 178, 64, 160), 1));

    // The medallion.
    const QPointF centre(75, 43.5);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(1.5, 2), 40, 40);
    painter.setBrush(kGold);
    painter.drawEllipse(centre, 40, 40);
    painter.setBrush(kDarkGold);
    painter.drawEllipse(centre, 36.5, 36.5);
    QRadialGradient ivory(centre - QPointF(10, 12), 50);
    ivory.setColorAt(0, Qt::white);
    ivory.setColorAt(1, QColor(230, 222, 200));
    painter.setBrush(ivory);
    painter.drawEllipse(centre, 35, 35);
    painter.setBrush(Qt::NoBrush);
    painter.fillPath(suitPath(Clubs, centre + QPointF(0, 0.5), 46), kSuitBlack);

    // Stars on the wings.
    for (const qreal x : {22.0, 128.0})
        painter.fillPath(starPath(QPointF(x, 43.5), 9, 3.8), kGold);
}

void flag(QPainter &painter)
{
    // Made up: midnight, gold and crimson bands with a star in the middle.
    painter.fillRect(QRectF(0, 0, 40, 8), QColor(28, 44, 110));
    painter.fillRect(QRectF(0, 8, 40, 8), QColor(244, 196, 48));
    painter.fillRect(QRectF(0, 16, 40, 8), QColor(176, 26, 48));
    painter.fillPath(starPath(QPointF(20, 12.3), 4.7, 1.9), QColor(28, 44, 110));
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, 39, 23));
    painter.setPen(Qt::NoPen);
}

} // namespace drawing
