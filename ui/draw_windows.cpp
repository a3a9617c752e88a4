#include "ui/drawing.h"

#include <QPainter>

namespace drawing {

void startupScreen(QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 421, 187), Qt::white);
    fannedHand(painter, QRectF(6, 28, 112, 80), Fan::FourAces);
    fannedHand(painter, QRectF(303, 28, 112, 80), Fan::RoyalFlush);

    const QString title = QStringLiteral("Quintdraw");
    const QFont lettering = sansFont(true, true);
    constexpr qreal titlePixels = 36;
    const qreal width = textAdvance(title, lettering, titlePixels);
    titleLettering(painter, title, QPointF(210.5 - width / 2, 74), titlePixels);
    const QStringList lines = startupTextLines();
    fillText(painter, lines[0], sansFont(true), 13, QPointF(210.5, 98), kFelt, Qt::AlignHCenter);
    chipRow(painter, QPointF(210.5, 127), 9);

    painter.fillRect(QRectF(8, 158, 405, 1), QColor(18, 110, 58, 110));
    const QColor grey(90, 90, 90);
    fillText(painter, lines[1], sansFont(true), 11, QPointF(10, 176), grey);
    fillText(painter, lines[2], sansFont(false, true), 11, QPointF(411, 176), grey, Qt::AlignRight);
}

QStringList startupTextLines()
{
    return {QStringLiteral("Five-card draw poker"), QStringLiteral("Quintdraw \u00b7 2026"),
            QStringLiteral("Free to copy and share")};
}

QStringList aboutTextLines()
{
    return {QStringLiteral("Quintdraw"), QStringLiteral("Five-card draw poker"),
            QStringLiteral("Free to copy and share."), QStringLiteral("Comments and ideas are welcome:"),
            QStringLiteral("see the README.")};
}

void aboutText(QPainter &painter)
{
    const QStringList lines = aboutTextLines();
    painter.fillRect(QRectF(0, 0, 314, 231), Qt::black);
    // The portrait covers 0..79 x 0..118 and the flag 256..296 x 192..216: text keeps clear.
    constexpr qreal left = 96;
    titleLettering(painter, lines[0], QPointF(left, 44), 34);
    fillText(painter, lines[1], sansFont(true), 12,
             QPointF(left + 2, 66), QColor(120, 210, 150));
    chipRow(painter, QPointF(left + 37, 88), 8);
    fillText(painter, lines[2], sansFont(false), 12,
             QPointF(left + 2, 116), QColor(235, 235, 235));

    painter.fillRect(QRectF(12, 132, 290, 1), QColor(222, 178, 64, 150));
    const QColor warm(255, 224, 140);
    fillText(painter, lines[3], sansFont(false), 12,
             QPointF(12, 154), warm);
    fillText(painter, lines[4], sansFont(false), 12, QPointF(12, 170),
             warm);
}

} // namespace drawing
