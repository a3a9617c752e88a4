#include "ui/drawing.h"
#include "ui/suit_colours.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

// The suits are designed in a box about 100 units high around the origin.
QPainterPath designedSuit(int suit)
{
    QPainterPath path;
    switch (suit) {
    case Diamonds:
        path.moveTo(0, -50);
        path.quadTo(13, -22, 38, 0);
        path.quadTo(13, 22, 0, 50);
        path.quadTo(-13, 22, -38, 0);
        path.quadTo(-13, -22, 0, -50);
        break;
    case Hearts:
        path.moveTo(0, 50);
        path.cubicTo(-14, 34, -50, 12, -50, -16);
        path.cubicTo(-50, -36, -37, -47, -24, -47);
        path.cubicTo(-12, -47, -3, -39, 0, -28);
        path.cubicTo(3, -39, 12, -47, 24, -47);
        path.cubicTo(37, -47, 50, -36, 50, -16);
        path.cubicTo(50, 12, 14, 34, 0, 50);
        break;
    case Clubs: {
        path.setFillRule(Qt::WindingFill);
        path.addEllipse(QPointF(0, -26), 23, 23);
        path.addEllipse(QPointF(-25, 9), 23, 23);
        path.addEllipse(QPointF(25, 9), 23, 23);
        path.addEllipse(QPointF(0, 4), 13, 13);
        QPainterPath stem;
        stem.moveTo(-5, 6);
        stem.lineTo(5, 6);
        stem.cubicTo(5, 30, 10, 44, 19, 50);
        stem.lineTo(-19, 50);
        stem.cubicTo(-10, 44, -5, 30, -5, 6);
        path = path.united(stem);
        break;
    }
    default:
        path.moveTo(0, -50);
        path.cubicTo(12, -34, 48, -18, 48, 8);
        path.cubicTo(48, 27, 35, 35, 24, 35);
        path.cubicTo(14, 35, 7, 30, 4, 23);
        path.cubicTo(5, 35, 10, 45, 19, 50);
        path.lineTo(-19, 50);
        path.cubicTo(-10, 45, -5, 35, -4, 23);
        path.cubicTo(-7, 30, -14, 35, -24, 35);
        path.cubicTo(-35, 35, -48, 27, -48, 8);
        path.cubicTo(-48, -18, -12, -34, 0, -50);
        break;
    }
    return path;
}

const QColor kCheckRed{196, 28, 40};
const QColor kCheckGreen{20, 122, 60};

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// Red and green diamonds inside the given outline, with a thin gold lattice between them.
void checkPattern(QPainter &painter, const QPainterPath &area, qreal cell)
{
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    const QRectF bounds = area.boundingRect();
    painter.fillPath(area, kCheckRed);
    // Whole-pixel origin and a diagonal of whole pixels keep the diamonds' corners on the grid.
    painter.translate(std::round(bounds.center().x()), std::round(bounds.center().y()));
    painter.rotate(45);
    const int reach = int(std::hypot(bounds.width(), bounds.height()) / cell / 2) + 2;
    QPainterPath green;
    for (int row = -reach; row <= reach; ++row) {
        for (int column = -reach; column <= reach; ++column) {
            if ((row + column) % 2 != 0)
                green.addRect(column * cell, row * cell, cell, cell);
        }
    }
    painter.fillPath(green, kCheckGreen);
    painter.setPen(QPen(QColor(240, 206, 120, 150), cell * 0.12));
    for (int line = -reach; line <= reach; ++line) {
        painter.drawLine(QLineF(line * cell, -reach * cell, line * cell, reach * cell));
        painter.drawLine(QLineF(-reach * cell, line * cell, reach * cell, line * cell));
    }
    painter.restore();
}

// A card's rank outline centred on x with its baseline at baselineY, squeezed to maxWidth.
QPainterPath rankPath(int rank, qreal centreX, qreal baselineY, qreal pixelSize, qreal maxWidth)
{
    QPainterPath path = textPath(rankText(rank), sansFont(true), pixelSize, QPointF(0, 0));
    const QRectF bounds = path.boundingRect();
    const qreal squeeze = std::min(1.0, maxWidth / bounds.width());
    QTransform place;
    place.translate(centreX, baselineY);
    place.scale(squeeze, 1);
    place.translate(-bounds.center().x(), 0);
    return place.map(path);
}

} // namespace

QColor suitColour(int suit)
{
    return suit == Diamonds || suit == Hearts ? kSuitRed : kSuitBlack;
}

QPainterPath suitPath(int suit, QPointF centre, qreal height)
{
    const QPainterPath designed = designedSuit(suit);
    const QRectF bounds = designed.boundingRect();
    const qreal scale = height / bounds.height();
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(scale, scale);
    place.translate(-bounds.center().x(), -bounds.center().y());
    return place.map(designed);
}

void cardFace(QPainter &painter, Card card)
{
    const QPainterPath outline = roundedRect(QRectF(0.5, 0.5, 92, 53), 4.5);
    painter.fillPath(outline, kCardFaceColour);
    const QColor ink = cardInk(card.suit);

    // Index and big suit reach up to the top edge, so a card that shows only its top strip
    // still tells its rank and suit.
    constexpr qreal indexX = 12.5;
    painter.fillPath(rankPath(card.rank, indexX, 15.5, 18, 17), ink);
    painter.fillPath(suitPath(card.suit, QPointF(indexX, 26), 11), ink);

    const bool court = card.rank >= 11 && card.rank <= 13;
    if (court) {
        // Court cards get a gilt panel so they stand out from the pip cards.
        const QRectF panel(33.5, 3.5, 54, 47);
        QLinearGradient cream(panel.topLeft(), panel.bottomRight());
        cream.setColorAt(0, QColor(255, 248, 222));
        cream.setColorAt(1, QColor(246, 226, 170));
        painter.fillPath(roundedRect(panel, 3), cream);
        painter.setPen(QPen(QColor(190, 140, 40), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(roundedRect(panel, 3));
        painter.drawPath(roundedRect(panel.adjusted(2, 2, -2, -2), 2));
        painter.setPen(Qt::NoPen);
    }
    const qreal bigHeight = card.rank == kAce ? 46 : court ? 38 : 43;
    painter.fillPath(suitPath(card.suit, QPointF(60.5, 27), bigHeight), ink);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
}

void bestCardFace(QPainter &painter, Card card)
{
    cardFace(painter, card);
    painter.setPen(QPen(QColor(20, 120, 220), 3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(QRectF(2.5, 2.5, 88, 49), 3.5));
    painter.setPen(Qt::NoPen);
}

void cardBack(QPainter &painter)
{
    const QPainterPath outline = roundedRect(QRectF(0.5, 0.5, 92, 53), 4.5);
    painter.fillPath(outline, Qt::white);
    const QPainterPath field = roundedRect(QRectF(4.5, 4.5, 84, 45), 3);
    checkPattern(painter, field, 4 * M_SQRT2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(110, 14, 22), 1));
    painter.drawPath(field);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
}

void miniCard(QPainter &painter, const QRectF &rect, Card card)
{
    const qreal unit = rect.width() / 40; // designed 40 wide, 58 high
    const QPainterPath outline = roundedRect(rect, 4 * unit);
    painter.fillPath(outline, kCardFaceColour);
    const QColor ink = cardInk(card.suit);
    const QPointF at = rect.topLeft();
    painter.fillPath(rankPath(card.rank, at.x() + 7 * unit, at.y() + 12 * unit, 12 * unit, 11 * unit),
                     ink);
    painter.fillPath(suitPath(card.suit, at + QPointF(7 * unit, 18 * unit), 8 * unit), ink);
    painter.fillPath(suitPath(card.suit, rect.center() + QPointF(2 * unit, 3 * unit), 22 * unit),
                     ink);
    painter.setPen(QPen(QColor(30, 30, 30), 1.2 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
}

} // namespace drawing
